#include "app/CommandPages.h"

#include "app/CommandLayout.h"
#include "app/Unt_Main.h"

#include <QGridLayout>
#include <QPushButton>

namespace lumora {
namespace {

QPushButton* commandButton(QWidget& page, const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, &page);
    button->setObjectName(name);
    // Four characters of 宋体 12 px fit three to a row of the narrow column.
    button->setStyleSheet(QStringLiteral("QPushButton { color: black; padding: 3px 1px; }"));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QGridLayout& buttonGrid(QWidget& page)
{
    auto* grid = new QGridLayout(&page);
    grid->setContentsMargins(4, 6, 4, 6);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(3);
    grid->setAlignment(Qt::AlignTop);
    return *grid;
}

} // namespace

void fillActivityPage(QWidget& page, TFrmmain& main)
{
    QGridLayout& grid = buttonGrid(page);
    int index = 0;
    for (const char16_t* text : activityButtonCaptions()) {
        const QString caption = QString::fromUtf16(text);
        QPushButton* button = commandButton(page, caption, QStringLiteral("ActivityButton%1").arg(index + 1));
        grid.addWidget(button, index / kActivityColumns, index % kActivityColumns);
        // One handler for all: it passes the pressed button's caption on unchanged, for the
        // search takes its activity from it.
        QObject::connect(button, &QPushButton::clicked, &main, [&main, button] {
            const QString pressed = button->text();
            runCommand(activityButtonCommand(pressed), main, pressed);
        });
        ++index;
    }
}

void fillToolPage(QWidget& page, TFrmmain& main)
{
    QGridLayout& grid = buttonGrid(page);
    int index = 0;
    for (const CommandId id : toolButtonCommands()) {
        const QString caption = captionOf(id);
        QPushButton* button = commandButton(page, caption, QStringLiteral("ToolButton%1").arg(index + 1));
        grid.addWidget(button, index / kToolColumns, index % kToolColumns);
        QObject::connect(button, &QPushButton::clicked, &main, [id, &main, caption] { runCommand(id, main, caption); });
        ++index;
    }
}

} // namespace lumora
