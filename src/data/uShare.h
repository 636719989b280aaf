#pragma once
// Shared helpers: where the two data files are, the check every date picker runs before a
// query, and the numerology reading of the number windows.
//
//   windows / CLI ──> CheckPickedDate ──> date text ──> Query (Query.h) ──> data files

#include <QString>

#include <variant>

namespace lumora {

// Connection texts of the two data files beside the executable (never the working folder).
// A path holding ";", "=", quotes or blanks at its ends is quoted, so it reads back whole.
QString DreamConnectionString();
QString BirthConnectionString();
// The same for the data files in `folder` (the CLI and tests name the folder themselves).
QString dreamConnectionStringIn(const QString& folder);
QString birthConnectionStringIn(const QString& folder);

// A date that passed the check: the trimmed texts as typed, and year-month-day joined
// with "-" and not padded ("2015-6-9" stays so).
struct PickedDate {
    QString year;
    QString month;
    QString day;
    QString dateText;
};

// The complaint for the first problem found, in the words the user is shown.
struct PickedDateComplaint {
    QString message;
};

using PickedDateCheck = std::variant<PickedDate, PickedDateComplaint>;

// Trims the three texts as typed into date lists and checks, in order: year present,
// month present, day present, a real Gregorian date with digits only in each part.
// Years take any number of digits that read as 1 to 9999, as written (no widening of
// two-digit years: "15" is the year 15).
PickedDateCheck CheckPickedDate(const QString& year, const QString& month, const QString& day);

// The eighty-one numerology reading of a number text (callers trim it): the entry
// "summary|verdict|personality" of its remainder by 81, or "对不起,此号不在分解之类。" for a
// negative remainder. Throws lumora::Error on a text that is not a 64-bit integer
// (Numerology.h has the rules and the steps).
QString numberinfostr(const QString& number);

} // namespace lumora
