#pragma once
// The program's pictures, drawn rather than shipped: the header banner, the background of
// the picture area and its decorative almanac dial, and the application icon.

#include <QIcon>
#include <QPixmap>

namespace lumora {

QPixmap bannerPicture();     // 788 × 80: the name and the slogan
QPixmap backgroundPicture(); // 800 × 600
QPixmap decorationPicture(); // 616 × 478
QIcon applicationIcon();

} // namespace lumora
