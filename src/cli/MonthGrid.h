#pragma once
// The perpetual calendar's month as terminal text: what `lumora-cli month` prints.

#include <QDate>
#include <QString>

namespace lumora::cli {

// A header (year, month, zodiac of the month's first day), the week-day headings from
// Sunday, then per week a line of day numbers and under it a line of cell texts, each
// centred in a column eight terminal cells wide. With `colour`, the texts carry the
// calendar window's tones and `today`'s number the window's green mark, all as basic ANSI
// colours; without it the text is plain and the same whatever `today` is.
// `year` is kFirstCnYear..kLastCnYear (DateCn.h), `month` 1..12.
QString monthGridText(int year, int month, bool colour, const QDate& today);

} // namespace lumora::cli
