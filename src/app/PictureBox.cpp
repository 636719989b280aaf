#include "app/PictureBox.h"

#include <QPainter>

namespace lumora {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

} // namespace lumora
