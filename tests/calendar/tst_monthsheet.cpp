#include "calendar/DateCn.h"
#include "calendar/MonthSheet.h"

#include <QtTest>

using namespace lumora;

class TestMonthSheet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellTexts_data()
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
    void cellTexts()
    {
        QFETCH(QDate, monthDate);
        QFETCH(int, day);
        QFETCH(QString, text);
        QFETCH(unsigned, rgb);
        const DayCellText cell = monthSheetTexts(monthDate).at(day - 1);
        QCOMPARE(cell.text, text);
        QCOMPARE(cellToneRgb(cell.tone), rgb);
    }

    // Whatever else applies, every day the calendar can show has a text under its number.
    void everyDayOfTheRangeHasAText()
    {
        for (QDate month(kFirstCnYear, 1, 1); month.year() <= kLastCnYear; month = month.addMonths(1)) {
            const QList<DayCellText> texts = monthSheetTexts(month);
            QCOMPARE(texts.size(), month.daysInMonth());
            for (int day = 1; day <= texts.size(); ++day)
                QVERIFY2(!texts[day - 1].text.isEmpty(), qPrintable(month.addDays(day - 1).toString(Qt::ISODate)));
        }
    }
};

QTEST_GUILESS_MAIN(TestMonthSheet)
#include "tst_monthsheet.moc"
