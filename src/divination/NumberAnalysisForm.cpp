#include "divination/NumberAnalysisForm.h"

#include "data/NumberReading.h"
#include "data/uShare.h"
#include "platform/Platform.h"

namespace lumora {

NumberAnalysisForm::NumberAnalysisForm(const ToolFormWords& words, const QString& firstLineCaption,
                                       const QString& emptyBoxMessage, QWidget* parent)
    : ReadingForm(words, firstLineCaption, parent), emptyBoxMessage_(emptyBoxMessage)
{
}

void NumberAnalysisForm::RzBitBtn1Click()
{
    const QString number = trimmedInput();
    if (number.isEmpty()) {
        platform().showTip(emptyBoxMessage_);
        return;
    }
    // The lookup comes first: a text it cannot read leaves the last result standing.
    const NumberReading reading = splitNumberReading(numberinfostr(number));
    showResult(number, reading.summary, reading.verdict, reading.personality);
}

} // namespace lumora
