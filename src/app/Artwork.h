#pragma once
// The program's pictures, drawn rather than shipped: the header banner, the background of
// the picture area and its decorative almanac dial, and the application icon.

#include <QIcon>
#include <QPixmap>

namespace lumora {

QPixmap BannerPicture();     // 788 × 80: the name and the slogan
QPixmap BackgroundPicture(); // 800 × 600
QPixmap DecorationPicture(); // 616 × 478
QIcon ApplicationIcon();

} // namespace lumora
