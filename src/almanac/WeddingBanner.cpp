#include "almanac/WeddingBanner.h"

#include "forms/FormFonts.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace lumora {
namespace {

constexpr QSize kBannerSize{500, 100};
constexpr QColor kDeepRed{122, 8, 16};
constexpr QColor kBrightRed{204, 24, 36};
constexpr QColor kLanternRed{230, 46, 38};
constexpr QColor kGold{246, 206, 108};
constexpr QColor kPaleGold{255, 236, 176};

void paintGround(QPainter& painter, const QRectF& area)
{
    QLinearGradient ground(area.topLeft(), area.bottomLeft());
    ground.setColorAt(0, kDeepRed);
    ground.setColorAt(0.5, kBrightRed);
    ground.setColorAt(1, kDeepRed);
    painter.fillRect(area, ground);
    // A thin gold rule inside each long edge.
    painter.setPen(QPen(kGold, 1.5));
    painter.drawLine(QPointF(0, 5), QPointF(area.width(), 5));
    painter.drawLine(QPointF(0, area.height() - 5), QPointF(area.width(), area.height() - 5));
}

// A round lantern hanging from the top edge, 囍 on its face, a tassel below.
void paintLantern(QPainter& painter, qreal centreX)
{
    const QPointF centre(centreX, 50);
    const QSizeF body(58, 48);
    painter.setPen(QPen(kGold, 1.5));
    painter.drawLine(QPointF(centreX, 5), QPointF(centreX, centre.y() - body.height() / 2 - 6));

    // Caps above and below the body.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    painter.drawRoundedRect(QRectF(centreX - 14, centre.y() - body.height() / 2 - 7, 28, 8), 2, 2);
    painter.drawRoundedRect(QRectF(centreX - 14, centre.y() + body.height() / 2 - 1, 28, 8), 2, 2);

    QRadialGradient glow(centre, body.width() / 2);
    glow.setColorAt(0, QColor(255, 120, 70));
    glow.setColorAt(1, kLanternRed.darker(120));
    painter.setBrush(glow);
    painter.setPen(QPen(kGold, 1.2));
    const QRectF bodyRect(centre.x() - body.width() / 2, centre.y() - body.height() / 2, body.width(), body.height());
    painter.drawEllipse(bodyRect);
    // The ribs of the lantern.
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(bodyRect.adjusted(12, 0, -12, 0));

    painter.setPen(kPaleGold);
    painter.setFont(formFont(FormFace::Hei, 26, QFont::Bold));
    painter.drawText(bodyRect, Qt::AlignCenter, QStringLiteral("囍"));

    painter.setPen(QPen(kGold, 1.5));
    const qreal tasselTop = centre.y() + body.height() / 2 + 7;
    for (const qreal dx : {-4.0, 0.0, 4.0})
        painter.drawLine(QPointF(centreX + dx, tasselTop), QPointF(centreX + dx, tasselTop + 14));
}

void paintBlessing(QPainter& painter, const QRectF& area)
{
    QPainterPath text;
    const QFont font = formFont(FormFace::Kai, 48, QFont::Bold);
    const QString blessing = QStringLiteral("百年好合");
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(blessing);
    const qreal baseline = area.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    text.addText(area.center().x() - width / 2, baseline, font, blessing);
    // A dark edge keeps the gold letters clear of the red.
    painter.setPen(QPen(kDeepRed.darker(150), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    painter.drawPath(text);
}

} // namespace

QPixmap weddingBanner()
{
    QPixmap banner(kBannerSize);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(kBannerSize));
    paintGround(painter, area);
    paintLantern(painter, 50);
    paintLantern(painter, kBannerSize.width() - 50);
    paintBlessing(painter, area);
    return banner;
}

BannerStrip::BannerStrip(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setFixedHeight(picture_.height());
    setMinimumWidth(picture_.width());
}

const QPixmap& BannerStrip::picture() const
{
    return picture_;
}

void BannerStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int left = (width() - picture_.width()) / 2;
    const int right = left + picture_.width();
    const int lastColumn = picture_.width() - 1;
    painter.drawPixmap(QRect(0, 0, left, height()), picture_, QRect(0, 0, 1, picture_.height()));
    painter.drawPixmap(QRect(right, 0, width() - right, height()), picture_,
                       QRect(lastColumn, 0, 1, picture_.height()));
    painter.drawPixmap(left, 0, picture_);
}

} // namespace lumora
