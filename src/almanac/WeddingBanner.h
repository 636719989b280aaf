#pragma once

#include <QPixmap>
#include <QWidget>

namespace lumora {

// The wedding-day window's banner, 500 × 100: a red ground, a lantern with 囍 at each
// end, and the blessing 百年好合 in gold. Drawn, not shipped. Its ground changes only
// from top to bottom, so its edge columns can widen it.
QPixmap weddingBanner();

// A picture centred across the strip's whole width, its first and last columns drawn
// out to the strip's edges.
class BannerStrip final : public QWidget {
public:
    explicit BannerStrip(const QPixmap& picture, QWidget* parent = nullptr);

    const QPixmap& picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace lumora
