#include "CliRun.h"
#include "cli/Cli.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;

namespace {

// Standard output that refuses every write, as a full disk or a closed pipe does.
class RefusingDevice : public QIODevice {
public:
    RefusingDevice()
    {
        open(QIODevice::WriteOnly);
        setErrorString(QStringLiteral("No space left on device"));
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

QString firstLine(const QString& text)
{
    return text.section(u'\n', 0, 0);
}

} // namespace

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

    // Both date commands read one date argument alike: the same texts pass, as the same
    // day, and the same texts are refused.
    void datesReadAlikeInAlmanacAndCalendar_data()
    {
        QTest::addColumn<QStringList>("date");
        QTest::addColumn<QString>("isoDay");   // what calendar prints first; empty when refused
        QTest::addColumn<QString>("dateText"); // what almanac echoes first

        QTest::newRow("2015-6-9") << QStringList{"2015-6-9"} << "2015-06-09"
                                  << "2015-6-9";
        QTest::newRow("2015-06-09") << QStringList{"2015-06-09"} << "2015-06-09"
                                    << "2015-06-09";
        QTest::newRow("2015 6 9") << QStringList{"2015", "6", "9"} << "2015-06-09"
                                  << "2015-6-9";
        QTest::newRow("2015 06 09") << QStringList{"2015", "06", "09"} << "2015-06-09"
                                    << "2015-06-09";
        QTest::newRow("02015-006-9") << QStringList{"02015-006-9"} << "2015-06-09"
                                     << "02015-006-9";
        QTest::newRow("trailing newline") << QStringList{"2015-06-09\n"} << ""
                                          << "";
        QTest::newRow("leading blank") << QStringList{" 2015-06-09"} << ""
                                       << "";
        QTest::newRow("day with a trailing newline") << QStringList{"2015", "6", "9\n"} << ""
                                                     << "";
        QTest::newRow("ideographic space") << QStringList{"2015-6-9\u3000"} << ""
                                           << "";
        QTest::newRow("zero-width space") << QStringList{"2015-6\u200b-9"} << ""
                                          << "";
        QTest::newRow("slashes") << QStringList{"2015/6/9"} << ""
                                 << "";
        QTest::newRow("full-width digits") << QStringList{"２０１５-6-9"} << ""
                                           << "";
        QTest::newRow("plus sign") << QStringList{"+2015-6-9"} << ""
                                   << "";
        QTest::newRow("four parts") << QStringList{"2015-6-9-1"} << ""
                                    << "";
        QTest::newRow("no day") << QStringList{"2015-6"} << ""
                                << "";
        QTest::newRow("2015-02-29") << QStringList{"2015-02-29"} << ""
                                    << "";
    }
    void datesReadAlikeInAlmanacAndCalendar()
    {
        QFETCH(QStringList, date);
        QFETCH(QString, isoDay);
        QFETCH(QString, dateText);

        const CliRun calendar = run(QStringList{"calendar"} + date);
        const CliRun almanac = run(QStringList{"almanac"} + date);
        if (isoDay.isEmpty()) {
            QCOMPARE(calendar.status, int(ExitBadInput));
            QCOMPARE(almanac.status, int(ExitBadInput));
            QVERIFY(calendar.out.isEmpty());
            QVERIFY(almanac.out.isEmpty());
            QVERIFY(!calendar.err.isEmpty());
            QVERIFY(!almanac.err.isEmpty());
            return;
        }
        QCOMPARE(calendar.status, int(ExitOk));
        QCOMPARE(almanac.status, int(ExitOk));
        QCOMPARE(calendar.out.section(u'\t', 0, 0), isoDay);
        QCOMPARE(firstLine(almanac.out), dateText + QStringLiteral("  农历乙未年四月廿三 星期二"));
    }

    void almanacComplaints_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        // What the almanac window's date check refuses, in its words.
        QTest::newRow("29 February 2015")
            << QStringList{"almanac", "2015", "02", "29"} << int(ExitBadInput) << "请选择有效的日期!\n";
        QTest::newRow("empty year") << QStringList{"almanac", "", "02", "01"} << int(ExitBadInput) << "请选择年!\n";
        QTest::newRow("empty month in 2015--9")
            << QStringList{"almanac", "2015--9"} << int(ExitBadInput) << "请选择月!\n";
        QTest::newRow("month May") << QStringList{"almanac", "2015", "May", "1"} << int(ExitBadInput)
                                   << "请选择有效的日期!\n";
        // What the window cannot be given.
        QTest::newRow("blank year") << QStringList{"almanac", " ", "02", "01"} << int(ExitBadInput)
                                    << "almanac: ' ' holds a blank or a control character\n";
        QTest::newRow("trailing newline") << QStringList{"almanac", "2015-06-09\n"} << int(ExitBadInput)
                                          << "almanac: '2015-06-09\\n' holds a blank or a control character\n";
        QTest::newRow("tomorrow") << QStringList{"almanac", "tomorrow"} << int(ExitBadInput)
                                  << "almanac: 'tomorrow' is not a date (YYYY-MM-DD or YEAR MONTH DAY)\n";
        QTest::newRow("two arguments") << QStringList{"almanac", "2015", "6"} << int(ExitBadInput)
                                       << "usage: lumora-cli almanac [--full] [DATE]\n";
        QTest::newRow("day outside the data") << QStringList{"almanac", "2051", "1", "1"} << int(ExitNotFound)
                                              << "没有 2051-1-1 的黄历记录（数据覆盖 1901-01-01 至 2050-12-31）\n";
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

