#pragma once
// The body-sign divination window: one sign's fixed reading by the double-hour, with a
// note that maps the double-hours to clock hours. Modeless; every opening is a new window
// that frees itself on close.

#include <QDialog>

class QLabel;
class QTabWidget;

namespace lumora {

class TFormOnther final : public QDialog {
    Q_OBJECT

public:
    explicit TFormOnther(QWidget* parent = nullptr);
    ~TFormOnther() override;

    QTabWidget* RzPageControl1; // one page per sign, its tab strip hidden
    QLabel* RzLabel1;           // the double-hour note

    // Shows page `page` (0 to 6) and no other, not even by keyboard; for a number that is
    // no page, only the note.
    void showPage(int page);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();
};

// The window opened last; cleared when any body-sign window closes.
extern TFormOnther* FormOnther;

// Opens a new body-sign window captioned `title` on the sign's page, beside any open ones.
void ShowBodySignDivination(const QString& title, int page);

} // namespace lumora
