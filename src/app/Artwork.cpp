#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lumora {
namespace {

constexpr QColor kCinnabar{178, 34, 34};
constexpr QColor kGold{232, 190, 96};
constexpr QColor kInk{60, 30, 20};

// clang-format off
// The dial's two rings, south at the top as on a Chinese compass: the twelve earthly
// branches from 子 (north, at the bottom) round through 卯 (east, on the left), and the
// eight trigrams in the later-heaven arrangement that goes with them: 坎 north, 艮
// north-east, 震 east, 巽 south-east, 离 south, 坤 south-west, 兑 west, 乾 north-west.
constexpr std::array<const char16_t*, 12> kBranches{
    u"子", u"丑", u"寅", u"卯", u"辰", u"巳", u"午", u"未", u"申", u"酉", u"戌", u"亥"};
constexpr std::array<const char16_t*, 8> kTrigrams{
    u"☵", u"☶", u"☳", u"☴", u"☲", u"☷", u"☱", u"☰"};
// clang-format on

constexpr qreal kNorthDegrees = 180; // 0 at the top, clockwise

QPixmap transparentPicture(int width, int height)
{
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    return picture;
}

void paintSmoothly(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// The point on a circle at the given angle (0 at the top, clockwise).
QPointF pointOnRing(const QPointF& centre, qreal radius, qreal degrees)
{
    const qreal radians = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(radians), centre.y() - radius * std::cos(radians)};
}

QFont serifFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Text placed on a ring, centred on the given angle (0 at the top, clockwise).
void drawOnRing(QPainter& painter, const QPointF& centre, qreal radius, qreal degrees, const QString& text)
{
    painter.save();
    painter.translate(pointOnRing(centre, radius, degrees));
    painter.rotate(degrees);
    const QRectF box(-20, -14, 40, 28);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

void drawTaiji(QPainter& painter, const QPointF& centre, qreal radius)
{
    const QRectF whole(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath dark;
    dark.moveTo(centre.x(), centre.y() - radius);
    dark.arcTo(whole, 90, 180);
    dark.arcTo(QRectF(centre.x() - radius / 2, centre.y(), radius, radius), 270, -180);
    dark.arcTo(QRectF(centre.x() - radius / 2, centre.y() - radius, radius, radius), 270, 180);
    painter.setPen(QPen(kInk, 2));
    painter.setBrush(QColor(250, 243, 228));
    painter.drawEllipse(whole);
    painter.setBrush(kInk);
    painter.drawPath(dark);
    const qreal dot = radius / 6;
    painter.setBrush(QColor(250, 243, 228));
    painter.drawEllipse(QPointF(centre.x(), centre.y() - radius / 2), dot, dot);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(centre.x(), centre.y() + radius / 2), dot, dot);
}

} // namespace

QList<DialMark> dialBranches()
{
    QList<DialMark> marks;
    for (std::size_t i = 0; i < kBranches.size(); ++i)
        marks.append({QString::fromUtf16(kBranches[i]), std::fmod(kNorthDegrees + 30.0 * i, 360.0)});
    return marks;
}

QList<DialMark> dialTrigrams()
{
    QList<DialMark> marks;
    for (std::size_t i = 0; i < kTrigrams.size(); ++i)
        marks.append({QString::fromUtf16(kTrigrams[i]), std::fmod(kNorthDegrees + 45.0 * i, 360.0)});
    return marks;
}

QColor bannerTextColour()
{
    return {255, 244, 220};
}

QPixmap bannerPicture()
{
    QPixmap picture(788, 80);
    QPainter painter(&picture);
    paintSmoothly(painter);

    // Dark all the way across: the header's light captions stand on its right half.
    QLinearGradient sky(0, 0, 788, 0);
    sky.setColorAt(0.0, QColor(120, 16, 20));
    sky.setColorAt(0.45, kCinnabar);
    sky.setColorAt(1.0, QColor(150, 26, 30));
    painter.fillRect(picture.rect(), sky);

    // A band of faint cloud scrolls along the bottom edge.
    painter.setPen(QPen(QColor(255, 220, 160, 70), 2));
    painter.setBrush(Qt::NoBrush);
    for (int x = -20; x < 788; x += 46) {
        painter.drawArc(QRectF(x, 58, 40, 34), 0, 180 * 16);
        painter.drawArc(QRectF(x + 12, 66, 18, 16), 0, 180 * 16);
    }

    painter.setPen(kGold);
    painter.setFont(serifFont(40, true));
    painter.drawText(QRectF(22, 4, 240, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lumora"));
    painter.setPen(QColor(255, 236, 200));
    painter.setFont(serifFont(17));
    painter.drawText(QRectF(26, 52, 320, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("知日之宜 · 顺时而行"));
    return picture;
}

QPixmap backgroundPicture()
{
    QPixmap picture(800, 600);
    QPainter painter(&picture);
    paintSmoothly(painter);
    QLinearGradient paper(0, 0, 800, 600);
    paper.setColorAt(0.0, QColor(226, 238, 252));
    paper.setColorAt(1.0, QColor(250, 246, 236));
    painter.fillRect(picture.rect(), paper);

    // Faint concentric rings, as on a compass plate.
    painter.setPen(QPen(QColor(170, 190, 220, 60), 1));
    for (int r = 60; r < 700; r += 38)
        painter.drawEllipse(QPointF(640, 520), r, r);
    return picture;
}

QPixmap decorationPicture()
{
    QPixmap picture = transparentPicture(616, 478);
    QPainter painter(&picture);
    paintSmoothly(painter);

    const QPointF centre(308, 232);
    QRadialGradient glow(centre, 230);
    glow.setColorAt(0.0, QColor(255, 248, 230, 235));
    glow.setColorAt(0.85, QColor(246, 228, 190, 220));
    glow.setColorAt(1.0, QColor(246, 228, 190, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 226, 226);

    painter.setBrush(Qt::NoBrush);
    for (const qreal radius : {212.0, 170.0, 124.0, 82.0}) {
        painter.setPen(QPen(kCinnabar, radius > 200 ? 3 : 1.5));
        painter.drawEllipse(centre, radius, radius);
    }
    // Spokes between the twelve branches.
    painter.setPen(QPen(QColor(178, 34, 34, 120), 1));
    for (int i = 0; i < 12; ++i) {
        const qreal degrees = i * 30 + 15;
        painter.drawLine(pointOnRing(centre, 170, degrees), pointOnRing(centre, 212, degrees));
    }

    painter.setPen(kInk);
    painter.setFont(serifFont(24, true));
    for (const DialMark& branch : dialBranches())
        drawOnRing(painter, centre, 191, branch.degrees, branch.text);
    painter.setFont(serifFont(28));
    for (const DialMark& trigram : dialTrigrams())
        drawOnRing(painter, centre, 147, trigram.degrees, trigram.text);

    drawTaiji(painter, centre, 64);

    painter.setPen(kCinnabar);
    painter.setFont(serifFont(20, true));
    painter.drawText(QRectF(0, 448, 616, 30), Qt::AlignCenter, QStringLiteral("黄历 · 万年历 · 吉日"));
    return picture;
}

QPixmap sealPicture(int side, const QString& glyph, const QColor& ground)
{
    QPixmap picture = transparentPicture(side, side);
    QPainter painter(&picture);
    paintSmoothly(painter);
    const qreal border = std::max(1.0, side / 21.0);
    painter.setPen(QPen(kGold, border));
    painter.setBrush(ground);
    const qreal inset = border / 2 + side / 32.0;
    painter.drawRoundedRect(QRectF(inset, inset, side - 2 * inset, side - 2 * inset), side / 5.0, side / 5.0);
    painter.setPen(kGold);
    painter.setFont(serifFont(side * 19 / 32, true));
    painter.drawText(picture.rect(), Qt::AlignCenter, glyph);
    return picture;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (const int side : {16, 32, 64, 128})
        icon.addPixmap(sealPicture(side, QStringLiteral("历"), kCinnabar));
    return icon;
}

} // namespace lumora
