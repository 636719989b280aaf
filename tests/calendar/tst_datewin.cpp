// The perpetual calendar window, driven offscreen through its spinners and labels.

#include "calendar/DateCn.h"
#include "calendar/DateWin.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QSpinBox>
#include <QTest>

using lumora::FRM_Date;
using lumora::openPerpetualCalendar;
using lumora::TFRM_Date;

namespace {

constexpr int kCellCount = 37;

QLabel* dayLabel(const TFRM_Date& window, int cell)
{
    return window.findChild<QLabel*>(QStringLiteral("DayLabel%1").arg(cell));
}

QLabel* cnDayLabel(const TFRM_Date& window, int cell)
{
    return window.findChild<QLabel*>(QStringLiteral("CnDayLabel%1").arg(cell));
}

// The shown cell whose day number is `day`; 0 when none is.
int cellOfDay(const TFRM_Date& window, int day)
{
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const QLabel* label = dayLabel(window, cell);
        if (label->isVisible() && label->text() == QString::number(day))
            return cell;
    }
    return 0;
}

// The day under the selection mark; 0 when the mark lies on no shown cell.
int markedDay(const TFRM_Date& window)
{
    const QPoint mark = window.findChild<QFrame*>(QStringLiteral("Shape2"))->pos();
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const QLabel* label = dayLabel(window, cell);
        if (label->isVisible() && label->pos() + QPoint(-1, 1) == mark)
            return label->text().toInt();
    }
    return 0;
}

QString labelText(const TFRM_Date& window, const char* name)
{
    return window.findChild<QLabel*>(QLatin1String(name))->text();
}

QSpinBox* spinner(const TFRM_Date& window, const char* name)
{
    return window.findChild<QSpinBox*>(QLatin1String(name));
}

void spinTo(TFRM_Date& window, int year, int month)
{
    spinner(window, "UpDown1")->setValue(year);
    spinner(window, "UpDown2")->setValue(month);
}

} // namespace

class TestDateWin : public QObject {
    Q_OBJECT

private:
    FakePlatform fake;
    lumora::PlatformScope scope{fake};

    TFRM_Date& openOn(QDate today)
    {
        fake.todayDate = today;
        openPerpetualCalendar();
        return *FRM_Date;
    }

private Q_SLOTS:
    void cleanup()
    {
        delete FRM_Date;
        FRM_Date = nullptr;
        fake.modalDialogs.clear();
    }

    void opensOnTodaysMonth()
    {
        TFRM_Date& window = openOn(QDate(2015, 2, 9));
        QCOMPARE(fake.modalDialogs.size(), 1);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tesmer日历"));
        QCOMPARE(labelText(window, "Label1"), QStringLiteral("2015"));
        QCOMPARE(labelText(window, "Label20"), QStringLiteral("2015"));
        QCOMPARE(labelText(window, "Label17"), QStringLiteral("2"));
        QCOMPARE(labelText(window, "Label16"), QStringLiteral("2"));
        QCOMPARE(spinner(window, "UpDown1")->value(), 2015);
        QCOMPARE(spinner(window, "UpDown2")->value(), 2);
        // Before 春节 the lunar year is still that of the horse.
        QCOMPARE(labelText(window, "Label21"), QStringLiteral("午马"));
        QCOMPARE(labelText(window, "Label22"), QStringLiteral("水瓶座"));
        QCOMPARE(markedDay(window), 9);
    }

