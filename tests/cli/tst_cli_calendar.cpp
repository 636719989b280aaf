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
        QTest::newRow("2015 2 19 as three arguments") << QStringList{"calendar", "2015", "2", "19"}
                                                      << "2015-02-19\t101\t4\t正月\t初一\t春节\t未羊\t雨水\t\t双鱼座\n";
        QTest::newRow("2020 5 22 to 2020 05 23 as six arguments")
            << QStringList{"calendar", "2020", "5", "22", "2020", "05", "23"}
            << "2020-05-22\t430\t0\t四月\t三十\t\t子鼠\t\t\t双子座\n"
               "2020-05-23\t-401\t0\t闰四\t初一\t\t子鼠\t\t\t双子座\n";
        QTest::newRow("2050-12-31, the tables' last day")
            << QStringList{"calendar", "2050-12-31"} << "2050-12-31\t1118\t0\t冬月\t十八\t\t午马\t\t\t摩羯座\n";
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

    void headerNamesTheColumnsOfTheHelp()
    {
        const CliRun result = run({"calendar", "--header", "2015-02-19"});
        QCOMPARE(result.status, int(ExitOk));
        const QStringList lines = result.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("date\tlunar_code\tterm_number\tlunar_month\tlunar_day\t"
                                          "lunar_festival\tzodiac\tsolar_term\tfestival\tconstellation"));
        QCOMPARE(lines[0].count(u'\t'), lines[1].count(u'\t'));
        QCOMPARE(run({"calendar", "2015-02-19", "--header"}).out, result.out);

        // The help lists the same names, numbered, in the same order.
        const QString help =
            run({"calendar", "--help"}).out.section(QStringLiteral("columns, separated by tabs:\n"), 1);
        QStringList helpNames;
        for (const QString& line : help.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList words = line.simplified().split(u' ');
            QCOMPARE(words[0], QString::number(helpNames.size() + 1));
            helpNames << words[1];
        }
        QCOMPARE(helpNames.join(u'\t'), lines[0]);
    }

    void complaints_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        const int bad = ExitBadInput;
        const int outside = ExitNotFound;
        QTest::newRow("calendar 2015-02-29") << QStringList{"calendar", "2015-02-29"} << bad
                                             << "calendar: '2015-02-29' is not a date (YYYY-MM-DD or YEAR MONTH DAY)\n";
        QTest::newRow("calendar 2015 2 29")
            << QStringList{"calendar", "2015", "2", "29"} << bad
            << "calendar: '2015' '2' '29' is not a date (YYYY-MM-DD or YEAR MONTH DAY)\n";
        QTest::newRow("calendar bad TO") << QStringList{"calendar", "2015-02-01", "tomorrow"} << bad
                                         << "calendar: 'tomorrow' is not a date (YYYY-MM-DD or YEAR MONTH DAY)\n";
        QTest::newRow("calendar FROM with a trailing newline")
            << QStringList{"calendar", "2015-02-01\n"} << bad
            << "calendar: '2015-02-01\\n' holds a blank or a control character\n";
        QTest::newRow("calendar TO before FROM") << QStringList{"calendar", "2015-02-03", "2015-2-1"} << bad
                                                 << "calendar: TO 2015-2-1 lies before FROM 2015-02-03\n";
        QTest::newRow("calendar 2051-01-01") << QStringList{"calendar", "2051-01-01"} << outside
                                             << "calendar: 2051-01-01 lies outside the lunar tables, which cover "
                                                "1901-01-01 to 2050-12-31\n";
        QTest::newRow("calendar 2050-12-31 to 2051-01-01")
            << QStringList{"calendar", "2050-12-31", "2051-01-01"} << outside
            << "calendar: 2051-01-01 lies outside the lunar tables, which cover 1901-01-01 to 2050-12-31\n";
        QTest::newRow("calendar 1900 12 31") << QStringList{"calendar", "1900", "12", "31"} << outside
                                             << "calendar: 1900-12-31 lies outside the lunar tables, which cover "
                                                "1901-01-01 to 2050-12-31\n";
        QTest::newRow("month 2051 1") << QStringList{"month", "2051", "1"} << outside
                                      << "month: year 2051 lies outside the lunar tables, which cover 1901-01-01 "
                                         "to 2050-12-31\n";
        QTest::newRow("month 1900 12") << QStringList{"month", "1900", "12"} << outside
                                       << "month: year 1900 lies outside the lunar tables, which cover 1901-01-01 "
                                          "to 2050-12-31\n";
        QTest::newRow("month 2015 13") << QStringList{"month", "2015", "13"} << bad
                                       << "month: '13' is not a month from 1 to 12\n";
        QTest::newRow("month 2015 May") << QStringList{"month", "2015", "May"} << bad
                                        << "month: 'May' is not a month from 1 to 12\n";
        QTest::newRow("month MMXV 5") << QStringList{"month", "MMXV", "5"} << bad << "month: 'MMXV' is not a year\n";
        QTest::newRow("month 2051 13, the bad month first")
            << QStringList{"month", "2051", "13"} << bad << "month: '13' is not a month from 1 to 12\n";
        QTest::newRow("month with a trailing newline")
            << QStringList{"month", "2015", "2\n"} << bad << "month: '2\\n' holds a blank or a control character\n";
    }
    void complaints()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const CliRun result = run(args);
        QCOMPARE(result.status, status);
        QCOMPARE(result.err, message);
        QVERIFY(result.out.isEmpty());
    }

    // Into a string, as into a pipe, the month comes without colours, today unmarked.
    void monthPrintsThePlainGrid()
    {
        CliContext context = pinnedContext();
        context.today = QDate(2015, 2, 10);
        const CliRun result = run({"month", "2015", "02"}, context);
        QCOMPARE(result.status, int(ExitOk));
        QCOMPARE(result.out, kFebruary2015);
    }

    void monthInColourKeepsTheGridAndMarksToday()
    {
        const QString coloured = cli::monthGridText(2015, 2, true, QDate(2015, 2, 10));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[33m除夕\x1b[0m")));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[34m立春\x1b[0m")));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[32m十三\x1b[0m")));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[33m情人节\x1b[0m")));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[31m星期六\x1b[0m")));
        QVERIFY(coloured.contains(QStringLiteral("\x1b[30;42m10\x1b[0m")));
        QCOMPARE(coloured.count(QStringLiteral("\x1b[30;42m")), 1);
        // No 24-bit colours, which are lost on one of the two kinds of background.
        QVERIFY(!coloured.contains(QStringLiteral("38;2;")));
        QString stripped = coloured;
        stripped.remove(QRegularExpression(QStringLiteral("\x1b\\[[0-9;]*m")));
        QCOMPARE(stripped, kFebruary2015);

        // A new lunar month in red: 2015-03-20 is 二月初一.
        QVERIFY(cli::monthGridText(2015, 3, true, {}).contains(QStringLiteral("\x1b[31m二月\x1b[0m")));
        // Today in another month marks nothing.
        QVERIFY(!cli::monthGridText(2015, 2, true, QDate(2015, 3, 10)).contains(QStringLiteral("42m")));
    }

    void colourFollowsTheOptionAndTheTerminal_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("terminal");
        QTest::addColumn<QString>("noColor");
        QTest::addColumn<QString>("term");
        QTest::addColumn<bool>("coloured");

        const QStringList month{"month", "2015", "2"};
        QTest::newRow("terminal") << month << true << ""
                                  << "xterm" << true;
        QTest::newRow("pipe") << month << false << ""
                              << "xterm" << false;
        QTest::newRow("terminal, NO_COLOR=1") << month << true << "1"
                                              << "xterm" << false;
        QTest::newRow("terminal, NO_COLOR empty") << month << true << ""
                                                  << "xterm" << true;
        QTest::newRow("terminal, TERM=dumb") << month << true << ""
                                             << "dumb" << false;
        QTest::newRow("terminal, --color=never") << QStringList{"--color=never"} + month << true << ""
                                                 << "xterm" << false;
        QTest::newRow("terminal, --color=auto") << QStringList{"--color=auto"} + month << true << ""
                                                << "xterm" << true;
        QTest::newRow("pipe, --color=always") << QStringList{"--color=always"} + month << false << ""
                                              << "xterm" << true;
        QTest::newRow("NO_COLOR=1, --color=always after the command")
            << month + QStringList{"--color=always"} << true << "1"
            << "dumb" << true;
        QTest::newRow("--color=always then --color=never, the last wins")
            << QStringList{"--color=always"} + month + QStringList{"--color=never"} << true << ""
            << "xterm" << false;
    }
    void colourFollowsTheOptionAndTheTerminal()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, terminal);
        QFETCH(QString, noColor);
        QFETCH(QString, term);
        QFETCH(bool, coloured);
        CliContext context = pinnedContext();
        context.stdoutIsTerminal = terminal;
        context.noColor = noColor;
        context.term = term;
        const CliRun result = run(args, context);
        QCOMPARE(result.status, int(ExitOk));
        QCOMPARE(result.out.contains(u'\x1b'), coloured);
    }

    // Colour is for the month view only; calendar lines stay plain data.
    void calendarLinesNeverCarryColour()
    {
        CliContext context = pinnedContext();
        context.stdoutIsTerminal = true;
        QCOMPARE(run({"--color=always", "calendar", "2015-02-19"}, context).out, run({"calendar", "2015-02-19"}).out);
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
