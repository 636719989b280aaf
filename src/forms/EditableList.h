#pragma once

#include <QStringList>
#include <QStringView>

#include <array>

class QComboBox;
class QWidget;

namespace lumora {

// An editable drop-down list that keeps exactly what is typed: no inline completion (a
// typed "1" must not become the item "10"), no insertion of typed texts as items.
QComboBox* newEditableList(QWidget* parent, const QString& objectName, const QStringList& items);

// A constant table of texts as list items.
template <std::size_t N> QStringList listItems(const std::array<QStringView, N>& texts)
{
    QStringList items;
    for (const QStringView text : texts)
        items << text.toString();
    return items;
}

} // namespace lumora
