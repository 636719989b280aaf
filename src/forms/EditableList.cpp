#include "forms/EditableList.h"

#include <QComboBox>

namespace lumora {

QComboBox* newEditableList(QWidget* parent, const QString& objectName, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(true);
    // An editable QComboBox completes inline from its items by default.
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setEditText(QString());
    return list;
}

} // namespace lumora
