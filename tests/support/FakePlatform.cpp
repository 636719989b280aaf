#include "support/FakePlatform.h"

#include <QDialog>

int FakePlatform::runModal(QDialog& dialog)
{
    modalDialogs << &dialog;
    // Shown but not entered into a nested loop: tests drive the dialog and close it.
    dialog.show();
    return onModal ? onModal(dialog) : QDialog::Rejected;
}
