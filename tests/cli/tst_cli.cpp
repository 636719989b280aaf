#include "CliRun.h"
#include "cli/Cli.h"

#include <QtTest>

using namespace lumora;

class TestCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void almanacPrintsTheOverviewAndTheMemo()
    {
        const CliRun padded = run({"almanac", "2015", "06", "09"});
        QCOMPARE(padded.status, int(ExitOk));
        QVERIFY(padded.err.isEmpty());
        const QStringList lines = padded.out.split('\n');
        QCOMPARE(lines.size(), 19); // overview, 17 memo lines, and the final newline
        QCOMPARE(lines[0], QStringLiteral("2015-06-09  农历乙未年四月廿三 星期二"));
        QCOMPARE(lines[1], QStringLiteral("岁次:乙未年 壬午月 丙辰日"));
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines[13], QStringLiteral("宜:解除 坏垣 馀事勿取"));
        QCOMPARE(lines[17], QStringLiteral("忌:诸事不宜"));

        // Typed unpadded, the same day: only the echoed date text differs.
        const CliRun unpadded = run({"almanac", "2015", "6", "9"});
        QCOMPARE(unpadded.status, int(ExitOk));
        QCOMPARE(unpadded.out.section('\n', 1), padded.out.section('\n', 1));
        QVERIFY(unpadded.out.startsWith(QStringLiteral("2015-6-9  农历乙未年四月廿三 星期二\n")));
    }

    void almanacComplaints_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("29 February 2015")
            << QStringList{"almanac", "2015", "02", "29"} << int(ExitBadInput) << "请选择有效的日期!\n";
        QTest::newRow("blank year") << QStringList{"almanac", " ", "02", "01"} << int(ExitBadInput) << "请选择年!\n";
        QTest::newRow("day outside the data") << QStringList{"almanac", "2051", "1", "1"} << int(ExitNotFound)
                                              << "没有 2051-1-1 的黄历记录（数据覆盖 1901-01-01 至 2050-12-31）\n";
        QTest::newRow("two arguments") << QStringList{"almanac", "2015", "6"} << int(ExitBadInput)
                                       << "usage: lumora-cli almanac [YEAR MONTH DAY]\n";
    }
    void almanacComplaints()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const CliRun result = run(args);
        QCOMPARE(result.status, status);
        QCOMPARE(result.err, message);
        QVERIFY(result.out.isEmpty());
    }

    void almanacWithoutArgumentsShowsToday()
    {
        const CliRun result = run({"almanac"});
        QCOMPARE(result.status, int(ExitOk));
        QVERIFY(result.out.startsWith(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd  农历"))));
    }

    void unknownCommandsAreRefused()
    {
        const CliRun result = run({"horoscope"});
        QCOMPARE(result.status, int(ExitBadInput));
        QVERIFY(result.err.startsWith(QStringLiteral("lumora-cli: unknown command 'horoscope'")));
        QCOMPARE(run({}).status, int(ExitBadInput));
        QCOMPARE(run({"--help"}).status, int(ExitOk));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
