#include "almanac/lumora.h"
#include "app/Application.h"
#include "app/Artwork.h"
#include "app/Unt_Main.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/MainWindowTest.h"
#include "support/Windows.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace lumora;

namespace {

// WCAG's relative luminance of an sRGB colour.
qreal relativeLuminance(const QColor& colour)
{
    const auto linear = [](qreal channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

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

class TestMainWindow : public MainWindowTest {
    Q_OBJECT

    // Types the three texts into the header's lists and presses "查询".
    void pick(const QString& year, const QString& month, const QString& day)
    {
        typeInto(control<QComboBox>(main.get(), "SYear"), year);
        typeInto(control<QComboBox>(main.get(), "SMonth"), month);
        typeInto(control<QComboBox>(main.get(), "Sday"), day);
        QTest::mouseClick(control<QPushButton>(main.get(), "RzButton57"), Qt::LeftButton);
    }

private Q_SLOTS:
    void layoutAsTheUserSeesIt()
    {
        const QWidget* window = main.get();
        QCOMPARE(window->windowTitle(), QStringLiteral("Lumora"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Lumora"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(LUMORA_APP_ID));
        QCOMPARE(window->size(), QSize(800, 600));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(control<QWidget>(window, "RzPanel1")->height(), 84);
        QCOMPARE(control<QScrollArea>(window, "LeftColumn")->width(), 186);
        const auto* pages = control<QTabWidget>(window, "RzPageControl1");
        QCOMPARE(pages->tabText(0), QStringLiteral("吉日分类"));
        QCOMPARE(pages->tabText(1), QStringLiteral("其他查询"));
        QCOMPARE(pages->currentWidget(), control<QWidget>(window, "TabSheet1"));
        QCOMPARE(control<QComboBox>(window, "SYear")->count(), 11);
        QCOMPARE(control<QComboBox>(window, "SYear")->itemText(0), QStringLiteral("2010"));
        QCOMPARE(control<QComboBox>(window, "SMonth")->itemText(0), QStringLiteral("01"));
        QCOMPARE(control<QComboBox>(window, "Sday")->count(), 31);
        for (const char* name : {"RzButton56", "ServiceButton", "HomePageButton", "ChatButton"})
            QVERIFY(control<QPushButton>(window, name)->isVisible());
        QCOMPARE(main->menuBar()->actions().first()->text(), QStringLiteral("系统(&S)"));
    }

    void firstShowFillsTheListsWithToday()
    {
        QCOMPARE(control<QComboBox>(main.get(), "SYear")->currentText(), QStringLiteral("2015"));
        QCOMPARE(control<QComboBox>(main.get(), "SMonth")->currentText(), QStringLiteral("06"));
        QCOMPARE(control<QComboBox>(main.get(), "Sday")->currentText(), QStringLiteral("09"));
    }

    // WCAG AA asks 4.5:1 of text; every caption on the header band must reach it on the
    // band's lightest pixel behind it.
    void headerCaptionsAreReadableOnTheBanner()
    {
        const QWidget* band = control<QWidget>(main.get(), "RzPanel1");
        const QImage banner = bannerPicture().toImage().scaled(band->size());
        const QList<QLabel*> captions = band->findChildren<QLabel*>();
        QVERIFY(captions.size() >= 4); // 选择黄历： 年 月 日
        for (const QLabel* caption : captions) {
            const QColor text = caption->palette().color(caption->foregroundRole());
            qreal lightest = 0;
            const QRect area = caption->geometry() & banner.rect();
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    lightest = std::max(lightest, relativeLuminance(banner.pixelColor(x, y)));
            const qreal textLuminance = relativeLuminance(text);
            const qreal contrast =
                (std::max(lightest, textLuminance) + 0.05) / (std::min(lightest, textLuminance) + 0.05);
            QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(caption->text()).arg(contrast)));
        }
    }

    // The later-heaven trigrams stand with the branches of their directions.
    void dialTrigramsFaceTheirBranches_data()
    {
        QTest::addColumn<QString>("trigram");
        QTest::addColumn<qreal>("degrees");
        const auto at = [](int branch) { return dialBranches().at(branch).degrees; };
        QTest::newRow("离 south, at 午") << "☲" << at(6);
        QTest::newRow("坎 north, at 子") << "☵" << at(0);
        QTest::newRow("震 east, at 卯") << "☳" << at(3);
        QTest::newRow("兑 west, at 酉") << "☱" << at(9);
        QTest::newRow("乾 north-west, between 戌 and 亥") << "☰" << (at(10) + at(11)) / 2;
        QTest::newRow("坤 south-west, between 未 and 申") << "☷" << (at(7) + at(8)) / 2;
        QTest::newRow("艮 north-east, between 丑 and 寅") << "☶" << (at(1) + at(2)) / 2;
        QTest::newRow("巽 south-east, between 辰 and 巳") << "☴" << (at(4) + at(5)) / 2;
    }
    void dialTrigramsFaceTheirBranches()
    {
        QFETCH(QString, trigram);
        QFETCH(qreal, degrees);
        const QList<DialMark> trigrams = dialTrigrams();
        const auto found =
            std::find_if(trigrams.begin(), trigrams.end(), [&](const DialMark& mark) { return mark.text == trigram; });
        QVERIFY(found != trigrams.end());
        QCOMPARE(found->degrees, degrees);
        QCOMPARE(dialBranches().at(6).degrees, 0.0); // 午, south, at the top
    }

    // The window manager writes "提示 — Lumora" in the title; a box narrower than that
    // showed "…".
    void messageBoxesHaveRoomForTheirCaption()
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("请选择年!"), QMessageBox::Ok);
        prepareMessageBox(box);
        box.show();
        QCOMPARE(shownCaption(box.windowTitle()), QStringLiteral("提示 — Lumora"));
        QFont titleFont = box.font();
        titleFont.setBold(true);
        QVERIFY(box.width() > QFontMetrics(titleFont).horizontalAdvance(QStringLiteral("提示 — Lumora")) + 64);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.windowModality(), Qt::ApplicationModal);
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
        QCOMPARE(control<QComboBox>(main.get(), "SMonth")->currentText(), month); // the lists keep what was typed
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
        QTest::newRow("month 1, a prefix of 10") << "2015"
                                                 << "1"
                                                 << "20";
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
        const TFormLumora* opened = windows.first();
        QCOMPARE(control<QComboBox>(opened, "SYear")->currentText(), year);
        QCOMPARE(control<QComboBox>(opened, "SMonth")->currentText(), month);
        QCOMPARE(control<QComboBox>(opened, "Sday")->currentText(), day);
        QCOMPARE(control<QLabel>(opened, "Label1")->text().section(QStringLiteral("  "), 0, 0),
                 year + '-' + month + '-' + day);
    }

