#pragma once
// The net-name window: a nickname's personality, from the last letter of its pinyin
// initials.

#include "forms/ToolForm.h"

namespace lumora {

class TFrmWangming final : public ToolForm {
    Q_OBJECT

public:
    explicit TFrmWangming(QWidget* parent = nullptr);

    QLabel* RzLabel11; // 你的网名：…, green
    QLabel* RzLabel8;  // 你的性格：…, dark blue

    void RzBitBtn1Click() override;
};

// The open instance; cleared when it closes and frees itself (see openReplacing).
extern TFrmWangming* FrmWangming;

// Replaces any earlier instance with a new window and runs it modally.
void openNetNameWindow();

} // namespace lumora
