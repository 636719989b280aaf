#include "cli/MonthGrid.h"

#include "calendar/DateCn.h"
#include "calendar/MonthSheet.h"

#include <QDate>
#include <QStringView>

#include <array>
#include <optional>

namespace lumora::cli {
namespace {

constexpr int kColumnWidth = 8;
constexpr unsigned kWeekendRgb = 0xFF0000;

// Terminal columns the text takes: CJK characters are two wide, the rest of what the
// calendar prints (digits, ASCII) one.
int displayWidth(QStringView text)
{
    int width = 0;
    for (QChar ch : text)
        width += ch.unicode() >= 0x2E80 ? 2 : 1;
    return width;
}

QString painted(const QString& text, unsigned rgb, bool colour)
{
    if (!colour || text.isEmpty())
        return text;
    return QStringLiteral("\x1b[38;2;%1;%2;%3m%4\x1b[0m")
        .arg((rgb >> 16) & 0xFF)
        .arg((rgb >> 8) & 0xFF)
        .arg(rgb & 0xFF)
        .arg(text);
}

// One column: `text` centred, painted after its width is measured.
QString centredCell(const QString& text, std::optional<unsigned> rgb, bool colour)
{
    const int gap = kColumnWidth - displayWidth(text);
    const int left = gap / 2;
    const QString shown = rgb ? painted(text, *rgb, colour) : text;
    return QString(left, u' ') + shown + QString(gap - left, u' ');
}

void appendLine(QString& out, QString line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    out += line + u'\n';
}

} // namespace

QString monthGridText(int year, int month, bool colour)
{
    const QDate first(year, month, 1);
    QString out;
    appendLine(out, QStringLiteral("%1年%2月  %3").arg(year).arg(month).arg(CnZodiacName(first)));

    QString headings;
    for (int column = 0; column < 7; ++column) {
        const bool weekend = column == 0 || column == 6;
        headings +=
            centredCell(weekdayName(column == 0 ? 7 : column), weekend ? std::optional(kWeekendRgb) : std::nullopt, colour);
    }
    appendLine(out, headings);

    const QList<DayCellText> cellTexts = monthSheetTexts(first);
    const int leadingBlanks = first.dayOfWeek() % 7; // Qt's Sunday is 7
    const int cellCount = leadingBlanks + first.daysInMonth();
    for (int weekStart = 0; weekStart < cellCount; weekStart += 7) {
        QString numbers;
        QString texts;
        for (int cell = weekStart; cell < weekStart + 7 && cell < cellCount; ++cell) {
            const int day = cell - leadingBlanks + 1;
            if (day < 1) {
                numbers += centredCell({}, std::nullopt, colour);
                texts += centredCell({}, std::nullopt, colour);
                continue;
            }
            const DayCellText& cellText = cellTexts[day - 1];
            numbers += centredCell(QString::number(day), std::nullopt, colour);
            texts += centredCell(cellText.text, cellToneRgb(cellText.tone), colour);
        }
        appendLine(out, numbers);
        appendLine(out, texts);
    }
    return out;
}

} // namespace lumora::cli
