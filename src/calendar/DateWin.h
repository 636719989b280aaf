#pragma once
// The perpetual calendar window: one Gregorian month as a grid of 37 day cells, each a
// day number over the text the month sheet chooses for it, with spinners for the year
// (1901..2050) and the month, "今天", and the zodiac and constellation of the shown days.
//
//   spinners, "今天" ──> ShowMonth(date) ──monthSheetTexts──> cell labels, selection mark
//   press on a cell ──> selection mark moves;  click ──> SelDay (no redraw)
//   ShowMonth ──queryDayNotes──> each drawn cell's tooltip: overview, 值神, 宜, 忌

#include "data/Query.h"

#include <QDate>
#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QSpinBox;

namespace lumora {

class TFRM_Date final : public QDialog {
    Q_OBJECT

public:
    explicit TFRM_Date(QWidget* parent = nullptr);

    QFrame* Shape1;      // white frame filling the window
    QLabel* Label20;     // year watermark
    QLabel* Label16;     // month watermark
    QFrame* Shape2;      // selection mark, under the cell labels
    QLabel* Label17;     // month number
    QLabel* Label18;     // 月
    QSpinBox* UpDown2;   // month, 1..12
    QLabel* Label1;      // year number
    QLabel* Label19;     // 年
    QSpinBox* UpDown1;   // year, 1901..2050
    QLabel* StaticText1; // 今天
    QLabel* Label2;      // upper week-day headings, Sunday..Saturday
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QFrame* Bevel2;
    QLabel* day1;  // hidden template of the day numbers
    QLabel* Cnday; // hidden template of the texts under them
    QFrame* Bevel1;
    QLabel* Label9; // lower week-day names, Sunday..Saturday
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label21; // zodiac of the shown date's lunar year
    QLabel* Label22; // constellation of the marked day

    // Draws the month that `date` lies in and marks its day.
    void ShowMonth(const QDate& date);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kCellCount = 37;

    void createHeader();
    void createGridFrame();
    void BuildDayCells();
    // The tooltips of the cells of the month's days, from the almanac data file.
    void setDayNotes(const QDate& firstDay, int dayCount);

    void FormShow();
    void UpDown1Click();
    void UpDown2Click();
    void Label1Click();
    void Label17Click();
    void CnDayMouseDown(const QLabel& dayLabel);
    void ChnDateMouseDown(const QLabel& cnDayLabel);
    void CnDayClick(int cell);
    void CHnDayClick(int cell);
    void StaticText1Click();
    void FormDeactivate();
    void FormClose(QCloseEvent* event);

    // (year, month, day) with the day cut to the month's length.
    static QDate ClampedDate(int year, int month, int day);

    // Cell i (1..37) is DayLabels[i] over CnDayLabels[i]; index 0 is unused.
    std::array<QLabel*, kCellCount + 1> DayLabels{};
    std::array<QLabel*, kCellCount + 1> CnDayLabels{};
    // The cell that holds day 1 of the shown month, 1..7 (1 for Sunday).
    int firstCell_ = 1;
    Query notesQuery_;

    // The user's last choice; SelDay may exceed the length of the shown month.
    quint16 SelYear = 0;
    quint16 SelMonth = 0;
    quint16 SelDay = 0;
    // What FormShow displays: today at creation and after "今天".
    QDate CurDate;
};

// The open instance, hidden but kept after closing until the next opening replaces it.
extern TFRM_Date* FRM_Date;

// Replaces any earlier instance with a new window and runs it modally.
void openPerpetualCalendar();

} // namespace lumora
