#pragma once
// The zodiac pairing window: pick the man's and the woman's animal, read their pairing
// from VeltaBirth.dll into the memo (ZodiacPairing.h does the reading), save it as a text
// file. Modal; it frees itself when it closes.

#include "data/Query.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace lumora {

class TFrm_SxPeid final : public QDialog {
    Q_OBJECT

public:
    explicit TFrm_SxPeid(QWidget* parent = nullptr);

    QComboBox* ComboBoxDL;  // the man's animal
    QComboBox* ComboBoxXX;  // the woman's animal
    QPushButton* RzBitBtn1; // 配对
    QPushButton* RzBitBtn2; // 保存
    QPushButton* RzBitBtn4; // 关闭
    QPlainTextEdit* RzMemo1;

    // The suggested name of the saved result, "鼠配对牛"; empty until a pairing finds its row.
    QString FPairName;

    // The pairing query, on VeltaBirth.dll once the window is shown.
    Query AdoData;

    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn4Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
};

// The open instance; cleared when it closes and frees itself (see openReplacing).
extern TFrm_SxPeid* Frm_SxPeid;

// Replaces any earlier instance with a new window and runs it modally.
void openZodiacPairingWindow();

} // namespace lumora
