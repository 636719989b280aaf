#include "cli/ArgumentText.h"

namespace lumora::cli {
namespace {

constexpr qsizetype kShownCharacters = 40;

// Walks the text by code points; a lone surrogate is visited as its own value.
template <typename Visit> void forEachCodePoint(QStringView text, Visit visit)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (!visit(codePoint))
            return;
    }
}

bool isHidden(char32_t codePoint)
{
    if (QChar::isSurrogate(codePoint) || QChar::isSpace(codePoint))
        return true;
    const QChar::Category category = QChar::category(codePoint);
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

QString escaped(char32_t codePoint)
{
    switch (codePoint) {
    case U'\n':
        return QStringLiteral("\\n");
    case U'\r':
        return QStringLiteral("\\r");
    case U'\t':
        return QStringLiteral("\\t");
    case U'\\':
        return QStringLiteral("\\\\");
    case U'\'':
        return QStringLiteral("\\'");
    case U' ':
        return QStringLiteral(" ");
    default:
        break;
    }
    if (!isHidden(codePoint))
        return QString::fromUcs4(&codePoint, 1);
    if (codePoint < 0x100)
        return QStringLiteral("\\x") + QString::number(uint(codePoint), 16).rightJustified(2, u'0').toUpper();
    return QStringLiteral("\\u{%1}").arg(QString::number(uint(codePoint), 16).toUpper());
}

} // namespace

bool holdsBlankOrControl(QStringView text)
{
    bool found = false;
    forEachCodePoint(text, [&found](char32_t codePoint) {
        found = isHidden(codePoint);
        return !found;
    });
    return found;
}

QString shownArgument(QStringView text)
{
    QString shown = QStringLiteral("'");
    qsizetype count = 0;
    bool cut = false;
    forEachCodePoint(text, [&](char32_t codePoint) {
        if (count == kShownCharacters) {
            cut = true;
            return false;
        }
        ++count;
        shown += escaped(codePoint);
        return true;
    });
    shown += u'\'';
    if (cut)
        shown += u'…';
    return shown;
}

QString blankOrControlComplaint(QStringView text)
{
    return shownArgument(text) + QStringLiteral(" holds a blank or a control character");
}

} // namespace lumora::cli
