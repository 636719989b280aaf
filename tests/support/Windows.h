#pragma once
// Window housekeeping for tests that open real windows.

#include <QApplication>
#include <QWidget>

// Windows that delete themselves on close do so from the event loop, which tests do
// not run: hand them their deferred deletes now.
inline void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Closes every top-level window, so that each test starts with none open.
inline void closeAllWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    deleteClosedWindows();
}
