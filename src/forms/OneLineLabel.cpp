#include "forms/OneLineLabel.h"

#include <QLabel>

namespace lumora {

void setOneLineText(QLabel& label, const QString& text)
{
    if (text.size() <= kOneLineLabelLimit) {
        label.setText(text);
        return;
    }
    qsizetype kept = kOneLineLabelLimit;
    if (text[kept - 1].isHighSurrogate())
        --kept; // never half a character
    label.setText(text.left(kept) + QChar(u'…'));
}

} // namespace lumora
