#include "forms/DateLists.h"

#include "forms/EditableList.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>

namespace lumora {
namespace {

void fillIfEmpty(QComboBox* list, const QString& text)
{
    if (list->currentText().trimmed().isEmpty())
        list->setEditText(text);
}

// The day as the lists show a date they set themselves: "2015", "06", "09".
struct ShownDate {
    QString year;
    QString month;
    QString day;
};

ShownDate shownDate(const QDate& date)
{
    return {date.toString(QStringLiteral("yyyy")), date.toString(QStringLiteral("MM")),
            date.toString(QStringLiteral("dd"))};
}

} // namespace

QStringList numberItems(int first, int last, int digits)
{
    QStringList items;
    for (int value = first; value <= last; ++value)
        items << QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
    return items;
}

QComboBox* addListWithUnit(QWidget* parent, QBoxLayout& row, const QString& objectName, const QStringList& items,
                           int width, const QString& unit)
{
    QComboBox* list = newEditableList(parent, objectName, items);
    list->setFixedWidth(width);
    row.addWidget(list);
    row.addWidget(new QLabel(unit, parent));
    return list;
}

DateLists addDateLists(QWidget* parent, QBoxLayout& row)
{
    DateLists lists{};
    lists.year =
        addListWithUnit(parent, row, QStringLiteral("SYear"), numberItems(2010, 2020, 4), 64, QStringLiteral("年"));
    lists.month =
        addListWithUnit(parent, row, QStringLiteral("SMonth"), numberItems(1, 12, 2), 48, QStringLiteral("月"));
    lists.day = addListWithUnit(parent, row, QStringLiteral("Sday"), numberItems(1, 31, 2), 48, QStringLiteral("日"));
    return lists;
}

void setDateTexts(const DateLists& lists, const QString& year, const QString& month, const QString& day)
{
    lists.year->setEditText(year);
    lists.month->setEditText(month);
    lists.day->setEditText(day);
}

void setDateTexts(const DateLists& lists, const QDate& date)
{
    const ShownDate shown = shownDate(date);
    setDateTexts(lists, shown.year, shown.month, shown.day);
}

void fillEmptyDateLists(const DateLists& lists, const QDate& today)
{
    const ShownDate shown = shownDate(today);
    fillIfEmpty(lists.year, shown.year);
    fillIfEmpty(lists.month, shown.month);
    fillIfEmpty(lists.day, shown.day);
}

} // namespace lumora
