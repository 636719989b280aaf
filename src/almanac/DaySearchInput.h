#pragma once
// The day search's conditions as typed, checked: each text matched to what it means, or
// one complaint per field that matches nothing.

#include "almanac/BirthAnimal.h"
#include "almanac/DaySearch.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <variant>

namespace lumora {

struct CheckedConditions {
    QString activity;
    QString span;       // the span list's text, "一月以内"
    int spanDays = 0;   // counted from today, today included
    bool avoid = false; // "忌": the days on which the activity is to be avoided
    QList<Birth> persons;
    QString excludedDirections; // among 东南西北, in that order, each once
    bool huangdaoOnly = false;
};

std::variant<CheckedConditions, QStringList> checkConditions(const DaySearchConditions& conditions);

} // namespace lumora
