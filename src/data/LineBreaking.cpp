#include "data/LineBreaking.h"

#include <QStringList>

namespace lumora {
namespace {

// Marks that close what comes before them, so a line must not begin with one.
constexpr QStringView kClosingPunctuation = u"，。、；：！？）》」』”’,.;:!?)";

int columnsOf(char32_t character)
{
    return character < 0x80 ? 1 : 2;
}

QString brokenLine(QStringView line, int columns)
{
    QString broken;
    int used = 0;
    for (qsizetype at = 0; at < line.size();) {
        // A character outside the basic plane is two UTF-16 units and stays whole.
        const qsizetype units = line[at].isHighSurrogate() && at + 1 < line.size() ? 2 : 1;
        const QStringView character = line.sliced(at, units);
        const int width = columnsOf(character.toUcs4().value(0));
        const bool closes = units == 1 && kClosingPunctuation.contains(character.front());
        if (used > 0 && used + width > columns && !closes) {
            broken += u'\n';
            used = 0;
        }
        broken += character;
        used += width;
        at += units;
    }
    return broken;
}

} // namespace

QString breakLongLines(const QString& text, int columns)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = brokenLine(line, columns);
    return lines.join(u'\n');
}

} // namespace lumora
