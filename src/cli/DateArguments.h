#pragma once
// The one way every subcommand reads dates and numbers from its arguments.
//
// A date is one argument "Y-M-D" or three arguments "Y" "M" "D", each part ASCII digits,
// leading zeros optional (2015-6-9, 2015-06-09, 2015 06 09). An argument holding a blank
// or a control character is refused, never trimmed: a script's stray newline shows up as
// a complaint in every command alike. The rest of the check is the date pickers' own
// (CheckPickedDate), so the almanac keeps the window's words for what the window refuses.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <variant>

namespace lumora::cli {

// How a date is typed, for help texts and complaints.
inline constexpr QStringView kDateForms = u"YYYY-MM-DD or YEAR MONTH DAY";

struct DateArgument {
    QDate date;
    QString dateText; // year-month-day as typed and joined by CheckPickedDate: "2015-6-9"
};

struct DateArgumentComplaint {
    enum class Kind {
        WrongCount, // neither one argument per date nor three
        Unreadable, // an argument holds a blank or a control character
        NotADate,   // the picked-date check refused it
    };
    Kind kind;
    QString message; // what to print after "COMMAND: " (empty for WrongCount)
    // NotADate: the date pickers' words (请选择月! …) when they refused the three parts;
    // empty when the text does not even split into three.
    QString pickedMessage;
};

using DateArguments = std::variant<QList<DateArgument>, DateArgumentComplaint>;

// Reads `count` dates from `args`: `count` arguments in the one-argument form, or
// 3 × `count` in the three-argument form.
DateArguments parseDateArguments(const QStringList& args, int count);

// Digits only, leading zeros allowed, at most nine of them; nothing for anything else.
std::optional<int> parseWholeNumber(QStringView text);

// The first and last day of the lunar tables, the range every date command keeps to.
QDate firstCnDay();
QDate lastCnDay();
// `what` and " lies outside the lunar tables, which cover" the first to the last day.
QString outsideTablesComplaint(QStringView what);

} // namespace lumora::cli
