// The daily almanac window's group "时辰吉凶：", as a person uses it: it opens filled,
// follows the day after "测算", empties for a day without data, and shows every hour's
// 宜 and 忌 when the mouse rests on it.

#include "almanac/lumora.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/WindowTest.h"
#include "support/Windows.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

using namespace lumora;

namespace {

const QString kFacts20150609 =
    QStringLiteral("值神:天牢(黑道)  星宿:翼火蛇(凶)  吉神方位:喜神西南 福神西北 财神西南 阳贵正西 阴贵西北");

void query(const TFormLumora* window, const QString& year, const QString& month, const QString& day)
{
    typeInto(control<QComboBox>(window, "SYear"), year);
    typeInto(control<QComboBox>(window, "SMonth"), month);
    typeInto(control<QComboBox>(window, "Sday"), day);
    QTest::mouseClick(control<QPushButton>(window, "RzBitBtn1"), Qt::LeftButton);
}

QString facts(const TFormLumora* window)
{
    return control<QLabel>(window, "HoursFacts")->text();
}

QTableWidget* table(const TFormLumora* window)
{
    return control<QTableWidget>(window, "HoursTable");
}

QStringList rowTexts(const QTableWidget* hours, int row)
{
    QStringList texts;
    for (int column = 0; column < hours->columnCount(); ++column)
        texts << (hours->item(row, column) ? hours->item(row, column)->text() : QString());
    return texts;
}

QString hourTipAt(QTableWidget* hours, int row, int column)
{
    const QRect cell = hours->visualRect(hours->model()->index(row, column));
    return shownToolTip(hours->viewport(), cell.center());
}

} // namespace

class TestAlmanacHours : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheDaysHours()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac(); // today pinned to 2015-06-09
        QCOMPARE(control<QGroupBox>(window, "HoursPanel")->title(), QStringLiteral("时辰吉凶："));
        QCOMPARE(facts(window), kFacts20150609);
        QTableWidget* hours = table(window);
        QCOMPARE(hours->rowCount(), 13);
        QCOMPARE(rowTexts(hours, 0), (QStringList{"00:00-00:59", "戊子", "凶", "冲马(壬午)煞南"}));
        QCOMPARE(rowTexts(hours, 2), (QStringList{"03:00-04:59", "庚寅", "吉", "冲猴(甲申)煞北"}));
        QCOMPARE(rowTexts(hours, 12), (QStringList{"23:00-23:59", "庚子", "凶", "冲马(甲午)煞南"}));
        // 吉 red, 凶 green.
        QCOMPARE(hours->item(2, 2)->foreground().color(), QColor(0xD00000));
        QCOMPARE(hours->item(0, 2)->foreground().color(), QColor(0x008000));
    }

    void everyHourShowsItsListsOnHover_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("tip");
        QTest::newRow("early 子, its range") << 0 << 0
                                             << "00:00-00:59 戊子 天牢(黑道)\n宜:订婚 嫁娶 求财 开市 交易 安床 祭祀\n"
                                                "忌:赴任 修造 移徙 出行 词讼 祈福 求嗣";
        QTest::newRow("卯 with nothing it suits, its clash")
            << 3 << 3 << "05:00-06:59 辛卯 勾陈(黑道)\n宜:无\n忌:祭祀 祈福 斋醮 酬神 赴任 出行";
        QTest::newRow("酉 with nothing to avoid, its luck")
            << 9 << 2
            << "17:00-18:59 丁酉 天德(黄道)\n宜:祈福 求嗣 订婚 嫁娶 出行 求财 开市 交易 安床 祭祀 修造 入宅 安葬\n忌:无";
    }
    void everyHourShowsItsListsOnHover()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, tip);
        QPointer<TFormLumora> window =
            ShowDailyAlmanac(QStringLiteral("2015"), QStringLiteral("6"), QStringLiteral("9"));
        QCOMPARE(hourTipAt(table(window), row, column), tip);
    }

    void followsTheDayAndEmptiesWithoutData()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        query(window, QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("30"));
        QVERIFY2(facts(window).startsWith(QStringLiteral("值神:天德(黄道)  星宿:")), qPrintable(facts(window)));
        QCOMPARE(table(window)->item(0, 1)->text(), QStringLiteral("庚子")); // a 丁 day begins with 庚子
        QVERIFY(hourTipAt(table(window), 0, 0).startsWith(QStringLiteral("00:00-00:59 庚子 ")));

        const QString overview = control<QLabel>(window, "Label1")->text();
        query(window, QStringLiteral("2051"), QStringLiteral("1"), QStringLiteral("1"));
        QCOMPARE(control<QLabel>(window, "Label1")->text(), overview); // the entry stays as it was
        QVERIFY(facts(window).isEmpty());
        for (int row = 0; row < 13; ++row)
            QCOMPARE(rowTexts(table(window), row), QStringList(4));
        QVERIFY(hourTipAt(table(window), 0, 0).isEmpty());
        QVERIFY(fake.errors.isEmpty());
    }

    void fitsTheWindowWithoutScrolling()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QTableWidget* hours = table(window);
        QCOMPARE(hours->verticalScrollBar()->maximum(), 0);
        QCOMPARE(hours->horizontalScrollBar()->maximum(), 0);
        const QRect shown = hours->viewport()->rect();
        for (int row = 0; row < hours->rowCount(); ++row)
            for (int column = 0; column < hours->columnCount(); ++column)
                QVERIFY2(shown.contains(hours->visualItemRect(hours->item(row, column))),
                         qPrintable(QStringLiteral("cell %1, %2 cut off").arg(row).arg(column)));
        const QRect inWindow(hours->mapTo(window.data(), QPoint()), hours->size());
        QVERIFY(window->rect().contains(inWindow));
        // The facts wrap inside the group rather than widening it past the window.
        const QLabel* factsLabel = control<QLabel>(window, "HoursFacts");
        QVERIFY(window->rect().contains(QRect(factsLabel->mapTo(window.data(), QPoint()), factsLabel->size())));
    }
};

QTEST_MAIN(TestAlmanacHours)
#include "tst_almanachours.moc"
