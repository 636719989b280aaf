#pragma once

#include <QPixmap>
#include <QWidget>

namespace lumora {

// A picture stretched over the whole widget; children draw on top of it.
class PictureBox : public QWidget {
public:
    PictureBox(const QPixmap& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace lumora
