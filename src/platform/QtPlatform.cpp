#include "platform/QtPlatform.h"

#include "platform/MemoPrinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace lumora {
namespace {

// The buttons speak the program's language whatever translations the system has.
void nameButtons(QMessageBox& box)
{
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("确定"));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("是(&Y)"));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("否(&N)"));
}

int run(QMessageBox& box)
{
    box.setWindowModality(Qt::ApplicationModal);
    nameButtons(box);
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

QString QtPlatform::saveFileName(QWidget* owner, const QString& caption, const QString& filter)
{
    return QFileDialog::getSaveFileName(owner, caption, QString(), filter);
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
