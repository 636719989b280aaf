#pragma once

#include <QLabel>

namespace lumora {

// A label that answers the mouse: pressed() on any press, clicked() when a left press is
// released over it. It shows a hand cursor when it has a click to offer.
class ClickableLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void pressed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace lumora
