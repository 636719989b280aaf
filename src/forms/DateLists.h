#pragma once
// The year, month and day lists every date-picking window carries: editable, with fixed
// items, their texts the window's only date state.

#include <QDate>
#include <QStringList>

class QBoxLayout;
class QComboBox;
class QWidget;

namespace lumora {

// The numbers first to last as list items, zero-padded to `digits` ("01") or not (1).
QStringList numberItems(int first, int last, int digits = 1);

// An editable list of `width` pixels at the row's end, followed by its unit label ("年").
QComboBox* addListWithUnit(QWidget* parent, QBoxLayout& row, const QString& objectName, const QStringList& items,
                           int width, const QString& unit);

// A row's year, month and day lists; the items below are addDateLists' own.
struct DateLists {
    QComboBox* year;  // "2010" … "2020"
    QComboBox* month; // "01" … "12"
    QComboBox* day;   // "01" … "31", whatever the month
};

// Adds the three lists (objectNames SYear, SMonth, Sday), each followed by its unit label
// 年, 月 or 日, to the row; the lists start with empty texts.
DateLists addDateLists(QWidget* parent, QBoxLayout& row);

// Sets the three texts as given (the openers pass what the user typed elsewhere).
void setDateTexts(const DateLists& lists, const QString& year, const QString& month, const QString& day);

// Sets the date's "yyyy", "MM" and "dd" (2015, 06, 09), although month and day items may
// have no leading zero.
void setDateTexts(const DateLists& lists, const QDate& date);

// Lists whose trimmed text is empty take today's "yyyy", "MM" and "dd".
void fillEmptyDateLists(const DateLists& lists, const QDate& today);

} // namespace lumora