    void monthUsesItsCells_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("length");
        QTest::newRow("2015-02 from Sunday, 28 days") << 2015 << 2 << 1 << 28;
        QTest::newRow("2015-08 from Saturday, 31 days") << 2015 << 8 << 7 << 31;
        QTest::newRow("2050-12 last month") << 2050 << 12 << 5 << 31;
        QTest::newRow("1901-01 first month") << 1901 << 1 << 3 << 31;
    }

    void monthUsesItsCells()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, firstCell);
        QFETCH(int, length);
        TFRM_Date& window = openOn(QDate(2015, 6, 9));
        spinTo(window, year, month);
        for (int cell = 1; cell <= kCellCount; ++cell) {
            const int day = cell - firstCell + 1;
            const bool used = day >= 1 && day <= length;
            QCOMPARE(dayLabel(window, cell)->isVisible(), used);
            QCOMPARE(cnDayLabel(window, cell)->isVisible(), used);
            if (used) {
                QCOMPARE(dayLabel(window, cell)->text(), QString::number(day));
                QVERIFY2(!cnDayLabel(window, cell)->text().isEmpty(), qPrintable(QString::number(day)));
            }
        }
    }

    void cellShowsTextInColour_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        const QColor orange(0xFF8000), blue(0x5353FF), red(0xFF0000), green(0x004000);
        QTest::newRow("2015-02-18 除夕") << QDate(2015, 2, 18) << QStringLiteral("除夕") << orange;
        QTest::newRow("2015-02-19 春节 over 雨水") << QDate(2015, 2, 19) << QStringLiteral("春节") << orange;
        QTest::newRow("2015-02-04 立春") << QDate(2015, 2, 4) << QStringLiteral("立春") << blue;
        QTest::newRow("2015-02-14 情人节") << QDate(2015, 2, 14) << QStringLiteral("情人节") << orange;
        QTest::newRow("2015-02-20 初二") << QDate(2015, 2, 20) << QStringLiteral("初二") << green;
        QTest::newRow("2020-05-23 闰四") << QDate(2020, 5, 23) << QStringLiteral("闰四") << red;
        QTest::newRow("2020-05-22 三十") << QDate(2020, 5, 22) << QStringLiteral("三十") << green;
        QTest::newRow("2020-05-10 母亲节") << QDate(2020, 5, 10) << QStringLiteral("母亲节") << orange;
        QTest::newRow("2050-12-31 十八") << QDate(2050, 12, 31) << QStringLiteral("十八") << green;
    }

    void cellShowsTextInColour()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        TFRM_Date& window = openOn(QDate(2015, 6, 9));
        spinTo(window, date.year(), date.month());
        const int cell = cellOfDay(window, date.day());
        QVERIFY(cell > 0);
        const QLabel* label = cnDayLabel(window, cell);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QCOMPARE(dayLabel(window, cell)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void everyMonthDrawsEveryDay()
    {
        TFRM_Date& window = openOn(QDate(2015, 6, 9));
        for (int year = lumora::kFirstCnYear; year <= lumora::kLastCnYear; ++year) {
            for (int month = 1; month <= 12; ++month) {
                spinTo(window, year, month);
                const QDate first(year, month, 1);
                const int lastCell = first.dayOfWeek() % 7 + first.daysInMonth();
                const QLabel* last = cnDayLabel(window, lastCell);
                if (!last->isVisible() || last->text().isEmpty())
                    QFAIL(qPrintable(QStringLiteral("%1-%2 not drawn to its end").arg(year).arg(month)));
            }
        }
    }

    void selectedDayIsClampedAndKept()
    {
        TFRM_Date& window = openOn(QDate(2015, 3, 10));
        const int cell = cellOfDay(window, 31);
        QTest::mouseClick(dayLabel(window, cell), Qt::LeftButton);
        QCOMPARE(markedDay(window), 31);

        spinTo(window, 2015, 4);
        QCOMPARE(markedDay(window), 30);
        QCOMPARE(labelText(window, "Label22"), QStringLiteral("金牛座"));
        spinTo(window, 2015, 2);
        QCOMPARE(markedDay(window), 28);
        spinTo(window, 2016, 2);
        QCOMPARE(markedDay(window), 29);
        spinTo(window, 2016, 5);
        QCOMPARE(markedDay(window), 31);
        QCOMPARE(labelText(window, "Label22"), QStringLiteral("双子座"));
    }

    void lunarTextClickActsLikeDayNumber()
    {
        TFRM_Date& window = openOn(QDate(2015, 3, 25));
        const int cell = cellOfDay(window, 20);
        QTest::mousePress(cnDayLabel(window, cell), Qt::LeftButton);
        QCOMPARE(markedDay(window), 20);
        QTest::mouseRelease(cnDayLabel(window, cell), Qt::LeftButton);
        // A click marks and records the day without a redraw; the next month keeps it.
        QCOMPARE(labelText(window, "Label22"), QStringLiteral("白羊座"));
        spinTo(window, 2015, 4);
        QCOMPARE(markedDay(window), 20);
        QCOMPARE(labelText(window, "Label22"), QStringLiteral("金牛座"));
    }

    void numberClickLeavesOnlyItsSpinner()
    {
        TFRM_Date& window = openOn(QDate(2015, 6, 9));
        QSpinBox* year = spinner(window, "UpDown1");
        QSpinBox* month = spinner(window, "UpDown2");
        QVERIFY(year->isVisible() && month->isVisible());
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
        QVERIFY(year->isVisible() && !month->isVisible());
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Label17")), Qt::LeftButton);
        QVERIFY(!year->isVisible() && month->isVisible());
    }

    void todayReturnsToTodaysMonth()
    {
        TFRM_Date& window = openOn(QDate(2015, 6, 9));
        spinTo(window, 2030, 11);
        QCOMPARE(labelText(window, "Label1"), QStringLiteral("2030"));
        fake.todayDate = QDate(2016, 7, 4);
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("StaticText1")), Qt::LeftButton);
        QCOMPARE(labelText(window, "Label1"), QStringLiteral("2016"));
        QCOMPARE(labelText(window, "Label17"), QStringLiteral("7"));
        QCOMPARE(spinner(window, "UpDown1")->value(), 2016);
        QCOMPARE(spinner(window, "UpDown2")->value(), 7);
        QCOMPARE(markedDay(window), 4);
    }

    void closingHidesAndReopeningReplaces()
    {
        TFRM_Date& first = openOn(QDate(2015, 6, 9));
        QPointer<TFRM_Date> earlier(&first);
        first.close();
        QVERIFY(!earlier.isNull());
        QVERIFY(!earlier->isVisible());

        openPerpetualCalendar();
        QVERIFY(earlier.isNull());
        QVERIFY(FRM_Date->isVisible());
        QCOMPARE(fake.modalDialogs.size(), 2);
    }

    // Resting the mouse on either label of a day shows the day's note.
    void dayCellsShowTheirNoteOnHover_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("note");
        QTest::newRow("2015-06-09")
            << QDate(2015, 6, 9) << 9
            << "2015-06-09  农历乙未年四月廿三 星期二\n值神:天牢(黑道)\n宜:解除 坏垣 馀事勿取\n忌:诸事不宜";
        QTest::newRow("2050-12-31, the last day") << QDate(2050, 12, 20) << 31 << "2050-12-31  ";
        QTest::newRow("2051-03-01, no data") << QDate(2051, 3, 1) << 1 << "";
    }
    void dayCellsShowTheirNoteOnHover()
    {
        QFETCH(QDate, today);
        QFETCH(int, day);
        QFETCH(QString, note);
        TFRM_Date& window = openOn(today);
        const int cell = cellOfDay(window, day);
        QVERIFY(cell > 0);
        for (QLabel* label : {dayLabel(window, cell), cnDayLabel(window, cell)}) {
            const QString shown = shownToolTip(label, label->rect().center());
            QVERIFY2(note.isEmpty() ? shown.isEmpty() : shown.startsWith(note), qPrintable(shown));
        }
    }

    void anotherWindowActivatedClosesIt()
    {
        TFRM_Date& window = openOn(QDate(2015, 6, 9));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(FRM_Date == &window);
    }
};

QTEST_MAIN(TestDateWin)
#include "tst_datewin.moc"
