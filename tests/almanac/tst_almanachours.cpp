// The daily almanac window's group "时辰吉凶：", as a person uses it: it opens filled and
// coloured, follows the day after "测算", empties for a day without data, shows every
// hour's 宜 and 忌 when the mouse rests on it, and fits the window.

#include "almanac/DayHours.h"
#include "almanac/HoursView.h"
#include "almanac/lumora.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "support/WindowTest.h"
#include "support/Windows.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
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

HoursView* view(const TFormLumora* window)
{
    return control<HoursView>(window, "HoursView");
}

// The facts as painted, line breaks read as blanks.
QString facts(const TFormLumora* window)
{
    return view(window)->factLines().join(u' ').simplified();
}

QStringList rowTexts(const HoursView* hours, int row)
{
    QStringList texts;
    for (int column = 0; column < HoursView::kColumnCount; ++column)
        texts << hours->cellText(row, column);
    return texts;
}

QString hourTipAt(HoursView* hours, int row, int column)
{
    return shownToolTip(hours, hours->cellRect(row, column).center());
}

// Whether any pixel painted in the cell is close to the colour.
bool cellShows(HoursView* hours, int row, int column, QColor colour)
{
    const QImage painted = hours->grab().toImage();
    const QRect cell = hours->cellRect(row, column);
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) {
            const QColor pixel = painted.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 48 && std::abs(pixel.green() - colour.green()) < 48 &&
                std::abs(pixel.blue() - colour.blue()) < 48)
                return true;
        }
    return false;
}

} // namespace

class TestAlmanacHours : public WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheDaysHours()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac(); // today pinned to 2015-06-09
        QCOMPARE(control<QGroupBox>(window, "HoursPanel")->title(), QStringLiteral("时辰吉凶："));
        QCOMPARE(facts(window), kFacts20150609.simplified());
        HoursView* hours = view(window);
        QCOMPARE(rowTexts(hours, HoursView::kHeadingRow), (QStringList{"时段", "干支", "吉凶", "冲煞"}));
        QCOMPARE(rowTexts(hours, 0), (QStringList{"00:00-00:59", "戊子", "凶", "冲马(壬午)煞南"}));
        QCOMPARE(rowTexts(hours, 2), (QStringList{"03:00-04:59", "庚寅", "吉", "冲猴(甲申)煞北"}));
        QCOMPARE(rowTexts(hours, 12), (QStringList{"23:00-23:59", "庚子", "凶", "冲马(甲午)煞南"}));
        // The ranges are painted once for every day: they must be the data's.
        Query data;
        data.setConnectionString(BirthConnectionString());
        const std::optional<HourlyAlmanac> day = queryHourlyAlmanac(data, QStringLiteral("2015-6-9"));
        QVERIFY(day);
        for (int row = 0; row < kDoubleHourCount; ++row)
            QCOMPARE(hours->cellText(row, HoursView::Range), day->hours[row].range);
        // 吉 red, 凶 green, as told and as painted.
        QCOMPARE(hours->cellColor(2, HoursView::Luck), QColor(0xD00000));
        QCOMPARE(hours->cellColor(0, HoursView::Luck), QColor(0x008000));
        QVERIFY(cellShows(hours, 2, HoursView::Luck, QColor(0xD00000)));
        QVERIFY(!cellShows(hours, 2, HoursView::Luck, QColor(0x008000)));
        QVERIFY(cellShows(hours, 0, HoursView::Luck, QColor(0x008000)));
        QVERIFY(cellShows(hours, 0, HoursView::Range, QColor(Qt::black)));
        QVERIFY(!cellShows(hours, 0, HoursView::Clash, QColor(0x008000)));
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
        QCOMPARE(hourTipAt(view(window), row, column), tip);
    }

    void followsTheDayAndEmptiesWithoutData()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        query(window, QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("30"));
        QVERIFY2(facts(window).startsWith(QStringLiteral("值神:天德(黄道) 星宿:")), qPrintable(facts(window)));
        QCOMPARE(view(window)->cellText(0, HoursView::GanZhi), QStringLiteral("庚子")); // a 丁 day begins with 庚子
        QVERIFY(hourTipAt(view(window), 0, 0).startsWith(QStringLiteral("00:00-00:59 庚子 ")));

        const QString overview = control<QLabel>(window, "Label1")->text();
        query(window, QStringLiteral("2051"), QStringLiteral("1"), QStringLiteral("1"));
        QCOMPARE(control<QLabel>(window, "Label1")->text(), overview); // the entry stays as it was
        QVERIFY(facts(window).isEmpty());
        for (int row = 0; row < kDoubleHourCount; ++row)
            QCOMPARE(rowTexts(view(window), row), QStringList(4));
        QCOMPARE(rowTexts(view(window), HoursView::kHeadingRow).size(), 4);        // the headings stay
        QVERIFY(!cellShows(view(window), 0, HoursView::Range, QColor(Qt::black))); // no ranges either
        QVERIFY(hourTipAt(view(window), 0, 0).isEmpty());
        QVERIFY(view(window)->accessibleDescription().isEmpty());
        QVERIFY(fake.errors.isEmpty());
    }

    void fitsTheWindowWithoutCuttingAnything()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        HoursView* hours = view(window);
        QCOMPARE(hours->size(), hours->sizeHint());
        QVERIFY(window->rect().contains(QRect(hours->mapTo(window.data(), QPoint()), hours->size())));
        for (int column = 0; column < HoursView::kColumnCount; ++column)
            QVERIFY(hours->rect().contains(hours->cellRect(kDoubleHourCount - 1, column)));
        // The facts wrap at blanks inside the view: no line wider than it, no word split.
        const QStringList words = kFacts20150609.simplified().split(u' ');
        for (const QString& line : hours->factLines()) {
            QVERIFY2(hours->fontMetrics().horizontalAdvance(line) < hours->width(), qPrintable(line));
            for (const QString& word : line.simplified().split(u' '))
                QVERIFY2(words.contains(word), qPrintable(line));
        }
    }

    void screenReadersGetTheText()
    {
        QPointer<TFormLumora> window = ShowDailyAlmanac();
        const QStringList lines = view(window)->accessibleDescription().split(u'\n');
        QCOMPARE(lines.size(), 3 + kDoubleHourCount);
        QCOMPARE(lines[0], QStringLiteral("值神:天牢(黑道)"));
        QCOMPARE(lines[3],
                 QStringLiteral("00:00-00:59 戊子 天牢 黑道 凶 冲马(壬午)煞南 订婚 嫁娶 求财 开市 交易 安床 祭祀 "
                                "赴任 修造 移徙 出行 词讼 祈福 求嗣"));
    }
};

QTEST_MAIN(TestAlmanacHours)
#include "tst_almanachours.moc"
