#include "CliRun.h"
#include "cli/Cli.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;

namespace {

const QString kReadingOf81 =
    QStringLiteral("状态：大展鸿图，信用得固，名利双收，可获成功\n"
                   "吉凶：吉\n"
                   "具体表现：主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，"
                   "性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。\n");
const QString kRawOf81 =
    QStringLiteral("大展鸿图，信用得固，名利双收，可获成功|吉|主人性格类型：[做事喜好凭直觉型]，"
                   "其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。"
                   "做事喜好凭个人直觉及预感做决定。\n");

// A dream data file in `folder` whose table `shouji` holds one reading, for key 21, so the
// tests do not depend on the authored readings.
void writeDreamFixture(const QString& folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("dream.dll"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cli-shouji"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot build the fixture %s", qPrintable(path));
        QSqlQuery q(db);
        for (const char* sql : {"CREATE TABLE shouji (num TEXT PRIMARY KEY, title TEXT, jx TEXT, content TEXT)",
                                "INSERT INTO shouji VALUES ('21', ' 测试状态 ', '吉', '测试内容 ')"}) {
            if (!q.exec(QString::fromUtf8(sql)))
                qFatal("cannot build the fixture %s: %s", qPrintable(path), qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cli-shouji"));
}

CliContext contextWithDataIn(const QString& folder)
{
    CliContext context = pinnedContext();
    context.dataFolder = folder;
    return context;
}

} // namespace

class TestCliNumbers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numberPrintsTheWindowsLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("81") << QStringList{"number", "81"} << "输入号码是：81\n" + kReadingOf81;
        QTest::newRow("--qq 81") << QStringList{"number", "--qq", "81"} << "qq号码是：81\n" + kReadingOf81;
        QTest::newRow("leading zeros kept in the echo")
            << QStringList{"number", "0081"} << "输入号码是：0081\n" + kReadingOf81;
        QTest::newRow("trimmed as the window trims")
            << QStringList{"number", " 81\n"} << "输入号码是：81\n" + kReadingOf81;
        QTest::newRow("eighteen nines") << QStringList{"number", "999999999999999999"}
                                        << "输入号码是：999999999999999999\n" + kReadingOf81;
        QTest::newRow("26 凶带吉") << QStringList{"number", "--raw", "26"}
                                   << "一成一败，一盛一衰，惟靠谨慎，可守成功|凶带吉|主人性格类型：[做事喜好凭直觉型]，"
                                      "其具体表现为：有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。"
                                      "做事喜好凭个人直觉及预感做决定。\n";
        QTest::newRow("-5 without --") << QStringList{"number", "-5"}
                                       << "输入号码是：-5\n状态：\n吉凶：\n具体表现：对不起,此号不在分解之类。\n";
        QTest::newRow("-5 after --") << QStringList{"number", "--qq", "--", "-5"}
                                     << "qq号码是：-5\n状态：\n吉凶：\n具体表现：对不起,此号不在分解之类。\n";
        QTest::newRow("--raw") << QStringList{"number", "--raw", "810"} << kRawOf81;
        QTest::newRow("--raw, options after the number") << QStringList{"number", "-81", "--raw"} << kRawOf81;
        QTest::newRow("--raw -- -5") << QStringList{"number", "--raw", "--", "-5"} << "对不起,此号不在分解之类。\n";
    }
    void numberPrintsTheWindowsLines()
    {
        QFETCH(QStringList, args);
        const CliRun result = run(args);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, int(ExitOk));
        QTEST(result.out, "out");
    }

    void numberComplaints_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral("usage: lumora-cli number [--qq] [--raw] NUMBER\n");
        QTest::newRow("empty") << QStringList{"number", ""} << "请输入你的号码！\n";
        QTest::newRow("blanks only, --qq") << QStringList{"number", "--qq", "  "} << "请输入你的QQ号码！\n";
        QTest::newRow("letters") << QStringList{"number", "12ab"} << "“12ab”不是有效的整数\n";
        QTest::newRow("blank inside") << QStringList{"number", "12 34"} << "“12 34”不是有效的整数\n";
        QTest::newRow("minus in the middle") << QStringList{"number", "12-34"} << "“12-34”不是有效的整数\n";
        QTest::newRow("nineteen digits") << QStringList{"number", "9999999999999999999"}
                                         << "“9999999999999999999”不是有效的整数\n";
        QTest::newRow("dash text after --") << QStringList{"number", "--", "-x"} << "“-x”不是有效的整数\n";
        QTest::newRow("dash text as an option")
            << QStringList{"number", "-x"} << "lumora-cli number: unknown option '-x'\n" + usage;
        QTest::newRow("no number") << QStringList{"number"} << usage;
        QTest::newRow("two numbers") << QStringList{"number", "1", "2"} << usage;
        QTest::newRow("phone's option") << QStringList{"number", "--key", "1"}
                                        << "lumora-cli number: unknown option '--key'\n" + usage;
    }
    void numberComplaints()
    {
        QFETCH(QStringList, args);
        const CliRun result = run(args);
        QCOMPARE(result.out, QString());
        QTEST(result.err, "err");
        QCOMPARE(result.status, int(ExitBadInput));
    }

    void phoneKey_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("key");
        QTest::newRow("ends in 8901") << "13800138901"
                                      << "21";
        QTest::newRow("ends in 9999") << "13800139999"
                                      << "79";
        QTest::newRow("ends in 0080") << "13800130080"
                                      << "0";
        QTest::newRow("eight digits") << "13800138"
                                      << "8";
    }
    // The key needs no data file: an empty data folder will do.
    void phoneKey()
    {
        QFETCH(QString, number);
        QTemporaryDir empty;
        const CliRun result = run({"phone", "--key", number}, contextWithDataIn(empty.path()));
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, int(ExitOk));
        QFETCH(QString, key);
        QCOMPARE(result.out, key + u'\n');
    }

    void phoneComplaints_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("empty") << QStringList{"phone", ""} << "请输入11位手机号码！\n";
        QTest::newRow("blanks only") << QStringList{"phone", "--key", " "} << "请输入11位手机号码！\n";
        QTest::newRow("seven digits") << QStringList{"phone", "1380013"}
                                      << "手机号码“1380013”不足8位，取不到第8至11位\n";
        QTest::newRow("letters in the group")
            << QStringList{"phone", "--key", "1380013abcd"} << "手机号码“1380013abcd”的第8至11位“abcd”不全是数字\n";
        QTest::newRow("no number") << QStringList{"phone"} << "usage: lumora-cli phone [--key] NUMBER\n";
    }
    void phoneComplaints()
    {
        QFETCH(QStringList, args);
        const CliRun result = run(args);
        QCOMPARE(result.out, QString());
        QTEST(result.err, "err");
        QCOMPARE(result.status, int(ExitBadInput));
    }

    void phoneReadsTheContextsDataFolder()
    {
        QTemporaryDir folder;
        writeDreamFixture(folder.path());
        const CliContext context = contextWithDataIn(folder.path());

        const CliRun found = run({"phone", " 13800138901 "}, context);
        QCOMPARE(found.err, QString());
        QCOMPARE(found.status, int(ExitOk));
        QCOMPARE(found.out, QStringLiteral("手机号码是：13800138901\n状态：测试状态\n吉凶：吉\n具体表现：测试内容\n"));

        const CliRun notFound = run({"phone", "13800138902"}, context);
        QCOMPARE(notFound.out, QString());
        QCOMPARE(notFound.err, QStringLiteral("dream.dll 中没有键 22 的手机号码解读\n"));
        QCOMPARE(notFound.status, int(ExitNotFound));
    }

    void phoneWithoutItsDataFile()
    {
        QTemporaryDir empty;
        const CliRun result = run({"phone", "13800138901"}, contextWithDataIn(empty.path()));
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.contains(QStringLiteral("dream.dll")), qPrintable(result.err));
        QCOMPARE(result.status, int(ExitDataFile));
    }
};

QTEST_GUILESS_MAIN(TestCliNumbers)
#include "tst_cli_numbers.moc"
