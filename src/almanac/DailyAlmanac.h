#pragma once
// The daily almanac entry of one day, read from the table `lumora` of the almanac data
// file and laid out as the almanac window shows it.

#include <QString>
#include <QStringList>

#include <optional>

namespace lumora {

class Query;

struct AlmanacEntry {
    QString overview;      // date text, two spaces, the day's overview
    QStringList memoLines; // nine labelled items separated by empty lines: 17 lines
};

// The SQL text for a day; dateText as CheckPickedDate yields it (e.g. "2015-6-9").
QString dailyAlmanacSql(const QString& dateText);

// Runs the day's query on `query` (whose connection text is already set). Nothing when
// the table has no row for the day; throws lumora::Error when the data file fails.
std::optional<AlmanacEntry> queryDailyAlmanac(Query& query, const QString& dateText);

} // namespace lumora
