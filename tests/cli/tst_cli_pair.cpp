// lumora-cli pair, over the built VeltaBirth.dll: all 144 pairings, read as the window shows
// them, checked against the traditional relations of the animals written out here on their
// own; and the command's complaints.

#include "CliRun.h"
#include "cli/Cli.h"
#include "data/uShare.h"
#include "support/PairingFixture.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;

namespace {

const QString kAnimals = QStringLiteral("鼠牛虎兔龙蛇马羊猴鸡狗猪");
const QString kBranches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
const QString kAnimalList = QStringLiteral("鼠 牛 虎 兔 龙 蛇 马 羊 猴 鸡 狗 猪");

// Which pairs of animals hold which relation, either way round.
// clang-format off
const QList<std::pair<QString, QStringList>> kRelations{
    {"六合",     {"鼠牛", "虎猪", "兔狗", "龙鸡", "蛇猴", "马羊"}},
    {"三合",     {"猴鼠", "鼠龙", "猴龙", "猪兔", "兔羊", "猪羊", "虎马", "马狗", "虎狗", "蛇鸡", "鸡牛", "蛇牛"}},
    {"六冲",     {"鼠马", "牛羊", "虎猴", "兔鸡", "龙狗", "蛇猪"}},
    {"六害",     {"鼠羊", "牛马", "虎蛇", "兔龙", "猴猪", "鸡狗"}},
    {"相刑",     {"鼠兔", "虎蛇", "蛇猴", "虎猴", "牛狗", "狗羊", "牛羊"}},
    {"无礼之刑", {"鼠兔"}},
    {"无恩之刑", {"虎蛇", "蛇猴", "虎猴"}},
    {"恃势之刑", {"牛狗", "狗羊", "牛羊"}},
    {"自刑",     {"龙龙", "马马", "鸡鸡", "猪猪"}},
    {"相破",     {"鼠鸡", "兔马", "龙牛", "羊狗", "虎猪", "蛇猴"}},
};
// clang-format on

bool holds(const QStringList& pairs, QChar man, QChar woman)
{
    return pairs.contains(QString(man) + woman) || pairs.contains(QString(woman) + man);
}

CliContext contextWithDataIn(const QString& folder)
{
    CliContext context = pinnedContext();
    context.dataFolder = folder;
    return context;
}

// A VeltaBirth.dll in `folder` whose only pairing, 鼠/牛, has two damaged pairs in content2.
void writeDamagedFixture(const QString& folder)
{
    const QString damaged = QStringLiteral("G1") +
                            encodeContent(QStringLiteral("第二段"), kContentKey, kContentRounds) + QStringLiteral("xx");
    writePairingFixture(QDir(folder).filePath(QStringLiteral("VeltaBirth.dll")),
                        {{"鼠", "牛", "", "", damaged, "", ""}});
}

} // namespace

