#pragma once
// The About window: the product, its maker and how to reach them. No buttons; the close
// box hides it until the next opening replaces it.

#include <QDialog>

namespace lumora {

class TAbout : public QDialog {
    Q_OBJECT

public:
    explicit TAbout(QWidget* parent = nullptr);
};

// The instance the last opening left; the 关于系统 command replaces it.
extern TAbout* About;

} // namespace lumora
