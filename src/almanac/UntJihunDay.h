#pragma once
// The wedding-day search window: the husband's and the wife's births for a search of days
// for a wedding (嫁娶); "测算" writes the found days into the memo. Modal; every opening is
// a new window that frees itself on close. It has no close button: the close box closes it.

#include "almanac/DaySearchForm.h"

namespace lumora {

class BannerStrip;

class TFrmJihunDay final : public DaySearchForm {
    Q_OBJECT

public:
    explicit TFrmJihunDay(QWidget* parent = nullptr);

    BannerStrip* Image1; // the festive banner, across the window

protected:
    QString activity() const override;
    QString personLabel(int row) const override;
    void FormClose() override;
};

// The window open now, if any; cleared when it closes.
extern TFrmJihunDay* FrmJihunDay;

// Opens a new wedding-day search window and runs it modally.
void ShowWeddingDaySearch();

} // namespace lumora
