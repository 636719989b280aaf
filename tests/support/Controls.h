#pragma once
// Tests reach a window's controls the way the program names them: by objectName.

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <QtGlobal>

// The child of `window` with that objectName and type; a missing one ends the test run
// with a message, since every later step would be meaningless.
template <class Control> Control* control(const QObject* window, const char* name)
{
    auto* found = window->findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s of that type in %s", name, qPrintable(window->objectName()));
    return found;
}

// Makes `window` the active window, as a user's click would: completion and focus behave
// as for a user only there.
inline void activate(QWidget* window)
{
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        qFatal("the window %s did not become active", qPrintable(window->objectName()));
}

// Types into the focused `widget` as a user does: ASCII key by key, every other character
// (Chinese) committed by the input method, as an input method does.
inline void typeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
            continue;
        }
        QInputMethodEvent commit;
        commit.setCommitString(character);
        QApplication::sendEvent(widget->focusWidget() ? widget->focusWidget() : widget, &commit);
    }
}

// Types `text` into an editable list as a user does: clears it, types it, leaves it with
// Tab.
inline void typeInto(QComboBox* list, const QString& text)
{
    activate(list->window());
    list->setFocus();
    list->lineEdit()->selectAll();
    QTest::keyClick(list, Qt::Key_Delete);
    typeText(list, text);
    QTest::keyClick(list, Qt::Key_Tab);
}

// The tooltip a user sees when resting the mouse on `widget` at `pos`; empty when none
// shows.
inline QString shownToolTip(QWidget* widget, QPoint pos)
{
    QToolTip::hideText();
    QHelpEvent hover(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
