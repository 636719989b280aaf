#pragma once

class QMessageBox;
class QString;

namespace lumora {

// Readies a message box the way every box of the program looks: application-modal, buttons
// in Chinese, and wide enough that the window manager can show its whole caption (with
// the " — Lumora" it adds) instead of cutting a short box's title down to "…".
void prepareMessageBox(QMessageBox& box);

// The caption as the title bar shows it: the window manager appends the application's
// display name.
QString shownCaption(const QString& caption);

} // namespace lumora
