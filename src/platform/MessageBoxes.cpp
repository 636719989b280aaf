#include "platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSpacerItem>

namespace lumora {
namespace {

// Room the title bar takes beside its text: the window menu, the close box and margins.
constexpr int kTitleBarControlsWidth = 120;

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

void makeRoomForCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    // Title bars commonly draw their text bold; measure it so.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width =
        QFontMetrics(titleFont).horizontalAdvance(shownCaption(box.windowTitle())) + kTitleBarControlsWidth;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

QString shownCaption(const QString& caption)
{
    const QString name = QGuiApplication::applicationDisplayName();
    if (name.isEmpty() || caption.endsWith(name))
        return caption;
    return caption + QStringLiteral(" — ") + name;
}

void prepareMessageBox(QMessageBox& box)
{
    box.setWindowModality(Qt::ApplicationModal);
    nameButtons(box);
    makeRoomForCaption(box);
}

} // namespace lumora
