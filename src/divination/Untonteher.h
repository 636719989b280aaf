#pragma once
// The any-number window: any number of up to eighteen digits read through the numerology
// table.

#include "divination/NumberAnalysisForm.h"

namespace lumora {

class TFrm_onther final : public NumberAnalysisForm {
    Q_OBJECT

public:
    explicit TFrm_onther(QWidget* parent = nullptr);
};

// The open instance; cleared when it closes and frees itself (see openReplacing).
extern TFrm_onther* Frm_onther;

// Replaces any earlier instance with a new window and runs it modally.
void openAnyNumberWindow();

} // namespace lumora
