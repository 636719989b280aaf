#pragma once
// The Chinese lunar calendar for 1901-01-01 to 2050-12-31, from two constant tables.
//
//   QDate ──CnDateOf──> CnDateCode (month × 100 + day, negative in a leap month, 0 outside)
//   (y, m, d) ──SolarTermOf──> 1..24 (0: no term that day)
//   codes and term numbers ──Cn*Name / SolarTermName / …──> the texts the calendar shows
//
// Everything here is a pure function of its arguments.

#include <QDate>
#include <QString>

#include <cstdint>

namespace lumora {

using CnDateCode = std::int32_t;

// The years the two tables cover; outside them every conversion gives 0 or an empty name.
inline constexpr int kFirstCnYear = 1901;
inline constexpr int kLastCnYear = 2050;
bool inCnRange(const QDate& date);

// Engine.
CnDateCode CnDateOf(const QDate& date);
int SolarTermOf(int year, int month, int day);
int DayOfYearOf(const QDate& date);
// The parts of a code: month 1..12 (negative in a leap month, 0 for code 0), day 0..30.
int cnMonthOf(CnDateCode code);
int cnDayOf(CnDateCode code);

// Names. The code forms name an already converted day; the 除夕 rule needs the code of
// the day after as well.
QString CnMonthName(const QDate& date);
QString CnMonthName(CnDateCode code);
QString CnDayName(const QDate& date);
QString CnDayName(CnDateCode code);
QString CnFestival(const QDate& date);
QString CnFestival(CnDateCode code, CnDateCode nextDayCode);
QString CnZodiacName(const QDate& date);
QString SolarTermName(const QDate& date);
QString GregFestival(int day, const QDate& date);
QString ConstellationName(const QDate& date);
QString ConstellationOfDay(int day, const QDate& date);
// "星期日" … "星期六" for QDate::dayOfWeek() 1..7 (Monday 1, Sunday 7).
QString weekdayName(int dayOfWeek);

} // namespace lumora
