// lumora-cli where things go wrong: each spoilt data file, an output that cannot be
// written, and a megabyte of text in place of every argument.

#include "CliRun.h"
#include "support/TamperedDataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace lumora;

namespace {

// One working invocation of every command, by name.
QList<QPair<const char*, QStringList>> everyCommand()
{
    return {
        {"almanac", {"almanac", "2015-06-09"}},
        {"calendar", {"calendar", "2015-06-09"}},
        {"month", {"month", "2015", "6"}},
        {"chart", {"chart"}},
        {"number", {"number", "81"}},
        {"phone", {"phone", "13812348901"}},
        {"pinyin", {"pinyin", "中文"}},
        {"netname", {"netname", "小明"}},
        {"bodysign", {"bodysign", "1"}},
        {"search", {"search"}},
        {"pair", {"pair", "鼠", "牛"}},
        {"help", {"help"}},
        {"almanac --help", {"almanac", "--help"}},
    };
}

struct DataReader {
    const char* name;
    QStringList args;
    const char* file;
    const char* table;
    const char* column;
};

const QList<DataReader>& dataReaders()
{
    static const QList<DataReader> readers{
        {"almanac", {"almanac", "2015-06-09"}, "VeltaBirth.dll", "lumora", "suici"},
        {"search", {"search"}, "VeltaBirth.dll", "lumora", "yi"},
        {"phone", {"phone", "13812348901"}, "dream.dll", "shouji", "content"},
        {"pair", {"pair", "鼠", "牛"}, "VeltaBirth.dll", "shuxianglove", "content2"},
    };
    return readers;
}

QString program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/lumora-cli");
}

} // namespace

class TestCliFaults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Status 2 and a message naming the file, whatever is wrong with it; nothing in the
    // folder changes and nothing is printed as if it had been read.
    void spoiltDataFilesEndWithStatus2NamingTheFile_data()
    {
        QTest::addColumn<int>("reader");
        QTest::addColumn<int>("tampering");
        QTest::addColumn<QString>("message");
        for (qsizetype r = 0; r < dataReaders().size(); ++r)
            for (const TamperingCase& tampered : tamperingCases())
                QTest::addRow("%s, %s", dataReaders()[r].name, tampered.name)
                    << int(r) << int(tampered.tampering) << tampered.message;
    }
    void spoiltDataFilesEndWithStatus2NamingTheFile()
    {
        QFETCH(int, reader);
        QFETCH(int, tampering);
        QFETCH(QString, message);
        const DataReader& command = dataReaders()[reader];
        if (tamperingNeedsOtherUser(Tampering(tampering)))
            QSKIP("running as root, which reads every file");
        QTemporaryDir dir;
        const QString path = dir.filePath(QLatin1String(command.file));
        placeTampered(path, Tampering(tampering),
                      QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(command.file)),
                      QLatin1String(command.table), QLatin1String(command.column));
        const QStringList before = fingerprintOf(dir.path());

        CliContext context = pinnedContext();
        context.dataFolder = dir.path();
        const CliRun result = run(command.args, context);
        QCOMPARE(result.status, int(ExitDataFile));
        QVERIFY2(result.err.startsWith(message) && result.err.contains(QDir::toNativeSeparators(path)),
                 qPrintable(result.err));
        QVERIFY2(result.out.isEmpty(), qPrintable(result.out.left(200)));
        QCOMPARE(fingerprintOf(dir.path()), before);
    }

    // The built program, its standard output closed or a full device: status 4 and a
    // message, for every command.
    void unwritableOutputEndsWithStatus4_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("closed"); // else /dev/full
        for (const auto& [name, args] : everyCommand()) {
            QTest::addRow("%s, output closed", name) << args << true;
            QTest::addRow("%s, output full", name) << args << false;
        }
    }
    void unwritableOutputEndsWithStatus4()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, closed);
        QVERIFY2(QFileInfo::exists(program()), qPrintable(program()));
        if (!closed && !QFileInfo::exists(QStringLiteral("/dev/full")))
            QSKIP("this system has no /dev/full");
        QProcess process;
        if (closed)
            process.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        else
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(program(), args);
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), int(ExitWriteFailed));
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(err.startsWith("lumora-cli: could not write the output: ") && err.endsWith('\n'), err.constData());
    }

    // A megabyte pasted in place of each argument in turn: a clear answer (done, a
    // complaint, nothing found), never a crash nor a hang; the watchdog bounds the time.
    void aMegabyteArgumentIsAnsweredPromptly_data()
    {
        QTest::addColumn<QStringList>("args");
        const QString digits(1'000'000, u'9');
        const QString han(1'000'000, u'中');
        for (const auto& [name, args] : everyCommand()) {
            for (qsizetype at = 0; at < args.size(); ++at) {
                for (const auto& [kind, text] : {std::pair{"digits", digits}, std::pair{"Chinese", han}}) {
                    QStringList huge = args;
                    huge[at] = text;
                    QTest::addRow("%s, argument %d in %s", name, int(at), kind) << huge;
                }
            }
        }
    }
    void aMegabyteArgumentIsAnsweredPromptly()
    {
        QFETCH(QStringList, args);
        const CliRun result = run(args);
        QVERIFY2(QList<int>({ExitOk, ExitBadInput, ExitNotFound}).contains(result.status),
                 qPrintable(QString::number(result.status)));
        QCOMPARE(result.status != ExitOk, !result.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliFaults)
#include "tst_cli_faults.moc"
