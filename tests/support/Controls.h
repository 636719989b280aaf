#pragma once
// Tests reach a window's controls the way the program names them: by objectName.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
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

// Types `text` into an editable list as a user does: clears it, types key by key, leaves
// it with Tab.
inline void typeInto(QComboBox* list, const QString& text)
{
    activate(list->window());
    list->setFocus();
    list->lineEdit()->selectAll();
    QTest::keyClick(list, Qt::Key_Delete);
    QTest::keyClicks(list, text);
    QTest::keyClick(list, Qt::Key_Tab);
}
