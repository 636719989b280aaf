#include "forms/DateLists.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>

namespace lumora {
namespace {

QComboBox* addList(QWidget* parent, QBoxLayout* row, const char* name, const QString& unit, int first, int last,
                   int width)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setFixedWidth(width);
    const int digits = first >= 1000 ? 4 : 2;
    for (int value = first; value <= last; ++value)
        list->addItem(QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0')));
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    row->addWidget(list);
    row->addWidget(new QLabel(unit, parent));
    return list;
}

void fillIfEmpty(QComboBox* list, const QString& text)
{
    if (list->currentText().trimmed().isEmpty())
        list->setEditText(text);
}

} // namespace

DateLists addDateLists(QWidget* parent, QBoxLayout* row)
{
    row->addWidget(new QLabel(QStringLiteral("选择黄历："), parent));
    DateLists lists{};
    lists.year = addList(parent, row, "SYear", QStringLiteral("年"), 2010, 2020, 64);
    lists.month = addList(parent, row, "SMonth", QStringLiteral("月"), 1, 12, 48);
    lists.day = addList(parent, row, "Sday", QStringLiteral("日"), 1, 31, 48);
    return lists;
}

void fillEmptyDateLists(const DateLists& lists, const QDate& today)
{
    fillIfEmpty(lists.year, today.toString(QStringLiteral("yyyy")));
    fillIfEmpty(lists.month, today.toString(QStringLiteral("MM")));
    fillIfEmpty(lists.day, today.toString(QStringLiteral("dd")));
}

} // namespace lumora
