#pragma once
// How the program's windows are framed: the caption is the window's own text (the window
// manager adds " — Lumora" from the application's display name), a close box only, and for
// the tool dialogs a fixed client size.

#include <QSize>
#include <QString>
#include <Qt>

class QDialog;

namespace lumora {

// Title bar with a close box and nothing else (no minimise, no maximise).
inline constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A tool dialog: its objectName and caption, a close box only, the client area fixed at
// `clientSize`, the default form font.
void setUpFixedDialog(QDialog& dialog, const QString& objectName, const QString& caption, QSize clientSize);

} // namespace lumora
