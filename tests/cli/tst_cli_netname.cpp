#include "CliRun.h"
#include "cli/Cli.h"

#include <QtTest>

using namespace lumora;

class TestCliNetName : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void printsNameAndTrait_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("out");
        QTest::newRow("王小明")
            << "王小明"
            << "你的网名：王小明\n你的性格：反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱\n";
        QTest::newRow("lower case shown upper, blanks trimmed") << " abc1 "
                                                                << "你的网名：ABC1\n你的性格：好奇心强，专一\n";
        QTest::newRow("ends in 给") << "小给"
                                    << "你的网名：小给\n你的性格：\n";
        QTest::newRow("symbols only") << "!!!"
                                      << "你的网名：!!!\n你的性格：\n";
    }
    void printsNameAndTrait()
    {
        QFETCH(QString, name);
        QFETCH(QString, out);
        const CliRun result = run({QStringLiteral("netname"), name});
        QCOMPARE(result.status, int(ExitOk));
        QCOMPARE(result.out, out);
        QVERIFY(result.err.isEmpty());
    }

    void emptyNameGetsTheWindowsTip()
    {
        const CliRun result = run({QStringLiteral("netname"), QStringLiteral("  ")});
        QCOMPARE(result.status, int(ExitBadInput));
        QCOMPARE(result.err, QStringLiteral("请输入你的网名！\n"));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(run({QStringLiteral("netname")}).status, int(ExitBadInput));
    }
};

QTEST_GUILESS_MAIN(TestCliNetName)
#include "tst_cli_netname.moc"
