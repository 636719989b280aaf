#pragma once
// The perpetual calendar's month as terminal text: what `lumora-cli month` prints.

#include <QString>

namespace lumora::cli {

// A header (year, month, zodiac of the month's first day), the week-day headings from
// Sunday, then per week a line of day numbers and under it a line of cell texts, each
// centred in a column eight terminal cells wide. With `colour`, texts carry the calendar
// window's colours as 24-bit ANSI escapes. `year` is 1901..2050, `month` 1..12.
QString monthGridText(int year, int month, bool colour);

} // namespace lumora::cli
