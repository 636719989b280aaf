#pragma once
// The year, month and day drop-down lists that the main window and the daily almanac
// window both carry: editable, with fixed items, their texts the only state.

#include <QDate>

class QBoxLayout;
class QComboBox;
class QWidget;

namespace lumora {

struct DateLists {
    QComboBox* year;  // "2010" … "2020"
    QComboBox* month; // "01" … "12"
    QComboBox* day;   // "01" … "31", whatever the month
};

// Adds "选择黄历：", the three lists (objectNames SYear, SMonth, Sday) and their unit
// labels to the row; the lists start with empty texts.
DateLists addDateLists(QWidget* parent, QBoxLayout* row);

// Lists whose trimmed text is empty take today's "yyyy", "MM" and "dd".
void fillEmptyDateLists(const DateLists& lists, const QDate& today);

} // namespace lumora
