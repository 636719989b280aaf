#pragma once
// The daily almanac window: pick a day, read its entry from the almanac data file,
// print it. Modeless; every opening is a new window that deletes itself on close.

#include "data/Query.h"
#include "forms/DateLists.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lumora {

class HoursPanel;

class TFormLumora : public QWidget {
    Q_OBJECT

public:
    explicit TFormLumora(QWidget* parent = nullptr);
    ~TFormLumora() override;

    QComboBox* SYear;
    QComboBox* SMonth;
    QComboBox* Sday;
    QPushButton* RzBitBtn1; // 测算
    QPushButton* RzBitBtn3; // 打印
    QPushButton* RzBitBtn2; // 关闭
    QLabel* Label1;         // the day's overview line
    QPlainTextEdit* Memo1;  // result memo
    QPlainTextEdit* Memo2;  // glossary
    HoursPanel* hoursPanel; // the day's double-hours, beside the result; never printed

    // The three date lists as one, for the kit's date helpers.
    DateLists dateLists() const;

    void RzBitBtn1Click();
    void RzBitBtn3Click();
    void RzBitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();

    Query ADOQuery1;
};

// The window opened last; cleared when any daily almanac window closes.
extern TFormLumora* FormLumora;

// Opens a new daily almanac window on the three date texts; empty texts mean today.
TFormLumora* ShowDailyAlmanac(const QString& year = QString(), const QString& month = QString(),
                              const QString& day = QString());

// The glossary of almanac terms shown under the result.
QString almanacGlossary();

} // namespace lumora
