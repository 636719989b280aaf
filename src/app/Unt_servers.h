#pragma once
// The customer-service window: four blocks on white, each a small seal, a navy heading and
// a few lines on what the channel is for. Nothing in it reacts; the close box hides it
// until the next opening replaces it.

#include <QDialog>

namespace lumora {

class TFrm_servers : public QDialog {
    Q_OBJECT

public:
    explicit TFrm_servers(QWidget* parent = nullptr);
};

// The instance the last opening left; the 客户服务 command replaces it.
extern TFrm_servers* Frm_servers;

} // namespace lumora
