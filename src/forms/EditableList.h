#pragma once

#include <QStringList>

class QComboBox;
class QWidget;

namespace lumora {

// An editable drop-down list that keeps exactly what is typed: no inline completion (a
// typed "1" must not become the item "10"), no insertion of typed texts as items.
QComboBox* newEditableList(QWidget* parent, const QString& objectName, const QStringList& items);

} // namespace lumora
