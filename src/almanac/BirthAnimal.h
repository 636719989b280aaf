#pragma once
// A person's birth as typed into a search row, checked field by field, and the zodiac
// animal it gives: the animal of the lunar year (the calendar engine's, by the Gregorian
// year outside 1901–2050), where the 子 hour from 23:00 already belongs to the next day.

#include "almanac/DaySearch.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <variant>

namespace lumora {

struct Birth {
    QString label;
    QDate date;
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int branch = 0; // the zodiac animal's branch, 0 子 … 11 亥
    // Born from 23:00 on the eve of 正月初一, whose 子 hour opens the new year: the person
    // takes the new year's animal.
    bool bornIntoNewYear = false;
};

// The birth, or one complaint per wrong field, each naming the person and the field.
std::variant<Birth, QStringList> checkBirth(const BirthTexts& texts);

// The hour list's item for an hour 0..23: its double-hour branch, a blank, the hour
// ("子 0", "丑 1", …, "子 23").
QString hourItem(int hour);

} // namespace lumora
