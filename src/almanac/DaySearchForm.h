#pragma once
// What the auspicious-day and wedding-day search windows share: the span and suitability
// lists, the person rows (check box, then birth year, month, day, hour and minute lists),
// "测算", "打印" and the result memo `Memo1`, and the handlers behind them. Each window
// lays these parts out in its own way and says what it searches for:
//
//   lists, rows ──conditions()──> searchDays (DaySearch.h) ──report lines──> Memo1 ──> printing

#include "almanac/DaySearch.h"
#include "forms/DateLists.h"

#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;

namespace lumora {

// One person's row: objectNames CBn, Yearn, Monthn, Dayn, Shourn and CBFenn for row n.
struct PersonRow {
    QCheckBox* box;
    DateLists dates;     // "1900" … "2030", "1" … "12", "1" … "31"
    QComboBox* hour;     // "子 0" … "子 23"
    QComboBox* minute;   // "0" … "59"
    QHBoxLayout* layout; // the row: box, then each list followed by its unit label
};

// What a search window is called and how it is sized.
struct DaySearchFormWords {
    QString objectName;
    QString caption;
    QSize clientSize;
    QStringList personCaptions; // one check box caption per person row
};

// The husband's and the wife's names in the report, for the first two rows.
QString weddingPersonLabel(int row);

class DaySearchForm : public QDialog {
    Q_OBJECT

public:
    QComboBox* SYear;       // span: "3天以内" … "一年以年"
    QComboBox* SMonth;      // suitability: "宜" or "忌"
    QPushButton* RzBitBtn1; // 测算
    QPushButton* RzBitBtn3; // 打印
    QPlainTextEdit* Memo1;  // result memo

    // "测算": the memo holds the report of a search over conditions().
    void RzBitBtn1Click();
    // "打印": the memo report printing of Memo1.
    void RzBitBtn3Click();

    // The search's conditions as the window shows them: the texts as typed, and only the
    // persons whose check box is checked and enabled.
    DaySearchConditions conditions() const;
    const QList<PersonRow>& personRows() const;

protected:
    DaySearchForm(const DaySearchFormWords& words, QWidget* parent);

    // "选择日子：", SYear and SMonth, for the window to place and add to.
    QHBoxLayout& spanRow() const;
    // The group "测算结果：" filled by Memo1, for the window to place.
    QGroupBox* resultGroup() const;

    virtual QString activity() const = 0;
    // How the report names the person of row `row` (0 for the first).
    virtual QString personLabel(int row) const = 0;
    virtual QStringList excludedDirections() const;

    // Today's date into every person row.
    virtual void FormShow();
    // Clears the window's own reference.
    virtual void FormClose() = 0;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();

    QList<PersonRow> personRows_;
    QHBoxLayout* spanRow_;
    QGroupBox* resultGroup_;
    QString birthConnection_; // the almanac data file the search reads
};

} // namespace lumora
