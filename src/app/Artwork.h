#pragma once
// The program's pictures, drawn rather than shipped: the header banner, the background of
// the picture area and its decorative almanac dial, the application icon and the seals.

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

namespace lumora {

QPixmap bannerPicture();     // 788 × 80: the name and the slogan
QPixmap backgroundPicture(); // 800 × 600
QPixmap decorationPicture(); // 616 × 478
QIcon applicationIcon();

// A square seal: one character in gold on a rounded ground with a gold rim. The
// application icon is one; so are the small pictures of menus and information windows.
QPixmap sealPicture(int side, const QString& glyph, const QColor& ground);

// The colour of text written on the banner: light, for the banner is dark throughout.
QColor bannerTextColour();

// A mark of the decorative dial and where it stands: degrees clockwise from the top,
// where south is.
struct DialMark {
    QString text;
    qreal degrees;
};
QList<DialMark> dialBranches(); // 子 … 亥
QList<DialMark> dialTrigrams(); // ☵ ☶ ☳ ☴ ☲ ☷ ☱ ☰, from north

} // namespace lumora
