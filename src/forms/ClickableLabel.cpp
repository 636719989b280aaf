#include "forms/ClickableLabel.h"

#include <QMouseEvent>

namespace lumora {

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT pressed();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace lumora
