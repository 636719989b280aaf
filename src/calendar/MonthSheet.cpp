#include "calendar/MonthSheet.h"

#include "calendar/DateCn.h"

#include <array>

namespace lumora {
namespace {

// clang-format off
// The calendar window's text colours, by tone.
constexpr std::array<unsigned, 5> kToneRgb{
    0x004000, // LunarDay
    0xFF0000, // LunarMonthStart
    0xFF8000, // GregorianFestival
    0x5353FF, // SolarTerm
    0xFF8000, // LunarFestival
};
// clang-format on

// Tried from the strongest rule down; the first that names the day wins.
DayCellText dayCellText(const QDate& date, CnDateCode code, CnDateCode nextCode)
{
    if (QString festival = CnFestival(code, nextCode); !festival.isEmpty())
        return {festival, CellTone::LunarFestival};
    if (QString term = SolarTermName(date); !term.isEmpty())
        return {term, CellTone::SolarTerm};
    if (QString festival = GregFestival(date.day(), date); !festival.isEmpty())
        return {festival, CellTone::GregorianFestival};
    if (cnDayOf(code) == 1)
        return {CnMonthName(code), CellTone::LunarMonthStart};
    return {CnDayName(code), CellTone::LunarDay};
}

} // namespace

QList<DayCellText> monthSheetTexts(const QDate& monthDate)
{
    const QDate first(monthDate.year(), monthDate.month(), 1);
    const int length = first.daysInMonth();
    QList<DayCellText> texts;
    texts.reserve(length);
    CnDateCode code = CnDateOf(first);
    for (int day = 1; day <= length; ++day) {
        const QDate date = first.addDays(day - 1);
        // The day after is converted here for 除夕 and carried over as the next day's code.
        const CnDateCode nextCode = CnDateOf(date.addDays(1));
        texts << dayCellText(date, code, nextCode);
        code = nextCode;
    }
    return texts;
}

unsigned cellToneRgb(CellTone tone)
{
    return kToneRgb[static_cast<std::size_t>(tone)];
}

} // namespace lumora
