#pragma once
// What the QQ-number and any-number windows share: a number of up to eighteen digits read
// through the eighty-one numerology table into three result lines. Only their words differ.

#include "forms/ToolForm.h"

namespace lumora {

class NumberAnalysisForm : public ReadingForm {
    Q_OBJECT

public:
    void RzBitBtn1Click() override;

protected:
    NumberAnalysisForm(const ToolFormWords& words, const QString& firstLineCaption, const QString& emptyBoxMessage,
                       QWidget* parent);

private:
    QString emptyBoxMessage_;
};

} // namespace lumora
