#pragma once
// The opener of the tool windows: whatever instance an earlier opening left (hidden, since
// the window is modal) is destroyed, a new one is stored in the window's reference and
// run modally. The application owns the instance: it goes when the application ends,
// unless a later opening replaced it first.

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QObject>

namespace lumora {

template <class Window> void openReplacing(Window*& reference)
{
    delete reference;
    auto* window = new Window;
    reference = window;
    // Whoever destroys the window, the reference never dangles.
    QObject::connect(window, &QObject::destroyed, qApp, [&reference, window] {
        if (reference == window)
            reference = nullptr;
    });
    // After the event loop ends, Qt still delivers deferred deletes: the last instance
    // goes with the application.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    // A window that frees itself on closing is gone (or going) once this returns: the
    // reference is the way to reach whatever is left.
    platform().runModal(*window);
}

} // namespace lumora
