#pragma once
// The main window: date lists and "查询" for the daily almanac of a chosen day,
// "本日吉日" for today, the two pages of command buttons, the picture area, and the exit
// confirmation that every way of closing goes through.

#include "forms/DateLists.h"

#include <QMainWindow>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTabWidget;
class QWidget;

namespace lumora {

class TFrmmain : public QMainWindow {
    Q_OBJECT

public:
    explicit TFrmmain(QWidget* parent = nullptr);

    QWidget* RzPanel1; // header band
    QWidget* Image1;   // banner
    QComboBox* SYear;
    QComboBox* SMonth;
    QComboBox* Sday;
    QPushButton* RzButton57;     // 查询
    QPushButton* RzButton56;     // 本日吉日
    QPushButton* ServiceButton;  // 客户服务
    QPushButton* HomePageButton; // 软件主页
    QPushButton* ChatButton;     // QQ对话
    QScrollArea* LeftColumn;
    QTabWidget* RzPageControl1;
    QWidget* TabSheet1; // 吉日分类
    QWidget* TabSheet2; // 其他查询
    QWidget* Image15;   // background picture
    QWidget* Image3;    // decorative picture
    QStatusBar* RzStatusBar1;
    QLabel* RzStatusPane1;

    // The three date lists as one, for the kit's date helpers.
    DateLists dateLists() const;

    void RzButton57Click();
    void RzButton56Click();
    void dxBarButton5Click();

    // The product's home page, opened when the user leaves.
    static QUrl homePage();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    // Asks the exit question; on Yes opens the home page and returns true.
    bool FormCloseQuery();
    // Closes every window and stops the event loop, without asking again.
    void endApplication();

    QWidget* createHeader();
    QWidget* createBody();
    void createMenuBar();
    void createStatusBar();

    bool exitConfirmed_ = false;
    bool ending_ = false;
};

} // namespace lumora
