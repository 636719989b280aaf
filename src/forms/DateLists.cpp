#include "forms/DateLists.h"

#include "forms/EditableList.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>

namespace lumora {
namespace {

QStringList numberItems(int first, int last, int digits)
{
    QStringList items;
    for (int value = first; value <= last; ++value)
        items << QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
    return items;
}

QComboBox* addList(QWidget* parent, QBoxLayout& row, const QString& name, const QStringList& items, int width,
                   const QString& unit)
{
    QComboBox* list = newEditableList(parent, name, items);
    list->setFixedWidth(width);
    row.addWidget(list);
    row.addWidget(new QLabel(unit, parent));
    return list;
}

void fillIfEmpty(QComboBox* list, const QString& text)
{
    if (list->currentText().trimmed().isEmpty())
        list->setEditText(text);
}

} // namespace

DateLists addDateLists(QWidget* parent, QBoxLayout& row)
{
    DateLists lists{};
    lists.year = addList(parent, row, QStringLiteral("SYear"), numberItems(2010, 2020, 4), 64, QStringLiteral("年"));
    lists.month = addList(parent, row, QStringLiteral("SMonth"), numberItems(1, 12, 2), 48, QStringLiteral("月"));
    lists.day = addList(parent, row, QStringLiteral("Sday"), numberItems(1, 31, 2), 48, QStringLiteral("日"));
    return lists;
}

void setDateTexts(const DateLists& lists, const QString& year, const QString& month, const QString& day)
{
    lists.year->setEditText(year);
    lists.month->setEditText(month);
    lists.day->setEditText(day);
}

void fillEmptyDateLists(const DateLists& lists, const QDate& today)
{
    fillIfEmpty(lists.year, today.toString(QStringLiteral("yyyy")));
    fillIfEmpty(lists.month, today.toString(QStringLiteral("MM")));
    fillIfEmpty(lists.day, today.toString(QStringLiteral("dd")));
}

} // namespace lumora
