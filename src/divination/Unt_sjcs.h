#pragma once
// The phone-number window: the last four digits of a mobile number give a key whose
// reading lies in the table `shouji` of dream.dll.

#include "forms/ToolForm.h"

namespace lumora {

class TFrm_SJcs final : public ReadingForm {
    Q_OBJECT

public:
    explicit TFrm_SJcs(QWidget* parent = nullptr);

    QLabel* RzLabel3; // the fixed note at the bottom

    void RzBitBtn1Click() override;
    // The key of a trimmed number, "0" … "79"; throws lumora::Error when it has none.
    static QString shoujiinfostr(const QString& trimmedNumber);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
};

// The open instance; cleared when it closes and frees itself (see openReplacing).
extern TFrm_SJcs* Frm_SJcs;

// Replaces any earlier instance with a new window and runs it modally.
void openPhoneNumberWindow();

} // namespace lumora
