#include "platform/QtPlatform.h"

#include "platform/MemoPrinter.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace lumora {
namespace {

int run(QMessageBox& box)
{
    prepareMessageBox(box);
    return box.exec();
}

} // namespace

void QtPlatform::showTip(const QString& text)
{
    // Application-modal and owned by the active window, like every notice of the program.
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    run(box);
}

bool QtPlatform::askYesNo(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    return run(box) == QMessageBox::Yes;
}

void QtPlatform::showError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Lumora"), errorBoxText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    run(box);
}

void QtPlatform::openUrl(const QUrl& target)
{
    // Nothing is reported when no browser or mail program answers.
    QDesktopServices::openUrl(target);
}

void QtPlatform::beep()
{
    QApplication::beep();
}

QString QtPlatform::saveFileName(QWidget* owner, const QString& caption, const QString& filter, const QString& fileName)
{
    return QFileDialog::getSaveFileName(owner, caption, fileName, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

void QtPlatform::printMemo(const QString& text)
{
    const MemoPrintResult result = printMemoToDefaultPrinter(text);
    if (result.savedAsPdf)
        showTip(QStringLiteral("没有找到打印机，测算结果已保存为：%1").arg(result.pdfPath));
}

int QtPlatform::runModal(QDialog& dialog)
{
    return dialog.exec();
}

QDate QtPlatform::today() const
{
    return QDate::currentDate();
}

} // namespace lumora
