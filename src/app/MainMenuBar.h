#pragma once
// The main window's menu bar, built from the command layout in an Office-like blue with a
// background picture of its own; the entries that open something carry a small seal.

#include <QMenuBar>
#include <QPixmap>

namespace lumora {

class TFrmmain;

class MainMenuBar : public QMenuBar {
    Q_OBJECT

public:
    explicit MainMenuBar(TFrmmain& main);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap background_; // drawn again only when the bar's size changes
};

} // namespace lumora
