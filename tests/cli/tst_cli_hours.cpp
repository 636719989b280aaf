// `lumora-cli hours`, `almanac --full` and `search --huangdao` against the calendar
// library: library-days.tsv holds, for days spread over 1901..2050, what the two
// commands must print, computed by tools/almanac-data/hours.js from the library for each
// day itself (not from the tables the program reads).

#include "CliRun.h"
#include "cli/Cli.h"

#include <QFile>
#include <QtTest>

using namespace lumora;

namespace {

constexpr int kEntryLines = 18; // the overview and the memo's 17 lines

struct SampleDay {
    QStringList hours; // the lines of `hours`
    QStringList full;  // the lines `almanac --full` adds, without the empty ones
};

// The sample by date; a broken file ends the run, since no row could be checked.
QMap<QString, SampleDay> readSample()
{
    QFile file(QStringLiteral(LUMORA_LIBRARY_DAYS));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", LUMORA_LIBRARY_DAYS);
    QMap<QString, SampleDay> days;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const QString date = line.section('\t', 0, 0);
        const QString command = line.section('\t', 1, 1);
        const QString printed = line.section('\t', 2);
        if (command == u"hours")
            days[date].hours << printed;
        else if (command == u"full")
            days[date].full << printed;
        else
            qFatal("unknown command in the sample: %s", qPrintable(line));
    }
    return days;
}

QStringList linesOf(const QString& out)
{
    QStringList lines = out.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The days a search prints: its lines "2015-06-10 星期三 …".
QStringList searchedDays(const QStringList& args)
{
    QStringList days;
    for (const QString& line : linesOf(run(args).out))
        if (QDate::fromString(line.left(10), Qt::ISODate).isValid() && line.mid(11, 2) == u"星期")
            days << line.left(10);
    return days;
}

} // namespace

Q_DECLARE_METATYPE(SampleDay)

class TestCliHours : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void daysAgreeWithTheLibrary_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<SampleDay>("expected");
        const QMap<QString, SampleDay> sample = readSample();
        QVERIFY(sample.size() >= 20);
        for (auto day = sample.cbegin(); day != sample.cend(); ++day)
            QTest::newRow(qPrintable(day.key())) << day.key() << day.value();
    }
    void daysAgreeWithTheLibrary()
    {
        QFETCH(QString, date);
        QFETCH(SampleDay, expected);
        QCOMPARE(expected.hours.size(), 13);
        QCOMPARE(expected.full.size(), 3);

        const CliRun hours = run({"hours", date});
        QCOMPARE(hours.err, QString());
        QCOMPARE(hours.status, int(ExitOk));
        QCOMPARE(linesOf(hours.out), expected.hours);

        const CliRun full = run({"almanac", "--full", date});
        QCOMPARE(full.status, int(ExitOk));
        const QStringList lines = linesOf(full.out);
        QCOMPARE(lines.mid(0, kEntryLines), linesOf(run({"almanac", date}).out));
        QCOMPARE(lines.mid(kEntryLines),
                 (QStringList{"", expected.full[0], "", expected.full[1], "", expected.full[2]}));

        // The day is kept by a 黄道-only search exactly when the library calls it 黄道
        // and the plain search keeps it.
        const QStringList search{"search", "--from", date, "--span", "3天以内", "--activity", "祭祀"};
        const bool kept = searchedDays(search).contains(date);
        const bool huangdao = expected.full[0].endsWith(QStringLiteral("(黄道)"));
        QCOMPARE(searchedDays(search + QStringList{"--huangdao"}).contains(date), kept && huangdao);
    }

    void hoursOf20150609()
    {
        const CliRun result = run({"hours", "2015", "6", "9"});
        QCOMPARE(result.status, int(ExitOk));
        QVERIFY(result.out.startsWith(QStringLiteral("00:00-00:59\t戊子\t天牢\t黑道\t凶\t冲马(壬午)煞南\t"
                                                     "订婚 嫁娶 求财 开市 交易 安床 祭祀\t"
                                                     "赴任 修造 移徙 出行 词讼 祈福 求嗣\n")));
        QCOMPARE(run({"hours"}).out, result.out); // today pinned to 2015-06-09
    }

    void fullOf20150609()
    {
        const CliRun result = run({"almanac", "--full", "2015-06-09"});
        QCOMPARE(result.status, int(ExitOk));
        QCOMPARE(result.out, run({"almanac", "2015-06-09"}).out +
                                 QStringLiteral("\n值神:天牢(黑道)\n\n星宿:翼火蛇(凶)\n\n"
                                                "吉神方位:喜神西南 福神西北 财神西南 阳贵正西 阴贵西北\n"));
    }

    void complaints_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("hours past the data") << QStringList{"hours", "2051-01-01"} << int(ExitNotFound)
                                             << "没有 2051-01-01 的黄历记录（数据覆盖 1901-01-01 至 2050-12-31）\n";
        QTest::newRow("full before the data") << QStringList{"almanac", "--full", "1900-12-31"} << int(ExitNotFound)
                                              << "没有 1900-12-31 的黄历记录（数据覆盖 1901-01-01 至 2050-12-31）\n";
        QTest::newRow("hours on 30 February")
            << QStringList{"hours", "2015", "02", "30"} << int(ExitBadInput) << "请选择有效的日期!\n";
        QTest::newRow("hours of words") << QStringList{"hours", "tomorrow"} << int(ExitBadInput)
                                        << "hours: 'tomorrow' is not a date (YYYY-MM-DD or YEAR MONTH DAY)\n";
        QTest::newRow("hours, two arguments")
            << QStringList{"hours", "2015", "6"} << int(ExitBadInput) << "usage: lumora-cli hours [DATE]\n";
        QTest::newRow("hours without its data file") << QStringList{"hours", "2015-06-09"} << int(ExitDataFile) << "";
    }
    void complaints()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        CliContext context = pinnedContext();
        if (err.isEmpty())
            context.dataFolder = QStringLiteral("/nonexistent");
        const CliRun result = run(args, context);
        QCOMPARE(result.status, status);
        QCOMPARE(result.out, QString());
        if (!err.isEmpty())
            QCOMPARE(result.err, err);
        else
            QVERIFY(!result.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliHours)
#include "tst_cli_hours.moc"
