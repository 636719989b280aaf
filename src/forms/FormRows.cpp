#include "forms/FormRows.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lumora {

QLabel* addCaption(QWidget* parent, QBoxLayout& row, const QString& text, bool bold)
{
    auto* caption = new QLabel(text, parent);
    if (bold) {
        QFont font = caption->font();
        font.setBold(true);
        caption->setFont(font);
    }
    row.addWidget(caption);
    return caption;
}

QPushButton* addButton(QWidget* parent, QBoxLayout& row, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    row.addWidget(button);
    return button;
}

QPlainTextEdit* newMemo(QWidget* parent, const QString& objectName, bool readOnly)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(objectName);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Chinese text breaks between any two characters anyway. The default, which looks for
    // a blank first, scans the rest of a line without one for every line it wraps: a
    // million digits in one line kept a window busy for a minute.
    memo->setWordWrapMode(QTextOption::WrapAnywhere);
    memo->setReadOnly(readOnly);
    if (readOnly)
        memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return memo;
}

QGroupBox* newMemoGroup(QWidget* parent, const QString& caption, QPlainTextEdit* memo)
{
    auto* group = new QGroupBox(caption, parent);
    auto* inner = new QVBoxLayout(group);
    inner->addWidget(memo);
    return group;
}

} // namespace lumora
