#pragma once

class QWidget;

namespace lumora {

// Moves a top-level window so that it stands in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

} // namespace lumora
