#include "calendar/MonthSheet.h"

#include <QtTest>

using namespace lumora;

class TestMonthSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void dayCellTextOf_data()
    {
        QTest::addColumn<QDate>("monthDate");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned>("rgb");

        QTest::newRow("2015-02-01 十三") << QDate(2015, 2, 1) << 1 << "十三" << 0x004000u;
        QTest::newRow("2015-02-04 立春") << QDate(2015, 2, 1) << 4 << "立春" << 0x5353FFu;
        QTest::newRow("2015-02-14 情人节") << QDate(2015, 2, 1) << 14 << "情人节" << 0xFF8000u;
        QTest::newRow("2015-02-18 除夕") << QDate(2015, 2, 1) << 18 << "除夕" << 0xFF8000u;
        QTest::newRow("2015-02-19 春节 over 雨水") << QDate(2015, 2, 28) << 19 << "春节" << 0xFF8000u;
        QTest::newRow("2020-05-10 母亲节") << QDate(2020, 5, 1) << 10 << "母亲节" << 0xFF8000u;
        QTest::newRow("2020-05-22 三十") << QDate(2020, 5, 1) << 22 << "三十" << 0x004000u;
        QTest::newRow("2020-05-23 闰四") << QDate(2020, 5, 1) << 23 << "闰四" << 0xFF0000u;
        QTest::newRow("2001-10-01 中秋节 over 国庆节") << QDate(2001, 10, 1) << 1 << "中秋节" << 0xFF8000u;
        QTest::newRow("2015-11-08 立冬 over 记者日") << QDate(2015, 11, 1) << 8 << "立冬" << 0x5353FFu;
        QTest::newRow("2001-06-21 夏至 over 五月") << QDate(2001, 6, 1) << 21 << "夏至" << 0x5353FFu;
        QTest::newRow("2002-05-12 母亲节 over 四月") << QDate(2002, 5, 1) << 12 << "母亲节" << 0xFF8000u;
        QTest::newRow("2013-06-08 五月") << QDate(2013, 6, 1) << 8 << "五月" << 0xFF0000u;
        QTest::newRow("2013-06-12 端午节") << QDate(2013, 6, 1) << 12 << "端午节" << 0xFF8000u;
        QTest::newRow("2050-12-31 十八") << QDate(2050, 12, 1) << 31 << "十八" << 0x004000u;
    }
    void dayCellTextOf()
    {
        QFETCH(QDate, monthDate);
        QFETCH(int, day);
        QFETCH(QString, text);
        QFETCH(unsigned, rgb);
        const DayCellText cell = DayCellTextOf(monthDate, day);
        QCOMPARE(cell.text, text);
        QCOMPARE(CellToneRgb(cell.tone), rgb);
    }

    // Whatever else applies, every day the calendar can show has a text under its number.
    void everyDayOfTheRangeHasAText()
    {
        for (QDate date(1901, 1, 1); date.year() <= 2050; date = date.addDays(1))
            QVERIFY2(!DayCellTextOf(date, date.day()).text.isEmpty(), qPrintable(date.toString(Qt::ISODate)));
    }
};

QTEST_GUILESS_MAIN(TestMonthSheet)
#include "tst_monthsheet.moc"
