#include "almanac/lumora.h"
#include "app/Application.h"
#include "app/Unt_Main.h"
#include "support/FakePlatform.h"
#include "support/Windows.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

using namespace lumora;

namespace {

QList<TFormLumora*> almanacWindows()
{
    QList<TFormLumora*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<TFormLumora*>(widget); window && window->isVisible())
            windows << window;
    return windows;
}

// An object whose event handler fails, as a window's would on a broken data file.
class FailingHandler : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("无法读取数据文件"); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    FakePlatform fake;
    std::optional<PlatformScope> scope;
    std::unique_ptr<TFrmmain> main;

    void pick(const QString& year, const QString& month, const QString& day)
    {
        main->SYear->setEditText(year);
        main->SMonth->setEditText(month);
        main->Sday->setEditText(day);
        QTest::mouseClick(main->RzButton57, Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        fake = FakePlatform();
        scope.emplace(fake);
        main = std::make_unique<TFrmmain>();
        main->show();
    }
    void cleanup()
    {
        fake.answerYes = true;
        closeAllWindows();
        main.reset();
        scope.reset();
    }

    void layoutAsTheUserSeesIt()
    {
        QCOMPARE(main->windowTitle(), QStringLiteral("Lumora"));
        QCOMPARE(main->size(), QSize(800, 600));
        QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(main->RzPanel1->height(), 84);
        QCOMPARE(main->LeftColumn->width(), 186);
        QCOMPARE(main->RzPageControl1->tabText(0), QStringLiteral("吉日分类"));
        QCOMPARE(main->RzPageControl1->tabText(1), QStringLiteral("其他查询"));
        QCOMPARE(main->RzPageControl1->currentWidget(), main->TabSheet1);
        QCOMPARE(main->SYear->count(), 11);
        QCOMPARE(main->SYear->itemText(0), QStringLiteral("2010"));
        QCOMPARE(main->SMonth->itemText(0), QStringLiteral("01"));
        QCOMPARE(main->Sday->count(), 31);
        for (QPushButton* button : {main->RzButton56, main->ServiceButton, main->HomePageButton, main->ChatButton})
            QVERIFY(button->isVisible());
        QCOMPARE(main->menuBar()->actions().first()->text(), QStringLiteral("系统(&S)"));
    }

    void firstShowFillsTheListsWithToday()
    {
        QCOMPARE(main->SYear->currentText(), QStringLiteral("2015"));
        QCOMPARE(main->SMonth->currentText(), QStringLiteral("06"));
        QCOMPARE(main->Sday->currentText(), QStringLiteral("09"));
    }

    void queryComplaints_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("tip");
        QTest::newRow("year and month emptied") << ""
                                                << ""
                                                << "09"
                                                << "请选择年!";
        QTest::newRow("blanks only") << "2015"
                                     << "   "
                                     << "09"
                                     << "请选择月!";
        QTest::newRow("2014-02-29") << "2014"
                                    << "02"
                                    << "29"
                                    << "请选择有效的日期!";
    }
    void queryComplaints()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, tip);
        pick(year, month, day);
        QCOMPARE(fake.tips, QStringList{tip});
        QVERIFY(almanacWindows().isEmpty());
        QCOMPARE(main->SMonth->currentText(), month); // the lists keep what was typed
    }

    void queryPassesTheTextsAsTyped_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::newRow("2016-02-29") << "2016"
                                    << "02"
                                    << "29";
        QTest::newRow("year outside the list") << "1999"
                                               << "03"
                                               << "05";
        QTest::newRow("unpadded month and day") << "2015"
                                                << "6"
                                                << "9";
    }
    void queryPassesTheTextsAsTyped()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        pick(QLatin1Char(' ') + year, month, day + QLatin1Char(' '));
        QVERIFY(fake.tips.isEmpty());
        const QList<TFormLumora*> windows = almanacWindows();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows.first()->SYear->currentText(), year);
        QCOMPARE(windows.first()->SMonth->currentText(), month);
        QCOMPARE(windows.first()->Sday->currentText(), day);
        QCOMPARE(windows.first()->Label1->text().section(QStringLiteral("  "), 0, 0), year + '-' + month + '-' + day);
    }

    void eachPressOpensOneMoreWindow()
    {
        QTest::mouseClick(main->RzButton56, Qt::LeftButton);
        QTest::mouseClick(main->RzButton56, Qt::LeftButton);
        pick(QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("09"));
        pick(QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("10"));
        const QList<TFormLumora*> windows = almanacWindows();
        QCOMPARE(windows.size(), 4);
        for (TFormLumora* window : windows)
            QVERIFY(window->Label1->text().startsWith(QStringLiteral("2015-06-")));
    }

    void exitAnsweredNoKeepsEverythingOpen()
    {
        fake.answerYes = false;
        QVERIFY(!main->close());
        QVERIFY(main->isVisible());
        main->dxBarButton5Click();
        QVERIFY(main->isVisible());
        QCOMPARE(fake.questions.size(), 2);
        QCOMPARE(fake.questions.first().caption, QStringLiteral("询问"));
        QCOMPARE(fake.questions.first().text, QStringLiteral("您是否确定要退出系统？"));
        QVERIFY(fake.openedUrls.isEmpty());
    }

    void exitAnsweredYesOpensTheHomePageAndClosesEveryWindow_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("退出系统") << true;
    }
    void exitAnsweredYesOpensTheHomePageAndClosesEveryWindow()
    {
        QFETCH(bool, fromMenu);
        QTest::mouseClick(main->RzButton56, Qt::LeftButton);
        QTest::mouseClick(main->RzButton56, Qt::LeftButton);
        QList<QPointer<TFormLumora>> windows;
        for (TFormLumora* window : almanacWindows())
            windows << window;
        QCOMPARE(windows.size(), 2);

        fake.answerYes = true;
        if (fromMenu)
            main->findChild<QAction*>(QStringLiteral("dxBarButton5"))->trigger();
        else
            main->close();
        deleteClosedWindows();

        QCOMPARE(fake.questions.size(), 1); // asked once, not again on the way out
        QCOMPARE(fake.openedUrls, QList<QUrl>{TFrmmain::homePage()});
        QVERIFY(!main->isVisible());
        for (const QPointer<TFormLumora>& window : windows)
            QVERIFY(window.isNull());
    }

    void toolsMenuOpensTheCalendarWindowsModally()
    {
        for (const char* command : {"ConceptionChartCommand", "PerpetualCalendarCommand"}) {
            fake.modalDialogs.clear();
            main->findChild<QAction*>(QLatin1String(command))->trigger();
            QCOMPARE(fake.modalDialogs.size(), 1);
            QVERIFY(fake.modalDialogs.first()->isVisible());
            fake.modalDialogs.first()->close();
        }
        QCOMPARE(fake.modalDialogs.first()->objectName(), QStringLiteral("FRM_Date"));
    }

    void errorsEscapingAHandlerReachTheErrorBox()
    {
        FailingHandler handler;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&handler, &event);
        QCOMPARE(fake.errors, QStringList{QStringLiteral("无法读取数据文件")});
        QVERIFY(main->isVisible()); // the program goes on
    }
};

int main(int argc, char** argv)
{
    lumora::Application app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"