class TestCliPair : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyPairReadsAsItsRelationsSay()
    {
        QSet<QString> readings;
        for (const QChar man : kAnimals) {
            for (const QChar woman : kAnimals) {
                const QString pair = QString(man) + QLatin1Char('/') + woman;
                const CliRun result = run({"pair", QString(man), QString(woman)});
                QVERIFY2(result.status == ExitOk && result.err.isEmpty(), qPrintable(pair + result.err));
                const QStringList lines = result.out.split(u'\n');
                // The memo's eleven lines, each ended by a newline.
                QCOMPARE(lines.size(), 12);
                QCOMPARE(lines[0], QString(man) + QStringLiteral("和") + woman + QStringLiteral("配对结果如下:"));
                for (int i : {1, 2, 4, 6, 8, 10, 11})
                    QVERIFY2(lines[i].isEmpty(), qPrintable(pair));
                for (int i : {3, 5, 7, 9}) {
                    const QString& paragraph = lines[i];
                    QVERIFY2(paragraph.size() > 60 && paragraph.endsWith(u'。'), qPrintable(pair + paragraph));
                    QVERIFY2(!paragraph.contains(QChar::ReplacementCharacter) && !paragraph.contains(u'{'),
                             qPrintable(pair + paragraph));
                }
                QVERIFY2(!readings.contains(result.out), qPrintable(pair + QStringLiteral(" reads as another pair")));
                readings.insert(result.out);

                const QString verdict = lines[3];
                const QString opening = QStringLiteral("男属%1，生于%2年；女属%3，生于%4年。")
                                            .arg(man)
                                            .arg(kBranches[kAnimals.indexOf(man)])
                                            .arg(woman)
                                            .arg(kBranches[kAnimals.indexOf(woman)]);
                QVERIFY2(verdict.startsWith(opening), qPrintable(pair + verdict));
                bool any = man == woman;
                for (const auto& [relation, pairs] : kRelations) {
                    const bool expected = holds(pairs, man, woman);
                    any = any || expected;
                    QVERIFY2(
                        verdict.contains(relation) == expected,
                        qPrintable(
                            QStringLiteral("%1 %2 %3: %4").arg(pair, expected ? "lacks" : "names", relation, verdict)));
                }
                QCOMPARE(verdict.contains(QStringLiteral("两人同属%1，地支同为").arg(man)), man == woman);
                QCOMPARE(verdict.contains(QStringLiteral("平和之配")), !any);
                QVERIFY2(lines[5].startsWith(QStringLiteral("属%1的男人").arg(man)), qPrintable(pair));
                QVERIFY2(lines[7].startsWith(QStringLiteral("属%1的女人").arg(woman)), qPrintable(pair));
            }
        }
        QCOMPARE(readings.size(), 144);
    }

    void verdictsWeighTheRelations_data()
    {
        QTest::addColumn<QString>("man");
        QTest::addColumn<QString>("woman");
        QTest::addColumn<QString>("words");
        QTest::newRow("鼠/牛 六合") << "鼠"
                                    << "牛"
                                    << "子丑六合|上等";
        QTest::newRow("猴/鼠 三合") << "猴"
                                    << "鼠"
                                    << "申子辰三合水局|属龙的孩子|上等";
        QTest::newRow("鼠/马 六冲") << "鼠"
                                    << "马"
                                    << "子午六冲|下等";
        QTest::newRow("虎/猪 六合 and 相破") << "虎"
                                             << "猪"
                                             << "寅亥六合|寅亥相破|中上";
        QTest::newRow("蛇/猴 六合, 相刑 and 相破") << "蛇"
                                                   << "猴"
                                                   << "巳申六合|无恩之刑|巳申相破|中等";
        QTest::newRow("牛/马 六害") << "牛"
                                    << "马"
                                    << "丑午六害|中下";
        QTest::newRow("龙/龙 自刑") << "龙"
                                    << "龙"
                                    << "辰辰自刑|中下";
        QTest::newRow("鼠/虎 neither") << "鼠"
                                       << "虎"
                                       << "平和之配|水生木|中等";
    }
    void verdictsWeighTheRelations()
    {
        QFETCH(QString, man);
        QFETCH(QString, woman);
        QFETCH(QString, words);
        const QString verdict = run({"pair", man, woman}).out.section(u'\n', 3, 3);
        for (const QString& word : words.split(u'|'))
            QVERIFY2(verdict.contains(word), qPrintable(word + QStringLiteral(": ") + verdict));
    }

    void unknownAnimalsAreNamed_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("traditional form") << QStringList{"pair", "龍", "牛"} << "男方的生肖 '龍'";
        QTest::newRow("woman's side") << QStringList{"pair", "鼠", "rat"} << "女方的生肖 'rat'";
        QTest::newRow("a branch") << QStringList{"pair", "子", "丑"} << "男方的生肖 '子'";
        QTest::newRow("two animals in one") << QStringList{"pair", "鼠牛", "牛"} << "男方的生肖 '鼠牛'";
        QTest::newRow("blank around") << QStringList{"pair", "鼠", " 牛"} << "女方的生肖 ' 牛'";
        QTest::newRow("empty") << QStringList{"pair", "", "牛"} << "男方的生肖 ''";
        QTest::newRow("newline shown") << QStringList{"pair", "鼠\n", "牛"} << "男方的生肖 '鼠\\n'";
    }
    void unknownAnimalsAreNamed()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, complaint);
        const CliRun result = run(args);
        QCOMPARE(result.status, int(ExitBadInput));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(result.err, complaint + QStringLiteral(" 不是十二生肖之一，请写其中一个字：") + kAnimalList + u'\n');
    }

    void wrongArgumentCountsGetTheUsage()
    {
        for (const QStringList& args :
             {QStringList{"pair"}, QStringList{"pair", "鼠"}, QStringList{"pair", "鼠", "牛", "虎"}}) {
            const CliRun result = run(args);
            QCOMPARE(result.status, int(ExitBadInput));
            QCOMPARE(result.err, QStringLiteral("usage: lumora-cli pair MAN WOMAN\n"));
        }
    }

    void helpNamesTheAnimals()
    {
        const CliRun result = run({"pair", "--help"});
        QCOMPARE(result.status, int(ExitOk));
        QVERIFY(result.out.startsWith(QStringLiteral("usage: lumora-cli pair MAN WOMAN\n")));
        QVERIFY2(result.out.contains(kAnimalList), qPrintable(result.out));
        QVERIFY(run({"--help"}).out.contains(QStringLiteral("pair MAN WOMAN")));
    }

    void dataFileProblems()
    {
        QTemporaryDir empty;
        const CliRun missing = run({"pair", "鼠", "牛"}, contextWithDataIn(empty.path()));
        QCOMPARE(missing.status, int(ExitDataFile));
        QVERIFY(missing.out.isEmpty());
        QVERIFY2(missing.err.contains(QStringLiteral("VeltaBirth.dll")), qPrintable(missing.err));
        QVERIFY(QDir(empty.path()).isEmpty());

        QTemporaryDir folder;
        writeDamagedFixture(folder.path());
        const CliRun damaged = run({"pair", "鼠", "牛"}, contextWithDataIn(folder.path()));
        QCOMPARE(damaged.status, int(ExitOk));
        QCOMPARE(damaged.out, QStringLiteral("鼠和牛配对结果如下:\n\n\n第二段\n\n"));
        QCOMPARE(damaged.err, QStringLiteral("VeltaBirth.dll 中鼠配对牛的配对文字有 2 处不是十六进制数，已略过\n"));

        const CliRun noRow = run({"pair", "牛", "鼠"}, contextWithDataIn(folder.path()));
        QCOMPARE(noRow.status, int(ExitNotFound));
        QVERIFY(noRow.out.isEmpty());
        QCOMPARE(noRow.err, QStringLiteral("VeltaBirth.dll 中没有牛配对鼠的配对\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliPair)
#include "tst_cli_pair.moc"