    void almanacWithoutArgumentsShowsTheContextsToday()
    {
        const CliRun result = run({"almanac"}); // today pinned to 2015-06-09
        QCOMPARE(result.status, int(ExitOk));
        QVERIFY(result.err.isEmpty());
        QCOMPARE(result.out, run({"almanac", "2015-06-09"}).out);

        CliContext context = pinnedContext();
        context.today = QDate(2016, 4, 24);
        QVERIFY(run({"almanac"}, context).out.startsWith(QStringLiteral("2016-04-24  农历丙申年三月十八 星期日\n")));
    }

    void almanacReadsTheContextsDataFolder()
    {
        QTemporaryDir emptyFolder;
        QVERIFY(emptyFolder.isValid());
        CliContext context = pinnedContext();
        context.dataFolder = emptyFolder.path();
        const CliRun result = run({"almanac", "2015-06-09"}, context);
        QCOMPARE(result.status, int(ExitDataFile));
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.contains(QDir(emptyFolder.path()).filePath(QStringLiteral("VeltaBirth.dll"))),
                 qPrintable(result.err));
    }

    void helpGoesToStandardOutput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("usage");

        const QString program = QStringLiteral("usage: lumora-cli [--color=WHEN] COMMAND [ARGS...]");
        QTest::newRow("-h") << QStringList{"-h"} << program;
        QTest::newRow("--help") << QStringList{"--help"} << program;
        QTest::newRow("help") << QStringList{"help"} << program;
        QTest::newRow("--color=never --help") << QStringList{"--color=never", "--help"} << program;
        QTest::newRow("calendar --help") << QStringList{"calendar", "--help"}
                                         << "usage: lumora-cli calendar [--header] FROM [TO]";
        QTest::newRow("almanac -h") << QStringList{"almanac", "-h"} << "usage: lumora-cli almanac [--full] [DATE]";
        QTest::newRow("help month") << QStringList{"help", "month"} << "usage: lumora-cli month YEAR MONTH";
        QTest::newRow("month 2051 1 --help, help first")
            << QStringList{"month", "2051", "1", "--help"} << "usage: lumora-cli month YEAR MONTH";
        QTest::newRow("chart -h") << QStringList{"chart", "-h"} << "usage: lumora-cli chart";
    }
    void helpGoesToStandardOutput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, usage);
        const CliRun result = run(args);
        QCOMPARE(result.status, int(ExitOk));
        QVERIFY(result.err.isEmpty());
        QCOMPARE(firstLine(result.out), usage);
    }

    void programHelpNamesEveryExitStatus()
    {
        const QString help = run({"--help"}).out;
        const QString statuses = help.section(QStringLiteral("exit status:\n"), 1);
        QStringList codes;
        for (const QString& line : statuses.split(u'\n', Qt::SkipEmptyParts))
            codes << line.trimmed().section(u' ', 0, 0);
        QCOMPARE(codes, (QStringList{"0", "1", "2", "3", "4"}));
    }

    // A command's usage complaint is the first line of its help, so both come from one table.
    void usageComplaintsRepeatTheHelpsUsageLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("almanac 2015 6") << QStringList{"almanac", "2015", "6"};
        QTest::newRow("calendar") << QStringList{"calendar"};
        QTest::newRow("calendar with four arguments") << QStringList{"calendar", "2015-6-9", "2015", "6", "10"};
        QTest::newRow("month 2015") << QStringList{"month", "2015"};
        QTest::newRow("chart 18") << QStringList{"chart", "18"};
        QTest::newRow("help calendar month") << QStringList{"help", "calendar", "month"};
    }
    void usageComplaintsRepeatTheHelpsUsageLine()
    {
        QFETCH(QStringList, args);
        const CliRun result = run(args);
        QCOMPARE(result.status, int(ExitBadInput));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err, firstLine(run({args.first(), "--help"}).out) + u'\n');
    }

    void doubleDashEndsTheOptions()
    {
        QCOMPARE(run({"--", "calendar", "--", "2015-06-09"}).out.left(10), QStringLiteral("2015-06-09"));
        const CliRun dashH = run({"calendar", "--", "-h"});
        QCOMPARE(dashH.status, int(ExitBadInput));
        QCOMPARE(dashH.err, QStringLiteral("calendar: '-h' is not a date (YYYY-MM-DD or YEAR MONTH DAY)\n"));
    }

    void unknownCommandsAndOptionsAreRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");

        QTest::newRow("horoscope")
            << QStringList{"horoscope"}
            << "lumora-cli: unknown command 'horoscope'; run 'lumora-cli --help' for the commands\n";
        QTest::newRow("help horoscope")
            << QStringList{"help", "horoscope"}
            << "lumora-cli: unknown command 'horoscope'; run 'lumora-cli --help' for the commands\n";
        QTest::newRow("command with a newline")
            << QStringList{"chart\n"}
            << "lumora-cli: unknown command 'chart\\n'; run 'lumora-cli --help' for the commands\n";
        QTest::newRow("--bogus") << QStringList{"--bogus", "chart"}
                                 << "lumora-cli: unknown option '--bogus'; run 'lumora-cli --help' for the options\n";
        QTest::newRow("calendar --bogus")
            << QStringList{"calendar", "--bogus", "2015-06-09"}
            << "lumora-cli calendar: unknown option '--bogus'\nusage: lumora-cli calendar [--header] FROM [TO]\n";
        QTest::newRow("month --header")
            << QStringList{"month", "--header", "2015", "2"}
            << "lumora-cli month: unknown option '--header'\nusage: lumora-cli month YEAR MONTH\n";
        QTest::newRow("--color=sometimes")
            << QStringList{"--color=sometimes", "month", "2015", "2"}
            << "lumora-cli: '--color=sometimes' is none of --color=auto, --color=always, --color=never\n";
        QTest::newRow("--color without a value")
            << QStringList{"month", "2015", "2", "--color"}
            << "lumora-cli: '--color' is none of --color=auto, --color=always, --color=never\n";
    }
    void unknownCommandsAndOptionsAreRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const CliRun result = run(args);
        QCOMPARE(result.status, int(ExitBadInput));
        QCOMPARE(result.err, message);
        QVERIFY(result.out.isEmpty());
    }

    void noCommandShowsTheUsageAsAComplaint()
    {
        const CliRun result = run({});
        QCOMPARE(result.status, int(ExitBadInput));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err, run({"--help"}).out);
    }

    void failedWritesEndWithTheirOwnStatus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");

        QTest::newRow("--help") << QStringList{"--help"} << int(ExitWriteFailed);
        QTest::newRow("almanac") << QStringList{"almanac", "2015-06-09"} << int(ExitWriteFailed);
        QTest::newRow("calendar") << QStringList{"calendar", "2015-01-01", "2015-12-31"} << int(ExitWriteFailed);
        QTest::newRow("month") << QStringList{"month", "2015", "2"} << int(ExitWriteFailed);
        QTest::newRow("chart") << QStringList{"chart"} << int(ExitWriteFailed);
        // Nothing written, nothing failed: the command's own status stands.
        QTest::newRow("calendar outside the tables") << QStringList{"calendar", "2051-01-01"} << int(ExitNotFound);
    }
    void failedWritesEndWithTheirOwnStatus()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        RefusingDevice refusing;
        QString errText;
        QTextStream out(&refusing);
        QTextStream err(&errText);
        QCOMPARE(runCli(args, pinnedContext(), out, err), status);
        err.flush();
        if (status == ExitWriteFailed)
            QCOMPARE(errText, QStringLiteral("lumora-cli: could not write the output: No space left on device\n"));
        else
            QVERIFY(!errText.contains(QStringLiteral("could not write")));
    }

    // The built program on a full disk and on a reader that goes away.
    void theProgramReportsFailedWrites()
    {
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/lumora-cli");
        QVERIFY2(QFileInfo::exists(program), qPrintable(program));
        if (!QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("this system has no /dev/full");

        QProcess full;
        full.setStandardOutputFile(QStringLiteral("/dev/full"));
        full.start(program, {"calendar", "2015-01-01", "2015-12-31"});
        QVERIFY(full.waitForFinished());
        QCOMPARE(full.exitStatus(), QProcess::NormalExit);
        QCOMPARE(full.exitCode(), int(ExitWriteFailed));
        QCOMPARE(QString::fromUtf8(full.readAllStandardError()),
                 QStringLiteral("lumora-cli: could not write the output: No space left on device\n"));

        // A reader that stops at once; the whole range is far more than a pipe holds, so
        // the program writes on after the reader has gone.
        const QString quitter = QStandardPaths::findExecutable(QStringLiteral("true"));
        if (quitter.isEmpty())
            QSKIP("this system has no 'true' to read from a pipe");
        QProcess reader;
        QProcess closed;
        closed.setStandardOutputProcess(&reader);
        reader.start(quitter, {});
        closed.start(program, {"calendar", "1901-01-01", "2050-12-31"});
        QVERIFY(reader.waitForFinished());
        QVERIFY(closed.waitForFinished());
        QCOMPARE(closed.exitStatus(), QProcess::NormalExit); // not killed by SIGPIPE
        QCOMPARE(closed.exitCode(), int(ExitWriteFailed));
        QVERIFY(closed.readAllStandardError().startsWith("lumora-cli: could not write the output"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
