#include "forms/FormWindow.h"

#include "forms/FormFonts.h"

#include <QDialog>

namespace lumora {

void setUpFixedDialog(QDialog& dialog, const QString& objectName, const QString& caption, QSize clientSize)
{
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | kCloseBoxOnly);
    dialog.setFixedSize(clientSize);
    dialog.setFont(defaultFormFont());
}

} // namespace lumora
