#include "cli/MonthGrid.h"

#include "calendar/DateCn.h"
#include "calendar/MonthSheet.h"

#include <QDate>
#include <QStringView>

#include <array>

namespace lumora::cli {
namespace {

constexpr int kColumnWidth = 8;

struct ToneColour {
    CellTone tone;
    QStringView sgr;
};

// clang-format off
// The calendar window's tones as the basic ANSI colours (SGR codes), which terminals
// adapt to their theme, so each reads on dark and light backgrounds alike.
constexpr std::array kToneColours{
    ToneColour{CellTone::LunarDay,          u"32"}, // the window's dark green
    ToneColour{CellTone::LunarMonthStart,   u"31"}, // red
    ToneColour{CellTone::GregorianFestival, u"33"}, // the window's orange
    ToneColour{CellTone::SolarTerm,         u"34"}, // blue
    ToneColour{CellTone::LunarFestival,     u"33"}, // the window's orange
};
// clang-format on
constexpr QStringView kWeekendSgr = u"31";
// Black on green: the window's green block behind the selected day's number.
constexpr QStringView kTodaySgr = u"30;42";

QStringView toneSgr(CellTone tone)
{
    for (const ToneColour& colour : kToneColours) {
        if (colour.tone == tone)
            return colour.sgr;
    }
    return {};
}

// Terminal columns the text takes: CJK characters are two wide, the rest of what the
// calendar prints (digits, ASCII) one.
int displayWidth(QStringView text)
{
    int width = 0;
    for (QChar ch : text)
        width += ch.unicode() >= 0x2E80 ? 2 : 1;
    return width;
}

// One column: `text` centred, painted in `sgr` (none when empty) after its width is measured.
QString centredCell(const QString& text, QStringView sgr = {})
{
    const int gap = kColumnWidth - displayWidth(text);
    const int left = gap / 2;
    const QString shown = sgr.isEmpty() || text.isEmpty() ? text : QStringLiteral("\x1b[%1m%2\x1b[0m").arg(sgr, text);
    return QString(left, u' ') + shown + QString(gap - left, u' ');
}

void appendLine(QString& out, QString line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    out += line + u'\n';
}

} // namespace

QString monthGridText(int year, int month, bool colour, const QDate& today)
{
    const QDate first(year, month, 1);
    QString out;
    appendLine(out, QStringLiteral("%1年%2月  %3").arg(year).arg(month).arg(CnZodiacName(first)));

    QString headings;
    for (int column = 0; column < 7; ++column) {
        const bool weekend = column == 0 || column == 6;
        headings += centredCell(weekdayName(column == 0 ? 7 : column), colour && weekend ? kWeekendSgr : QStringView());
    }
    appendLine(out, headings);

    const QList<DayCellText> cellTexts = monthSheetTexts(first);
    const int todayNumber = colour && today.year() == year && today.month() == month ? today.day() : 0;
    const int leadingBlanks = first.dayOfWeek() % 7; // Qt's Sunday is 7
    const int cellCount = leadingBlanks + first.daysInMonth();
    for (int weekStart = 0; weekStart < cellCount; weekStart += 7) {
        QString numbers;
        QString texts;
        for (int cell = weekStart; cell < weekStart + 7 && cell < cellCount; ++cell) {
            const int day = cell - leadingBlanks + 1;
            if (day < 1) {
                numbers += centredCell({});
                texts += centredCell({});
                continue;
            }
            const DayCellText& cellText = cellTexts[day - 1];
            numbers += centredCell(QString::number(day), day == todayNumber ? kTodaySgr : QStringView());
            texts += centredCell(cellText.text, colour ? toneSgr(cellText.tone) : QStringView());
        }
        appendLine(out, numbers);
        appendLine(out, texts);
    }
    return out;
}

} // namespace lumora::cli
