#include "app/ShellTargets.h"
#include "app/Unt_Main.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/MainWindowTest.h"
#include "support/Windows.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include <ranges>

using namespace lumora;

namespace {

// The entries of a menu as a user reads them: separators as "—", sub-menus with "▸".
QStringList entryTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("—")
                  : action->menu()      ? action->text() + QStringLiteral(" ▸")
                                        : action->text());
    return texts;
}

QAction* findEntry(const QMenu* menu, const QString& caption)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == caption && !action->menu())
            return action;
        if (action->menu())
            if (QAction* inner = findEntry(action->menu(), caption))
                return inner;
    }
    return nullptr;
}

QList<QPushButton*> buttonsOf(const QWidget* place)
{
    return place->findChildren<QPushButton*>();
}

QStringList captionsOf(const QList<QPushButton*>& buttons)
{
    QStringList captions;
    for (const QPushButton* button : buttons)
        captions << button->text();
    return captions;
}

QString url(const char* target)
{
    return QStringLiteral("url ") + QString::fromUtf8(target);
}

} // namespace

class TestRouting : public MainWindowTest {
    Q_OBJECT

    QSet<QWidget*> windowsBefore;

    QMenu* menu(const char* name) const { return control<QMenu>(main.get(), name); }

    // Chooses `caption` where a user would find it: in the menu of that objectName, or the
    // `occurrence`-th button of that caption on a page or the header band.
    void choose(const QString& place, const QString& caption, int occurrence = 1)
    {
        const QWidgetList open = QApplication::topLevelWidgets();
        windowsBefore = QSet<QWidget*>(open.begin(), open.end());
        if (auto* found = main->findChild<QMenu*>(place)) {
            QAction* entry = findEntry(found, caption);
            QVERIFY2(entry, qPrintable(caption));
            entry->trigger();
            return;
        }
        const QList<QPushButton*> buttons = buttonsOf(control<QWidget>(main.get(), qPrintable(place)));
        int seen = 0;
        for (QPushButton* button : buttons)
            if (button->text() == caption && ++seen == occurrence) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        QFAIL(qPrintable(QStringLiteral("no button %1 on %2").arg(caption, place)));
    }

    // Everything the last choice made happen, as the fake platform and the screen saw it.
    QStringList effects() const
    {
        QStringList seen;
        for (const QString& question :
             std::as_const(fake.questions) | std::views::transform(&FakePlatform::Question::text))
            seen << QStringLiteral("ask ") + question;
        for (const QDialog* dialog : fake.modalDialogs)
            seen << QStringLiteral("modal %1 %2").arg(dialog->objectName(), dialog->windowTitle());
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!windowsBefore.contains(window) && window->isVisible() && !window->isModal() &&
                !fake.modalDialogs.contains(qobject_cast<QDialog*>(window)))
                seen << QStringLiteral("window %1 %2").arg(window->objectName(), window->windowTitle());
        for (const QUrl& target : fake.openedUrls)
            seen << QStringLiteral("url ") + target.toString();
        for (const QString& tip : fake.tips)
            seen << QStringLiteral("tip ") + tip;
        for (const QString& error : fake.errors)
            seen << QStringLiteral("error ") + error;
        return seen;
    }

