#pragma once
// The QQ-number window: a QQ account number read through the numerology table.

#include "divination/NumberAnalysisForm.h"

namespace lumora {

class TFrmQQhm final : public NumberAnalysisForm {
    Q_OBJECT

public:
    explicit TFrmQQhm(QWidget* parent = nullptr);
};

// The open instance; cleared when it closes and frees itself (see openReplacing).
extern TFrmQQhm* FrmQQhm;

// Replaces any earlier instance with a new window and runs it modally.
void openQQNumberWindow();

} // namespace lumora
