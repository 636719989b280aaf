#include "data/ShownText.h"

#include <algorithm>

namespace lumora {
namespace {

constexpr qsizetype kShownCharacters = 40;

} // namespace

QString shownText(const QString& text)
{
    QString shown;
    const qsizetype count = std::min(text.size(), kShownCharacters);
    for (qsizetype i = 0; i < count; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n'))
            shown += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            shown += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            shown += QStringLiteral("\\t");
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                 c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph || c.isSurrogate())
            shown += QStringLiteral("\\u{%1}").arg(QString::number(c.unicode(), 16).toUpper());
        else
            shown += c;
    }
    if (text.size() > kShownCharacters)
        shown += QChar(u'…');
    return shown;
}

} // namespace lumora
