#pragma once
// The auspicious-day search window: the conditions for good days for one activity (the
// caption's, or in mode 1 the one picked in the window), up to six persons' births and
// clash directions to leave out; "测算" writes the found days into the memo. Modal; every
// opening is a new window that frees itself on close.

#include "almanac/DaySearchForm.h"

class QLabel;

namespace lumora {

class TFrmJiDay final : public DaySearchForm {
    Q_OBJECT

public:
    explicit TFrmJiDay(QWidget* parent = nullptr);

    // 1: the activity is picked in `Sday`; anything else: it is the caption's first two
    // characters. Set by the opener before the window is shown.
    int FMode = 0;

    QLabel* RzLabel3;       // 吉日内容：
    QComboBox* Sday;        // the activity, shown in mode 1
    QCheckBox* CB01;        // 煞东
    QCheckBox* CB02;        // 煞南
    QCheckBox* CB03;        // 煞西
    QCheckBox* CB04;        // 煞北
    QPushButton* RzBitBtn4; // 关闭
    QPlainTextEdit* Memo2;  // the glossary

    // `Sday` changed by the user.
    void SdayChange();
    void RzBitBtn4Click();

protected:
    QString activity() const override;
    QString personLabel(int row) const override;
    QStringList excludedDirections() const override;
    void FormShow() override;
    void FormClose() override;

private:
    // The first two rows become the husband's and the wife's, checked; the other rows'
    // boxes are disabled.
    void enterWeddingState();

    bool weddingCaptions_ = false; // the first two rows are captioned for a wedding
};

// The window open now, if any; cleared when it closes.
extern TFrmJiDay* FrmJiDay;

// Opens a new search window captioned `activity` in mode `mode` and runs it modally.
void ShowAuspiciousDaySearch(const QString& activity, int mode);

} // namespace lumora
