#pragma once
// A short note on each day of a span, for the perpetual calendar's day cells: the day's
// overview line, its duty god (值神) and its 宜 and 忌, read in one query.

#include <QDate>
#include <QMap>
#include <QStringList>

namespace lumora {

class Query;

// The note's lines, by day, for the days between first and last (both included) that the
// almanac table has a row for. Throws lumora::Error when the data file fails.
QMap<QDate, QStringList> queryDayNotes(Query& query, const QDate& first, const QDate& last);

} // namespace lumora
