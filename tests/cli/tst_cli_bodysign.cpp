#include "CliRun.h"
#include "almanac/BodySigns.h"
#include "cli/Cli.h"

#include <QtTest>

using namespace lumora;

class TestCliBodySign : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ringingEarsPageInFull()
    {
        const CliRun result = run({QStringLiteral("bodysign"), QStringLiteral("6")});
        QCOMPARE(result.status, int(ExitOk));
        QVERIFY(result.err.isEmpty());
        QCOMPARE(result.out, QStringLiteral("子时：左主女思，右主失财。丑时：左主口舌，右主争讼。\n\n"
                                            "寅时：左主失财，右主心急。未时：左主饮食，右主人来。\n\n"
                                            "卯时：左主饮食，右主室至。申时：左主行人，右主喜事。\n\n"
                                            "辰时：左主远行，右主室至。酉时：左主失财，右主大吉。\n\n"
                                            "巳时：左主凶事，右主大吉。戌时：左主饮食，右主客至。\n\n"
                                            "午时：左主远信，右主亲来。亥时：左主大吉，右主饮食。\n"));
    }

    void everyPageAsTheWindowShowsIt()
    {
        for (int page = 0; page < kBodySignPageCount; ++page) {
            const CliRun result = run({QStringLiteral("bodysign"), QString::number(page)});
            QCOMPARE(result.status, int(ExitOk));
            QCOMPARE(result.out, bodySignText(page) + u'\n');
        }
        QCOMPARE(run({QStringLiteral("bodysign"), QStringLiteral("04")}).out, bodySignText(4) + u'\n');
    }

    void otherPagesAreRefused_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("7") << "7"
                           << "lumora-cli bodysign: no page '7'; the pages are 0 to 6\n";
        QTest::newRow("-1") << "-1"
                            << "lumora-cli bodysign: no page '-1'; the pages are 0 to 6\n";
        QTest::newRow("blank around") << " 3"
                                      << "lumora-cli bodysign: no page ' 3'; the pages are 0 to 6\n";
        QTest::newRow("plus sign") << "+3"
                                   << "lumora-cli bodysign: no page '+3'; the pages are 0 to 6\n";
        QTest::newRow("beyond int") << "99999999999"
                                    << "lumora-cli bodysign: no page '99999999999'; the pages are 0 to 6\n";
        QTest::newRow("word") << "耳鸣"
                              << "lumora-cli bodysign: no page '耳鸣'; the pages are 0 to 6\n";
        QTest::newRow("empty") << ""
                               << "lumora-cli bodysign: no page ''; the pages are 0 to 6\n";
    }
    void otherPagesAreRefused()
    {
        QFETCH(QString, page);
        QFETCH(QString, complaint);
        const CliRun result = run({QStringLiteral("bodysign"), page});
        QCOMPARE(result.status, int(ExitBadInput));
        QCOMPARE(result.err, complaint);
        QVERIFY(result.out.isEmpty());
    }

    void oneArgumentExactly()
    {
        for (const QStringList& args :
             {QStringList{QStringLiteral("bodysign")},
              QStringList{QStringLiteral("bodysign"), QStringLiteral("1"), QStringLiteral("2")}}) {
            const CliRun result = run(args);
            QCOMPARE(result.status, int(ExitBadInput));
            QCOMPARE(result.err, QStringLiteral("usage: lumora-cli bodysign PAGE\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestCliBodySign)
#include "tst_cli_bodysign.moc"
