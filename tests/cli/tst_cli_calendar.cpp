#include "CliRun.h"
#include "cli/Cli.h"
#include "cli/MonthGrid.h"

#include "calendar/ConceptionChart.h"

#include <QRegularExpression>
#include <QtTest>

using namespace lumora;

namespace {

const QString kFebruary2015 = QStringLiteral("2015年2月  午马\n"
                                             " 星期日  星期一  星期二  星期三  星期四  星期五  星期六\n"
                                             "   1       2       3       4       5       6       7\n"
                                             "  十三    十四    十五    立春    十七    十八    十九\n"
                                             "   8       9       10      11      12      13      14\n"
                                             "  二十    廿一    廿二    廿三    廿四    廿五   情人节\n"
                                             "   15      16      17      18      19      20      21\n"
                                             "  廿七    廿八    廿九    除夕    春节    初二    初三\n"
                                             "   22      23      24      25      26      27      28\n"
                                             "  初四    初五    初六    初七    初八    初九    初十\n");

} // namespace

class TestCliCalendar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void calendarLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");

        QTest::newRow("2015-02-19 春节 on 雨水")
            << QStringList{"calendar", "2015-02-19"} << "2015-02-19\t101\t4\t正月\t初一\t春节\t未羊\t雨水\t\t双鱼座\n";
        QTest::newRow("2020-05-22 to 2020-05-23 into a leap month")
            << QStringList{"calendar", "2020-05-22", "2020-05-23"}
            << "2020-05-22\t430\t0\t四月\t三十\t\t子鼠\t\t\t双子座\n"
               "2020-05-23\t-401\t0\t闰四\t初一\t\t子鼠\t\t\t双子座\n";
        QTest::newRow("2015-05-10 母亲节")
            << QStringList{"calendar", "2015-05-10"} << "2015-05-10\t322\t0\t三月\t廿二\t\t未羊\t\t母亲节\t金牛座\n";
        QTest::newRow("2050-12-31 to 2051-01-01 off the tables")
            << QStringList{"calendar", "2050-12-31", "2051-01-01"}
            << "2050-12-31\t1118\t0\t冬月\t十八\t\t午马\t\t\t摩羯座\n"
               "2051-01-01\t0\t0\t\t\t\t未羊\t\t元旦节\t摩羯座\n";
    }
    void calendarLines()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        const CliRun result = run(args);
        QCOMPARE(result.status, int(ExitOk));
        QCOMPARE(result.out, out);
        QVERIFY(result.err.isEmpty());
    }

    void calendarCoversTheWholeRange()
    {
        const CliRun result = run({"calendar", "1901-01-01", "2050-12-31"});
        QCOMPARE(result.status, int(ExitOk));
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), int(QDate(1901, 1, 1).daysTo(QDate(2050, 12, 31))) + 1);
        QVERIFY(lines.first().startsWith(QStringLiteral("1901-01-01\t1111\t")));
        QVERIFY(lines.last().startsWith(QStringLiteral("2050-12-31\t1118\t")));
        for (const QString& line : lines)
            QCOMPARE(line.count(u'\t'), 9);
    }

    void complaints_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");

        QTest::newRow("calendar without dates")
            << QStringList{"calendar"} << "usage: lumora-cli calendar FROM [TO]   (dates as YYYY-MM-DD)\n";
        QTest::newRow("calendar with three dates") << QStringList{"calendar", "2015-01-01", "2015-01-02", "2015-01-03"}
                                                   << "usage: lumora-cli calendar FROM [TO]   (dates as YYYY-MM-DD)\n";
        QTest::newRow("calendar 2015-02-29")
            << QStringList{"calendar", "2015-02-29"} << "calendar: '2015-02-29' is not a date of the form YYYY-MM-DD\n";
        QTest::newRow("calendar 2015-2-1 unpadded")
            << QStringList{"calendar", "2015-2-1"} << "calendar: '2015-2-1' is not a date of the form YYYY-MM-DD\n";
        QTest::newRow("calendar bad TO") << QStringList{"calendar", "2015-02-01", "tomorrow"}
                                         << "calendar: 'tomorrow' is not a date of the form YYYY-MM-DD\n";
        QTest::newRow("calendar TO before FROM") << QStringList{"calendar", "2015-02-03", "2015-02-01"}
                                                 << "calendar: TO 2015-02-01 lies before FROM 2015-02-03\n";
        QTest::newRow("month 2051 1")
            << QStringList{"month", "2051", "1"}
            << "month: the calendar shows years 1901 to 2050 and months 1 to 12, not 2051 1\n";
        QTest::newRow("month 1900 12")
            << QStringList{"month", "1900", "12"}
            << "month: the calendar shows years 1901 to 2050 and months 1 to 12, not 1900 12\n";
        QTest::newRow("month 2015 13")
            << QStringList{"month", "2015", "13"}
            << "month: the calendar shows years 1901 to 2050 and months 1 to 12, not 2015 13\n";
        QTest::newRow("month 2015 May")
            << QStringList{"month", "2015", "May"}
            << "month: the calendar shows years 1901 to 2050 and months 1 to 12, not 2015 May\n";
        QTest::newRow("month without its month")
            << QStringList{"month", "2015"} << "usage: lumora-cli month YEAR MONTH\n";
        QTest::newRow("chart with an argument") << QStringList{"chart", "18"} << "usage: lumora-cli chart\n";
    }
    void complaints()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const CliRun result = run(args);
        QCOMPARE(result.status, int(ExitBadInput));
        QCOMPARE(result.err, message);
        QVERIFY(result.out.isEmpty());
    }

    // Into a string, as into a pipe, the month comes without colours.
    void monthPrintsThePlainGrid()
    {
        const CliRun result = run({"month", "2015", "2"});
        QCOMPARE(result.status, int(ExitOk));
        QCOMPARE(result.out, kFebruary2015);
    }

    void monthOnATerminalIsColouredLikeTheWindow()
    {
        const QString coloured = cli::monthGridText(2015, 2, true);
        QVERIFY(coloured.contains(QStringLiteral("\x1b[38;2;255;128;0m除夕\x1b[0m")));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[38;2;83;83;255m立春\x1b[0m")));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[38;2;0;64;0m十三\x1b[0m")));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[38;2;255;0;0m星期六\x1b[0m")));
        QString stripped = coloured;
        stripped.remove(QRegularExpression(QStringLiteral("\x1b\\[[0-9;]*m")));
        QCOMPARE(stripped, kFebruary2015);
    }

    void monthStartingOnSaturdayFillsSixWeeks()
    {
        // August 2015 begins on a Saturday and has 31 days.
        const QStringList lines = run({"month", "2015", "8"}).out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2 + 2 * 6);
        QCOMPARE(lines[2], QString(6 * 8 + 3, u' ') + u'1'); // under 星期六
        QCOMPARE(lines[12], QStringLiteral("   30      31"));
        QCOMPARE(lines[13], QStringLiteral("  十七    十八"));
    }

    void chartPrintsTheChartAndANewline()
    {
        const CliRun result = run({"chart"});
        QCOMPARE(result.status, int(ExitOk));
        QCOMPARE(result.out, conceptionChartText() + u'\n');
    }
};

QTEST_GUILESS_MAIN(TestCliCalendar)
#include "tst_cli_calendar.moc"
