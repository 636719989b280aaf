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

// clang-format off
// Week-day headings as the calendar window titles its columns, Sunday first.
constexpr std::array<QStringView, 7> kWeekdayHeadings{
    u"星期日", u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六"};
// clang-format on

// Terminal columns the text takes: CJK characters are two wide, the rest of what the
// calendar prints (digits, ASCII) one.
int DisplayWidth(QStringView text)
{
    int width = 0;
    for (QChar ch : text)
        width += ch.unicode() >= 0x2E80 ? 2 : 1;
    return width;
}

QString Painted(const QString& text, unsigned rgb, bool colour)
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
QString Cell(const QString& text, std::optional<unsigned> rgb, bool colour)
{
    const int gap = kColumnWidth - DisplayWidth(text);
    const int left = gap / 2;
    const QString shown = rgb ? Painted(text, *rgb, colour) : text;
    return QString(left, u' ') + shown + QString(gap - left, u' ');
}

void AppendLine(QString& out, QString line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    out += line + u'\n';
}

} // namespace

QString MonthGridText(int year, int month, bool colour)
{
    const QDate first(year, month, 1);
    QString out;
    AppendLine(out, QStringLiteral("%1年%2月  %3").arg(year).arg(month).arg(CnZodiacName(first)));

    QString headings;
    for (int column = 0; column < 7; ++column) {
        const bool weekend = column == 0 || column == 6;
        headings +=
            Cell(kWeekdayHeadings[column].toString(), weekend ? std::optional(kWeekendRgb) : std::nullopt, colour);
    }
    AppendLine(out, headings);

    const int leadingBlanks = first.dayOfWeek() % 7; // Qt's Sunday is 7
    const int cellCount = leadingBlanks + first.daysInMonth();
    for (int weekStart = 0; weekStart < cellCount; weekStart += 7) {
        QString numbers;
        QString texts;
        for (int cell = weekStart; cell < weekStart + 7 && cell < cellCount; ++cell) {
            const int day = cell - leadingBlanks + 1;
            if (day < 1) {
                numbers += Cell({}, std::nullopt, colour);
                texts += Cell({}, std::nullopt, colour);
                continue;
            }
            const DayCellText cellText = DayCellTextOf(first, day);
            numbers += Cell(QString::number(day), std::nullopt, colour);
            texts += Cell(cellText.text, CellToneRgb(cellText.tone), colour);
        }
        AppendLine(out, numbers);
        AppendLine(out, texts);
    }
    return out;
}

} // namespace lumora::cli