    void eachPressOpensOneMoreWindow()
    {
        QTest::mouseClick(control<QPushButton>(main.get(), "RzButton56"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(main.get(), "RzButton56"), Qt::LeftButton);
        pick(QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("09"));
        pick(QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("10"));
        const QList<TFormLumora*> windows = almanacWindows();
        QCOMPARE(windows.size(), 4);
        for (TFormLumora* window : windows)
            QVERIFY(control<QLabel>(window, "Label1")->text().startsWith(QStringLiteral("2015-06-")));
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
        QTest::mouseClick(control<QPushButton>(main.get(), "RzButton56"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(main.get(), "RzButton56"), Qt::LeftButton);
        QList<QPointer<TFormLumora>> windows;
        for (TFormLumora* window : almanacWindows())
            windows << window;
        QCOMPARE(windows.size(), 2);

        fake.answerYes = true;
        if (fromMenu)
            control<QAction>(main.get(), "dxBarButton5")->trigger();
        else
            main->close();
        deleteClosedWindows();

        QCOMPARE(fake.questions.size(), 1); // asked once, not again on the way out
        QCOMPARE(fake.openedUrls, QList<QUrl>{TFrmmain::homePage()});
        QVERIFY(!main->isVisible());
        for (const QPointer<TFormLumora>& window : windows)
            QVERIFY(window.isNull());
    }

    void toolsMenuOpensItsWindowsModally_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("window");
        QTest::newRow("手机号码分析") << "手机号码分析"
                                      << "Frm_SJcs";
        QTest::newRow("QQ号码分析") << "QQ号码分析"
                                    << "FrmQQhm";
        QTest::newRow("更多数字分析") << "更多数字分析"
                                      << "Frm_onther";
        QTest::newRow("网名分析") << "网名分析"
                                  << "FrmWangming";
        QTest::newRow("生男生女") << "生男生女"
                                  << "Frm_NanNv";
        QTest::newRow("万年历法") << "万年历法"
                                  << "FRM_Date";
    }
    void toolsMenuOpensItsWindowsModally()
    {
        QFETCH(QString, caption);
        QFETCH(QString, window);
        const QList<QAction*> entries = control<QMenu>(main.get(), "ToolsMenu")->actions();
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [&](const QAction* action) { return action->text() == caption; });
        QVERIFY(entry != entries.end());
        (*entry)->trigger();
        QCOMPARE(fake.modalDialogs.size(), 1);
        QCOMPARE(fake.modalDialogs.first()->objectName(), window);
        QVERIFY(fake.modalDialogs.first()->isVisible());
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
