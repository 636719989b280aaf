#pragma once
// How modal windows are opened. openModally stores a new window in the window's reference
// and runs it modally; openReplacing (the tool windows) first destroys whatever instance
// an earlier opening left (hidden, since the window is modal). The application owns the
// instance: it goes when the application ends, unless it freed itself or a later opening
// replaced it first.

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QObject>

namespace lumora {

template <class Window> void openModally(Window*& reference, Window* window)
{
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

template <class Window> void openReplacing(Window*& reference)
{
    delete reference;
    openModally(reference, new Window);
}

} // namespace lumora