private Q_SLOTS:
    void menusInTheirOrder()
    {
        QStringList titles;
        for (const QAction* action : main->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, QStringList({"系统(&S)", "吉日(&D)", "日卜(&R)", "择日(&Z)", "配对(&P)", "解梦(&Q)",
                                      "占卜(&B)", "工具(&G)", "服务(&F)", "帮助(&H)"}));

        QCOMPARE(entryTexts(menu("SystemMenu")), QStringList({"退出系统"}));
        QCOMPARE(entryTexts(menu("DaysMenu")),
                 QStringList({"黄道吉日", "吉日查询", "—", "开市吉日", "交易吉日", "嫁娶吉日", "入宅吉日", "入学吉日",
                              "纳财吉日", "订盟吉日", "安门吉日", "出行吉日", "开光吉日", "求嗣吉日", "祈福吉日",
                              "破土吉日", "祭祀吉日", "安葬吉日"}));
        QCOMPARE(entryTexts(menu("OmensMenu")),
                 QStringList({"占元旦日阴晴", "占元旦值十干", "占四季甲子日雨", "占立春 春分日", "占立夏 夏至日",
                              "占立秋 秋分日", "占立冬 冬至日", "占雷鸣日", "占天", "占云", "占风", "占日", "占火",
                              "占雾", "占雷电", "占鹊噪", "占彩虹", "占灯花"}));
        QCOMPARE(
            entryTexts(menu("ChoosingMenu")),
            QStringList({"择日之法", "择日步骤方法", "正五行择日法", "二十八宿吉凶", "三元五腊圣诞日期",
                         "六十甲子亡命安葬...", "董公择日法", "二十八宿值日占...", "金符经", "风水择日 ▸",
                         "神像开光择日", "企业开张择日", "动土装修装饰择日", "入宅搬迁择日", "嫁娶择日之玉历碎金赋",
                         "择日之嫁娶论用", "嫁娶择日要论", "安灶修厨之择日", "择日之论朱雀入宫"}));
        const QList<QAction*> choosing = menu("ChoosingMenu")->actions();
        QCOMPARE(
            entryTexts(choosing.at(9)->menu()),
            QStringList({"风水择日口诀", "风水择日之入殓安葬的呼", "风水择日之逐日大殓吉时", "风水择日之若干五行",
                         "论风水择日之贵人禄马", "论风水择日之补山相主", "风水择日之竖造论用", "风水择日之安葬论用"}));
        QCOMPARE(entryTexts(menu("PairingMenu")), QStringList({"星座配对", "生肖配对", "血型配对"}));
        QCOMPARE(entryTexts(menu("DreamsMenu")), QStringList({"周公解析", "解梦全书"}));
        QCOMPARE(entryTexts(menu("DivinationMenu")),
                 QStringList({"打喷嚏占卜", "面热测占卜", "心惊测占卜", "犬吠测占卜", "眼跳测占卜", "耳热测占卜",
                              "耳鸣测占卜"}));
        QCOMPARE(entryTexts(menu("ToolsMenu")),
                 QStringList({"手机号码分析", "QQ号码分析", "更多数字分析", "网名分析", "—", "生男生女", "万年历法"}));
        QCOMPARE(entryTexts(menu("ServiceMenu")), QStringList({"客户服务", "给我们发邮件", "与QQ对话"}));
        QCOMPARE(entryTexts(menu("HelpMenu")), QStringList({"公司主页", "关于系统", "—", "软件升级"}));
    }

    void pagesInTheirOrder()
    {
        QCOMPARE(
            captionsOf(buttonsOf(control<QWidget>(main.get(), "TabSheet1"))),
            QStringList({"开市吉日", "交易吉日", "结婚吉日", "入宅吉日", "入学吉日", "纳财吉日", "订盟吉日", "安门吉日",
                         "出行吉日", "开光吉日", "求嗣吉日", "祈福吉日", "破土吉日", "祭祀吉日", "安葬吉日", "求医吉日",
                         "解除吉日", "破屋吉日", "塑绘吉日", "纳采吉日", "除服吉日", "成服吉日", "纳婿吉日", "入殓吉日",
                         "立碑吉日", "出火吉日", "修造吉日", "动土吉日", "造桥吉日", "栽种吉日", "栽种吉日", "牧养吉日",
                         "纳畜吉日", "移徙吉日", "盖屋吉日", "安床吉日", "起基吉日", "安香吉日", "挂匾吉日", "拆卸吉日",
                         "置产吉日", "沐浴吉日", "捕捉吉日", "理发吉日", "修坟吉日", "问名吉日", "裁衣吉日", "作灶吉日",
                         "安香吉日", "上梁吉日", "扫舍吉日", "习艺吉日", "结网吉日", "合帐吉日"}));
        QCOMPARE(captionsOf(buttonsOf(control<QWidget>(main.get(), "TabSheet2"))),
                 QStringList({"星座配对", "生肖配对", "血型配对", "周公解析", "解梦全书", "打喷嚏占卜", "面热测占卜",
                              "心惊测占卜", "犬吠测占卜", "眼跳测占卜", "耳热测占卜", "耳鸣测占卜", "手机号码分析",
                              "QQ号码分析", "更多数字分析", "网名分析", "生男生女", "万年历法"}));
    }

    void everyCommandDoesWhatItSays_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("expected");

        const auto row = [](const char* name, const char* place, const char* caption, const QString& effect) {
            QTest::newRow(name) << QString::fromUtf8(place) << QString::fromUtf8(caption)
                                << (effect.isEmpty() ? QStringList() : QStringList{effect});
        };
        row("退出系统", "SystemMenu", "退出系统", "ask 您是否确定要退出系统？");
        row("黄道吉日", "DaysMenu", "黄道吉日", "window FormLumora 黄道吉日");
        row("本日吉日", "RzPanel1", "本日吉日", "window FormLumora 黄道吉日");
        row("开市吉日 button", "TabSheet1", "开市吉日", "modal FrmJiDay 开市吉日");
        row("合帐吉日 button", "TabSheet1", "合帐吉日", "modal FrmJiDay 合帐吉日");
        row("结婚吉日 button", "TabSheet1", "结婚吉日", "modal FrmJihunDay 结婚吉日 嫁娶吉日");
        row("生肖配对 menu", "PairingMenu", "生肖配对", "modal Frm_SxPeid 生肖配对");
        row("生肖配对 page", "TabSheet2", "生肖配对", "modal Frm_SxPeid 生肖配对");
        const char* const bodySigns[][2] = {{"打喷嚏占卜", "打喷嚏占卜吉凶"}, {"面热测占卜", "面热测吉凶"},
                                            {"心惊测占卜", "心惊测吉凶"},     {"犬吠测占卜", "犬吠测吉凶"},
                                            {"眼跳测占卜", "眼跳测吉凶"},     {"耳热测占卜", "耳热测吉凶"},
                                            {"耳鸣测占卜", "耳鸣测吉凶"}};
        for (const auto& [command, title] : bodySigns) {
            const QString effect = QStringLiteral("window FormOnther ") + QString::fromUtf8(title);
            row(QByteArray(command).append(" menu").constData(), "DivinationMenu", command, effect);
            row(QByteArray(command).append(" page").constData(), "TabSheet2", command, effect);
        }
        const char* const tools[][2] = {
            {"手机号码分析", "Frm_SJcs 手机号码测算"},   {"QQ号码分析", "FrmQQhm QQ号码测试"},
            {"更多数字分析", "Frm_onther 任意号码分析"}, {"网名分析", "FrmWangming 网名与性格"},
            {"生男生女", "Frm_NanNv 生男生女"},          {"万年历法", "FRM_Date Tesmer日历"}};
        for (const auto& [command, window] : tools) {
            const QString effect = QStringLiteral("modal ") + QString::fromUtf8(window);
            row(QByteArray(command).append(" menu").constData(), "ToolsMenu", command, effect);
            row(QByteArray(command).append(" page").constData(), "TabSheet2", command, effect);
        }
        row("客户服务 menu", "ServiceMenu", "客户服务", "modal Frm_servers 客户服务");
        row("客户服务 header", "RzPanel1", "客户服务", "modal Frm_servers 客户服务");
        row("给我们发邮件", "ServiceMenu", "给我们发邮件", url(shell::kSupportMail));
        row("与QQ对话", "ServiceMenu", "与QQ对话", url(shell::kSupportChat));
        row("QQ对话 header", "RzPanel1", "QQ对话", url(shell::kSupportChat));
        row("公司主页", "HelpMenu", "公司主页", url(shell::kHomePage));
        row("软件主页 header", "RzPanel1", "软件主页", url(shell::kHomePage));
        row("关于系统", "HelpMenu", "关于系统", "modal About 关于系统");
        row("软件升级", "HelpMenu", "软件升级", "tip 感谢你的使用,软件是最新版无需升级!");
        // Entries that do nothing at all.
        for (const auto& [place, caption] : {std::pair{"DaysMenu", "吉日查询"},
                                             {"DaysMenu", "开市吉日"},
                                             {"DaysMenu", "安葬吉日"},
                                             {"OmensMenu", "占天"},
                                             {"OmensMenu", "占灯花"},
                                             {"ChoosingMenu", "金符经"},
                                             {"ChoosingMenu", "风水择日口诀"},
                                             {"PairingMenu", "星座配对"},
                                             {"TabSheet2", "血型配对"},
                                             {"DreamsMenu", "周公解析"},
                                             {"TabSheet2", "解梦全书"}})
            row(QByteArray(caption).append(" (nothing) in ").append(place).constData(), place, caption, QString());
    }
    void everyCommandDoesWhatItSays()
    {
        QFETCH(QString, place);
        QFETCH(QString, caption);
        QFETCH(QStringList, expected);
        choose(place, caption);
        QCOMPARE(effects(), expected);
    }

    void bothCopiesOfADoubledButtonOpenTheSearchInModeZero()
    {
        for (const char* caption : {"栽种吉日", "安香吉日"})
            for (const int occurrence : {1, 2}) {
                fake.modalDialogs.clear();
                choose(QStringLiteral("TabSheet1"), QString::fromUtf8(caption), occurrence);
                QCOMPARE(effects(), QStringList{QStringLiteral("modal FrmJiDay ") + QString::fromUtf8(caption)});
                // Mode 0: the window takes its activity from the caption, its own list stays hidden.
                QVERIFY(control<QWidget>(fake.modalDialogs.first(), "Sday")->isHidden());
                fake.modalDialogs.first()->close();
                deleteClosedWindows();
            }
    }

    void aReopenedToolWindowReplacesTheHiddenOne_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("caption");
        QTest::newRow("生男生女") << "ToolsMenu"
                                  << "生男生女";
        QTest::newRow("关于系统") << "HelpMenu"
                                  << "关于系统";
        QTest::newRow("客户服务") << "RzPanel1"
                                  << "客户服务";
    }
    void aReopenedToolWindowReplacesTheHiddenOne()
    {
        QFETCH(QString, place);
        QFETCH(QString, caption);
        choose(place, caption);
        const QPointer<QDialog> first = fake.modalDialogs.first();
        first->close();
        deleteClosedWindows();
        // Closing hides it; it stays until the next opening.
        QVERIFY(!first.isNull());
        QVERIFY(first->isHidden());

        choose(place, caption);
        QVERIFY(first.isNull());
        QCOMPARE(fake.modalDialogs.size(), 2);
        QVERIFY(fake.modalDialogs.last()->isVisible());
    }

    void eachDailyAlmanacCommandOpensOneMoreWindow()
    {
        choose(QStringLiteral("DaysMenu"), QStringLiteral("黄道吉日"));
        choose(QStringLiteral("RzPanel1"), QStringLiteral("本日吉日"));
        choose(QStringLiteral("DaysMenu"), QStringLiteral("黄道吉日"));
        int open = 0;
        for (const QWidget* window : QApplication::topLevelWidgets())
            open += window->objectName() == QStringLiteral("FormLumora") && window->isVisible();
        QCOMPARE(open, 3);
    }

    void bodySignWindowsStayOpenSideBySide()
    {
        choose(QStringLiteral("DivinationMenu"), QStringLiteral("眼跳测占卜"));
        choose(QStringLiteral("TabSheet2"), QStringLiteral("耳鸣测占卜"));
        QStringList titles;
        for (const QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("FormOnther") && window->isVisible())
                titles << window->windowTitle();
        titles.sort();
        QCOMPARE(titles, QStringList({"眼跳测吉凶", "耳鸣测吉凶"}));
    }

    void altGOpensTheToolsMenu()
    {
        activate(main.get());
        QTest::keyClick(main.get(), Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(menu("ToolsMenu")->isVisible());
        menu("ToolsMenu")->close();
    }
};

QTEST_MAIN(TestRouting)
#include "tst_routing.moc"
