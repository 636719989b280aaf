#pragma once
// What one day cell of the perpetual calendar shows under its day number, shared by the
// calendar window and the command line's month view.

#include <QDate>
#include <QList>
#include <QString>

namespace lumora {

// Which rule chose the text; later rules win: lunar festival over solar term over
// Gregorian festival over the name of a new lunar month over the lunar day name.
enum class CellTone {
    LunarDay,          // #004000
    LunarMonthStart,   // #FF0000
    GregorianFestival, // #FF8000
    SolarTerm,         // #5353FF
    LunarFestival,     // #FF8000
};

struct DayCellText {
    QString text;
    CellTone tone = CellTone::LunarDay;
};

// The texts under the day numbers of the month that `monthDate` lies in, day 1 first.
// Each day is converted to the lunar calendar once.
QList<DayCellText> monthSheetTexts(const QDate& monthDate);

// The colour of a tone as 0xRRGGBB.
unsigned cellToneRgb(CellTone tone);

} // namespace lumora
