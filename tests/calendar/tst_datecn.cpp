#include "calendar/DateCn.h"

#include <QtTest>

#include <cstdlib>

using namespace lumora;

namespace {

const QDate kFirstDay(kFirstCnYear, 1, 1);
const QDate kLastDay(kLastCnYear, 12, 31);

} // namespace

class TestDateCn : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cnDateOf_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("code");

        QTest::newRow("1900-12-31 before the tables") << QDate(1900, 12, 31) << 0;
        QTest::newRow("2051-01-01 after the tables") << QDate(2051, 1, 1) << 0;
        QTest::newRow("invalid date") << QDate() << 0;

        // The 1901 record: 冬月十一 on 1 January, then months of 29 and 30 days.
        QTest::newRow("1901-01-01 冬月十一") << QDate(1901, 1, 1) << 1111;
        QTest::newRow("1901-01-19 冬月廿九, a 29-day month") << QDate(1901, 1, 19) << 1129;
        QTest::newRow("1901-01-20 腊月初一") << QDate(1901, 1, 20) << 1201;
        QTest::newRow("1901-02-18 腊月三十") << QDate(1901, 2, 18) << 1230;
        QTest::newRow("1901-02-19 正月初一") << QDate(1901, 2, 19) << 101;
        QTest::newRow("2050-01-22 腊月廿九") << QDate(2050, 1, 22) << 1229;
        QTest::newRow("2050-01-23 正月初一") << QDate(2050, 1, 23) << 101;
        QTest::newRow("2050-12-31 冬月十八") << QDate(2050, 12, 31) << 1118;

        QTest::newRow("1984-11-23 闰十月初一") << QDate(1984, 11, 23) << -1001;
        QTest::newRow("2001-05-23 闰四月初一") << QDate(2001, 5, 23) << -401;
        QTest::newRow("2020-05-23 闰四月初一") << QDate(2020, 5, 23) << -401;
        QTest::newRow("2023-03-22 闰二月初一") << QDate(2023, 3, 22) << -201;
        QTest::newRow("2033-12-22 闰冬月初一") << QDate(2033, 12, 22) << -1101;
        // The leap month running across New Year is known only from the year before.
        QTest::newRow("2034-01-01 闰冬月十一") << QDate(2034, 1, 1) << -1111;
        QTest::newRow("2034-01-19 闰冬月廿九") << QDate(2034, 1, 19) << -1129;
        QTest::newRow("2034-01-20 腊月初一") << QDate(2034, 1, 20) << 1201;

        QTest::newRow("2014-01-30 腊月三十") << QDate(2014, 1, 30) << 1230;
        QTest::newRow("2014-01-31 正月初一") << QDate(2014, 1, 31) << 101;
        QTest::newRow("2015-02-18 腊月三十") << QDate(2015, 2, 18) << 1230;
        QTest::newRow("2015-02-19 正月初一") << QDate(2015, 2, 19) << 101;

        // Mended records: these months begin a day earlier or later than first tabled.
        QTest::newRow("1989-08-01 六月三十") << QDate(1989, 8, 1) << 630;
        QTest::newRow("1989-08-02 七月初一") << QDate(1989, 8, 2) << 701;
        QTest::newRow("1989-08-30 七月廿九") << QDate(1989, 8, 30) << 729;
        QTest::newRow("1989-08-31 八月初一") << QDate(1989, 8, 31) << 801;
        QTest::newRow("2013-06-07 四月廿九") << QDate(2013, 6, 7) << 429;
        QTest::newRow("2013-06-08 五月初一") << QDate(2013, 6, 8) << 501;
        QTest::newRow("2013-07-07 五月三十") << QDate(2013, 7, 7) << 530;
        QTest::newRow("2013-07-08 六月初一") << QDate(2013, 7, 8) << 601;
    }
    void cnDateOf()
    {
        QFETCH(QDate, date);
        QFETCH(int, code);
        QCOMPARE(CnDateOf(date), code);
    }

    // Every day of the tables: a month runs on by one day at a time and ends after day 29
    // or 30; the next is the following month, or the leap month after its ordinary one.
    void codesRunWithoutGapOverTheWholeRange()
    {
        CnDateCode previous = CnDateOf(kFirstDay);
        for (QDate date = kFirstDay.addDays(1); date <= kLastDay; date = date.addDays(1)) {
            const QByteArray where = date.toString(Qt::ISODate).toLatin1();
            const CnDateCode code = CnDateOf(date);
            const int month = cnMonthOf(code);
            const int previousMonth = cnMonthOf(previous);
            if (cnDayOf(code) != 1) {
                QVERIFY2(month == previousMonth && cnDayOf(code) == cnDayOf(previous) + 1, where);
            } else {
                QVERIFY2(cnDayOf(previous) == 29 || cnDayOf(previous) == 30, where);
                const bool leapAfterItsMonth = month < 0 && -month == previousMonth;
                const bool followingMonth = month > 0 && month == std::abs(previousMonth) % 12 + 1;
                QVERIFY2(leapAfterItsMonth || followingMonth, where);
            }
            previous = code;
        }
    }

    // Each Gregorian month holds its two terms, 2m − 1 before the 15th and 2m after it.
    void everyMonthHasItsTwoSolarTerms()
    {
        for (int year = kFirstDay.year(); year <= kLastDay.year(); ++year) {
            for (int month = 1; month <= 12; ++month) {
                QList<int> terms;
                for (int day = 1; day <= QDate(year, month, 1).daysInMonth(); ++day) {
                    if (const int term = SolarTermOf(year, month, day); term != 0) {
                        QVERIFY2(day < 15 ? term == 2 * month - 1 : term == 2 * month,
                                 qPrintable(QDate(year, month, day).toString(Qt::ISODate)));
                        terms << term;
                    }
                }
                QCOMPARE(terms, QList<int>({2 * month - 1, 2 * month}));
            }
        }
    }

    void solarTerms2015()
    {
        const QList<QDate> termDays{{2015, 1, 6},  {2015, 1, 20},  {2015, 2, 4},  {2015, 2, 19}, {2015, 3, 6},
                                    {2015, 3, 21}, {2015, 4, 5},   {2015, 4, 20}, {2015, 5, 6},  {2015, 5, 21},
                                    {2015, 6, 6},  {2015, 6, 22},  {2015, 7, 7},  {2015, 7, 23}, {2015, 8, 8},
                                    {2015, 8, 23}, {2015, 9, 8},   {2015, 9, 23}, {2015, 10, 8}, {2015, 10, 24},
                                    {2015, 11, 8}, {2015, 11, 22}, {2015, 12, 7}, {2015, 12, 22}};
        QList<QDate> found;
        for (QDate date(2015, 1, 1); date.year() == 2015; date = date.addDays(1)) {
            if (const int term = SolarTermOf(date.year(), date.month(), date.day()); term != 0) {
                QCOMPARE(term, int(found.size()) + 1);
                found << date;
            }
        }
        QCOMPARE(found, termDays);
    }

    void solarTerms_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("term");
        QTest::addColumn<QString>("name");

        QTest::newRow("1901-01-06 小寒") << QDate(1901, 1, 6) << 1 << "小寒";
        QTest::newRow("1901-01-21 大寒") << QDate(1901, 1, 21) << 2 << "大寒";
        QTest::newRow("2015-06-15 no term") << QDate(2015, 6, 15) << 0 << "";
        QTest::newRow("2015-12-22 冬至") << QDate(2015, 12, 22) << 24 << "冬至";
        QTest::newRow("1900-01-06 before the tables") << QDate(1900, 1, 6) << 0 << "";
        QTest::newRow("2051-01-05 after the tables") << QDate(2051, 1, 5) << 0 << "";
        // Mended terms: on the day they fall, and no longer on the day first tabled.
        QTest::newRow("1995-08-23 处暑") << QDate(1995, 8, 23) << 16 << "处暑";
        QTest::newRow("1995-08-21 no term") << QDate(1995, 8, 21) << 0 << "";
        QTest::newRow("1904-10-09 寒露") << QDate(1904, 10, 9) << 19 << "寒露";
        QTest::newRow("1962-01-20 大寒") << QDate(1962, 1, 20) << 2 << "大寒";
        QTest::newRow("1977-05-05 立夏") << QDate(1977, 5, 5) << 9 << "立夏";
        QTest::newRow("2049-04-04 清明") << QDate(2049, 4, 4) << 7 << "清明";
        QTest::newRow("2050-09-07 白露") << QDate(2050, 9, 7) << 17 << "白露";
        QTest::newRow("2050-09-08 no term") << QDate(2050, 9, 8) << 0 << "";
    }
    void solarTerms()
    {
        QFETCH(QDate, date);
        QFETCH(int, term);
        QFETCH(QString, name);
        QCOMPARE(SolarTermOf(date.year(), date.month(), date.day()), term);
        QCOMPARE(SolarTermName(date), name);
    }

    void solarTermOfRejectsAMonthOutsideTheYear()
    {
        QCOMPARE(SolarTermOf(2015, 0, 6), 0);
        QCOMPARE(SolarTermOf(2015, 13, 6), 0);
    }

    void dayOfYearOf_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("ordinal");

        QTest::newRow("2015-01-01") << QDate(2015, 1, 1) << 1;
        QTest::newRow("2015-03-01 common year") << QDate(2015, 3, 1) << 60;
        QTest::newRow("2016-03-01 leap year") << QDate(2016, 3, 1) << 61;
        QTest::newRow("1900-03-01 century, not leap") << QDate(1900, 3, 1) << 60;
        QTest::newRow("2000-03-01 fourth century, leap") << QDate(2000, 3, 1) << 61;
        QTest::newRow("2015-12-31") << QDate(2015, 12, 31) << 365;
        QTest::newRow("2016-12-31") << QDate(2016, 12, 31) << 366;
        QTest::newRow("invalid date") << QDate() << 0;
    }
    void dayOfYearOf()
    {
        QFETCH(QDate, date);
        QFETCH(int, ordinal);
        QCOMPARE(DayOfYearOf(date), ordinal);
    }

    void lunarNames_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("monthName");
        QTest::addColumn<QString>("dayName");

        QTest::newRow("2015-02-19 正月初一") << QDate(2015, 2, 19) << "正月"
                                             << "初一";
        QTest::newRow("2015-02-18 腊月三十") << QDate(2015, 2, 18) << "腊月"
                                             << "三十";
        QTest::newRow("1901-01-01 冬月十一") << QDate(1901, 1, 1) << "冬月"
                                             << "十一";
        QTest::newRow("2020-05-23 闰四初一") << QDate(2020, 5, 23) << "闰四"
                                             << "初一";
        QTest::newRow("2033-12-22 闰冬初一") << QDate(2033, 12, 22) << "闰冬"
                                             << "初一";
        QTest::newRow("2034-01-01 闰冬十一") << QDate(2034, 1, 1) << "闰冬"
                                             << "十一";
        QTest::newRow("2015-06-09 四月廿三") << QDate(2015, 6, 9) << "四月"
                                             << "廿三";
        QTest::newRow("2015-10-24 九月十二") << QDate(2015, 10, 24) << "九月"
                                             << "十二";
        QTest::newRow("2051-01-01 after the tables") << QDate(2051, 1, 1) << ""
                                                     << "";
    }
    void lunarNames()
    {
        QFETCH(QDate, date);
        QFETCH(QString, monthName);
        QFETCH(QString, dayName);
        QCOMPARE(CnMonthName(date), monthName);
        QCOMPARE(CnDayName(date), dayName);
    }

    void cnFestival_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("festival");

        QTest::newRow("2015-02-18 除夕") << QDate(2015, 2, 18) << "除夕";
        QTest::newRow("2015-02-19 春节") << QDate(2015, 2, 19) << "春节";
        QTest::newRow("2015-03-05 元宵节") << QDate(2015, 3, 5) << "元宵节";
        QTest::newRow("2015-06-20 端午节") << QDate(2015, 6, 20) << "端午节";
        QTest::newRow("2015-08-20 七夕节") << QDate(2015, 8, 20) << "七夕节";
        QTest::newRow("2015-09-27 中秋节") << QDate(2015, 9, 27) << "中秋节";
        QTest::newRow("2015-10-21 重阳节") << QDate(2015, 10, 21) << "重阳节";
        QTest::newRow("2016-01-17 腊八节") << QDate(2016, 1, 17) << "腊八节";
        QTest::newRow("2014-01-30 除夕") << QDate(2014, 1, 30) << "除夕";
        QTest::newRow("2050-01-22 除夕 of a 29-day month") << QDate(2050, 1, 22) << "除夕";
        QTest::newRow("2015-02-17 腊月廿九 of a 30-day month") << QDate(2015, 2, 17) << "";
        QTest::newRow("2020-05-23 闰四初一") << QDate(2020, 5, 23) << "";
        QTest::newRow("2020-06-25 端午节, after the leap month") << QDate(2020, 6, 25) << "端午节";
        QTest::newRow("2013-06-12 端午节 (mended month)") << QDate(2013, 6, 12) << "端午节";
        QTest::newRow("2013-06-13 五月初六") << QDate(2013, 6, 13) << "";
        QTest::newRow("1989-08-08 七夕节 (mended month)") << QDate(1989, 8, 8) << "七夕节";
        QTest::newRow("2050-12-31 last day of the tables") << QDate(2050, 12, 31) << "";
    }
    void cnFestival()
    {
        QFETCH(QDate, date);
        QFETCH(QString, festival);
        QCOMPARE(CnFestival(date), festival);
    }

    void cnZodiacName_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("zodiac");

        QTest::newRow("2015-02-18 午马, lunar year not yet turned") << QDate(2015, 2, 18) << "午马";
        QTest::newRow("2015-02-19 未羊") << QDate(2015, 2, 19) << "未羊";
        QTest::newRow("2014-01-30 巳蛇") << QDate(2014, 1, 30) << "巳蛇";
        QTest::newRow("2014-01-31 午马") << QDate(2014, 1, 31) << "午马";
        QTest::newRow("2016-01-17 未羊") << QDate(2016, 1, 17) << "未羊";
        QTest::newRow("2015-12-20 未羊, 冬月 in December") << QDate(2015, 12, 20) << "未羊";
        QTest::newRow("2034-01-01 丑牛, in a leap 冬月") << QDate(2034, 1, 1) << "丑牛";
        QTest::newRow("1901-01-01 子鼠") << QDate(1901, 1, 1) << "子鼠";
        QTest::newRow("1971-06-01 亥猪") << QDate(1971, 6, 1) << "亥猪";
        QTest::newRow("1972-06-01 子鼠") << QDate(1972, 6, 1) << "子鼠";
    }
    void cnZodiacName()
    {
        QFETCH(QDate, date);
        QFETCH(QString, zodiac);
        QCOMPARE(CnZodiacName(date), zodiac);
    }

    void gregFestival_data()
    {
        QTest::addColumn<QDate>("monthDate");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("festival");

        QTest::newRow("2015-01-01 元旦节") << QDate(2015, 1, 1) << 1 << "元旦节";
        QTest::newRow("2015-02-14 情人节") << QDate(2015, 2, 1) << 14 << "情人节";
        QTest::newRow("2015-05-03 first Sunday") << QDate(2015, 5, 1) << 3 << "";
        QTest::newRow("2015-05-10 母亲节") << QDate(2015, 5, 1) << 10 << "母亲节";
        QTest::newRow("2016-05-08 母亲节") << QDate(2016, 5, 31) << 8 << "母亲节";
        QTest::newRow("2015-06-14 second Sunday") << QDate(2015, 6, 1) << 14 << "";
        QTest::newRow("2015-06-21 父亲节") << QDate(2015, 6, 1) << 21 << "父亲节";
        QTest::newRow("2015-10-06 老人节") << QDate(2015, 10, 1) << 6 << "老人节";
        QTest::newRow("2015-11-08 记者日") << QDate(2015, 11, 1) << 8 << "记者日";
        QTest::newRow("2015-11-19 third Thursday") << QDate(2015, 11, 1) << 19 << "";
        QTest::newRow("2015-11-26 感恩节") << QDate(2015, 11, 1) << 26 << "感恩节";
        QTest::newRow("2015-12-25 圣诞节") << QDate(2015, 12, 1) << 25 << "圣诞节";
        QTest::newRow("2015-12-24") << QDate(2015, 12, 1) << 24 << "";
        QTest::newRow("2015-06-31 a day June lacks") << QDate(2015, 6, 1) << 31 << "";
    }
    void gregFestival()
    {
        QFETCH(QDate, monthDate);
        QFETCH(int, day);
        QFETCH(QString, festival);
        QCOMPARE(GregFestival(day, monthDate), festival);
    }

    void constellationName_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("sign");

        QTest::newRow("01-19 摩羯座") << QDate(2015, 1, 19) << "摩羯座";
        QTest::newRow("01-20 水瓶座") << QDate(2015, 1, 20) << "水瓶座";
        QTest::newRow("02-29 双鱼座") << QDate(2016, 2, 29) << "双鱼座";
        QTest::newRow("08-22 狮子座") << QDate(2015, 8, 22) << "狮子座";
        QTest::newRow("08-23 处女座") << QDate(2015, 8, 23) << "处女座";
        QTest::newRow("08-24 处女座") << QDate(2015, 8, 24) << "处女座";
        QTest::newRow("12-21 射手座") << QDate(2015, 12, 21) << "射手座";
        QTest::newRow("12-22 摩羯座") << QDate(2015, 12, 22) << "摩羯座";
        QTest::newRow("invalid date") << QDate() << "";
    }
    void constellationName()
    {
        QFETCH(QDate, date);
        QFETCH(QString, sign);
        QCOMPARE(ConstellationName(date), sign);
        if (date.isValid())
            QCOMPARE(ConstellationOfDay(date.day(), QDate(date.year(), date.month(), 1)), sign);
    }

    // Through a leap year the sign changes twelve times, once a month, and is never missing.
    void constellationsCoverTheYear()
    {
        int changes = 0;
        QString previous = ConstellationName(QDate(2016, 1, 1));
        for (QDate date(2016, 1, 2); date.year() == 2016; date = date.addDays(1)) {
            const QString sign = ConstellationName(date);
            QVERIFY2(!sign.isEmpty(), qPrintable(date.toString(Qt::ISODate)));
            if (sign != previous)
                ++changes;
            previous = sign;
        }
        QCOMPARE(changes, 12);
    }
};

QTEST_GUILESS_MAIN(TestDateCn)
#include "tst_datecn.moc"
