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

// Engine.
CnDateCode CnDateOf(const QDate& date);
int SolarTermOf(int year, int month, int day);
int DayOfYearOf(const QDate& date);

// Names.
QString CnMonthName(const QDate& date);
QString CnDayName(const QDate& date);
QString CnFestival(const QDate& date);
QString CnZodiacName(const QDate& date);
QString SolarTermName(const QDate& date);
QString GregFestival(int day, const QDate& date);
QString ConstellationName(const QDate& date);
QString ConstellationOfDay(int day, const QDate& date);

} // namespace lumora
