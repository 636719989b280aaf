#pragma once
// Whether a laid-out window cuts off any of its captions.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace clipping {

// A label or button is clipped when it got less room than its size hint (a wrapping label:
// less height than its text takes at its width).
inline bool clipped(const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if (label != nullptr && label->wordWrap())
        return widget.height() < widget.heightForWidth(widget.width());
    const QSize needed = widget.sizeHint();
    return widget.width() < needed.width() || widget.height() < needed.height();
}

// A list is clipped when its box cannot show its text whole (QLineEdit keeps 2 pixels
// each side).
inline bool clipped(const QComboBox& list)
{
    const QLineEdit* edit = list.lineEdit();
    return edit != nullptr &&
           edit->fontMetrics().horizontalAdvance(list.currentText()) > edit->contentsRect().width() - 4;
}

} // namespace clipping

// The texts of the visible labels, buttons, check boxes and lists of `window` that got less
// room than they need to show their text whole.
inline QStringList clippedTexts(const QWidget* window)
{
    QStringList texts;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && clipping::clipped(*label))
            texts << label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
                 button && clipping::clipped(*button))
            texts << button->text();
        else if (const auto* list = qobject_cast<const QComboBox*>(widget); list && clipping::clipped(*list))
            texts << list->currentText();
    }
    return texts;
}
