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

} // namespace

DayCellText DayCellTextOf(const QDate& monthDate, int day)
{
    const QDate cellDate(monthDate.year(), monthDate.month(), day);
    // Tried from the strongest rule down; the first that names the day wins.
    if (QString festival = CnFestival(cellDate); !festival.isEmpty())
        return {festival, CellTone::LunarFestival};
    if (QString term = SolarTermName(cellDate); !term.isEmpty())
        return {term, CellTone::SolarTerm};
    if (QString festival = GregFestival(day, monthDate); !festival.isEmpty())
        return {festival, CellTone::GregorianFestival};
    const QString dayName = CnDayName(cellDate);
    if (dayName == u"初一")
        return {CnMonthName(cellDate), CellTone::LunarMonthStart};
    return {dayName, CellTone::LunarDay};
}

unsigned CellToneRgb(CellTone tone)
{
    return kToneRgb[static_cast<std::size_t>(tone)];
}

} // namespace lumora
