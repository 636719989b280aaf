#pragma once
// The search behind the auspicious-day and wedding-day windows and `lumora-cli search`:
// the days within a span from today that suit (or are to be avoided for) one activity,
// keep clear of the persons' zodiac clashes and of the excluded clash directions, and
// (when asked) are 黄道 days.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumora {

// One person's birth exactly as typed into a row's lists; the search validates it.
struct BirthTexts {
    QString label;  // how the heading names the person: "人员1", "老公", "老婆"
    QString year;   // "1990"
    QString month;  // "5" or "05"
    QString day;    // "1" or "01"
    QString hour;   // the hour list's text, "子 0" … "子 23", or a bare hour "13"
    QString minute; // "0" … "59"
};

struct DaySearchConditions {
    QString activity;               // "嫁娶", "开市", …
    QString span;                   // one of the span list's texts, as typed
    QString suitability;            // "宜" or "忌", as typed
    QList<BirthTexts> persons;      // only the rows that are checked and enabled
    QStringList excludedDirections; // any of "东", "南", "西", "北"
    bool huangdaoOnly = false;      // keep only the days whose duty god (值神) is 黄道
};

struct DaySearchReport {
    // Set when a typed field matches nothing; then no search ran and `lines` holds
    // only the messages, one per such field, each naming it.
    bool badInput = false;
    QStringList lines; // the memo's lines, in order
    QList<QDate> days; // the days kept, in date order
    // Days of the span the almanac table has no row for (past its end, for one); the
    // memo says so, and the search is then incomplete.
    int daysWithoutData = 0;
};

// Runs the search from `today` over the almanac table behind `connectionString`.
// A missing or unreadable data file throws `lumora::Error`.
DaySearchReport searchDays(const DaySearchConditions& conditions, QDate today, const QString& connectionString);

} // namespace lumora
