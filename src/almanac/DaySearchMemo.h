#pragma once
// The day search's memo: a heading that restates the conditions, one line per day kept,
// what the data lacked, and a closing count (or the line that nothing was found).

#include "almanac/BranchRelations.h"
#include "almanac/DaySearchInput.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumora {

struct FoundDay {
    QDate date;
    QString cong;                   // the day's clash as the table writes it
    QList<BranchHarmony> harmonies; // the day's branch to each person's, in their order
};

struct SearchOutcome {
    QDate first; // today
    QDate last;  // the span's last day
    QList<FoundDay> days;
    QList<QDate> daysWithoutData; // in date order
};

QStringList daySearchMemo(const CheckedConditions& conditions, const SearchOutcome& outcome);

} // namespace lumora
