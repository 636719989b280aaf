#include "CliRun.h"
#include "cli/Cli.h"

#include <QtTest>

using namespace lumora;

class TestCliPinyin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void printsTheConvertedText_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");

        QTest::newRow("王小明 defaults") << QStringList{u"pinyin"_qs, u"王小明"_qs} << u"WXM\n"_qs;
        QTest::newRow("--options 3") << QStringList{u"pinyin"_qs, u"--options"_qs, u"3"_qs, u"王小明"_qs}
                                     << u"WANGXIAOMING\n"_qs;
        QTest::newRow("--options=6") << QStringList{u"pinyin"_qs, u"--options=6"_qs, u"abc-12"_qs} << u"ABC-12\n"_qs;
        QTest::newRow("--max 2") << QStringList{u"pinyin"_qs, u"--max"_qs, u"2"_qs, u"王小明"_qs} << u"WX\n"_qs;
        QTest::newRow("last --max counts")
            << QStringList{u"pinyin"_qs, u"--max=1"_qs, u"--max=2"_qs, u"王小明"_qs} << u"WX\n"_qs;
        QTest::newRow("negative options")
            << QStringList{u"pinyin"_qs, u"--options"_qs, u"-1"_qs, u"王小明"_qs} << u"\n"_qs;
        QTest::newRow("给力 marks 给") << QStringList{u"pinyin"_qs, u"给力"_qs} << u"?L\n"_qs;
        QTest::newRow("Hangul is not GBK") << QStringList{u"pinyin"_qs, u"a한"_qs} << u"A?\n"_qs;
        QTest::newRow("-- before a dash") << QStringList{u"pinyin"_qs, u"--"_qs, u"-x"_qs} << u"X\n"_qs;
    }

    void printsTheConvertedText()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, out);

        const CliRun result = run(args);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.out, out);
        QCOMPARE(result.status, int(ExitOk));
    }

    void complainsAboutBadInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");

        const QString usage = u"usage: lumora-cli pinyin [--options N] [--max N] TEXT\n"_qs;
        QTest::newRow("no text") << QStringList{u"pinyin"_qs} << usage;
        QTest::newRow("two texts") << QStringList{u"pinyin"_qs, u"a"_qs, u"b"_qs} << usage;
        QTest::newRow("--max without a value") << QStringList{u"pinyin"_qs, u"a"_qs, u"--max"_qs}
                                               << u"lumora-cli pinyin: --max wants a value\n"_qs + usage;
        QTest::newRow("--options not a number") << QStringList{u"pinyin"_qs, u"--options"_qs, u"x"_qs, u"a"_qs}
                                                << u"lumora-cli pinyin: --options wants a whole number, not 'x'\n"_qs;
        QTest::newRow("unknown option") << QStringList{u"pinyin"_qs, u"--maxi=2"_qs, u"a"_qs}
                                        << u"lumora-cli pinyin: unknown option '--maxi=2'\n"_qs + usage;
    }

    void complainsAboutBadInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, err);

        const CliRun result = run(args);
        QCOMPARE(result.out, QString());
        QCOMPARE(result.err, err);
        QCOMPARE(result.status, int(ExitBadInput));
    }

    void helpNamesTheOptions()
    {
        const CliRun result = run({u"pinyin"_qs, u"--help"_qs});
        QCOMPARE(result.status, int(ExitOk));
        QVERIFY(result.out.startsWith(u"usage: lumora-cli pinyin [--options N] [--max N] TEXT\n"_qs));
        QVERIFY(result.out.contains(u"--options N"_qs));
        QVERIFY(result.out.contains(u"--max N"_qs));
    }
};

QTEST_GUILESS_MAIN(TestCliPinyin)
#include "tst_cli_pinyin.moc"
