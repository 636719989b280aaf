#include "CliRun.h"
#include "almanac/DaySearch.h"
#include "cli/Cli.h"
#include "data/uShare.h"

#include <QtTest>

using namespace lumora;

Q_DECLARE_METATYPE(lumora::DaySearchConditions)

namespace {

QString linesOf(const DaySearchReport& report)
{
    return report.lines.join(u'\n') + u'\n';
}

} // namespace

class TestCliSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The command prints what the windows' search writes into the memo for the same
    // conditions; the options only say which conditions.
    void optionsBecomeTheSearchConditions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<DaySearchConditions>("conditions");
        QTest::addColumn<QDate>("today");
        const QDate pinned = pinnedContext().today;
        QTest::newRow("defaults") << QStringList{"search"} << DaySearchConditions{"嫁娶", "一月以内", "宜", {}, {}}
                                  << pinned;
        QTest::newRow("activity, span, avoid, from")
            << QStringList{"search", "--activity", "开市", "--span=三月以内", "--avoid", "--from", "2024-2-1"}
            << DaySearchConditions{"开市", "三月以内", "忌", {}, {}} << QDate(2024, 2, 1);
        QTest::newRow("persons, with and without a time")
            << QStringList{"search", "--person", "1990-05-01", "--person=1988-11-30 23:15", "--span", "一年以年"}
            << DaySearchConditions{"嫁娶",
                                   "一年以年",
                                   "宜",
                                   {{"人员1", "1990", "05", "01", "0", "0"}, {"人员2", "1988", "11", "30", "23", "15"}},
                                   {}}
            << pinned;
        QTest::newRow("directions, with 煞 and without, in two options")
            << QStringList{"search", "--exclude", "煞南,北", "--exclude", "东、西"}
            << DaySearchConditions{"嫁娶", "一月以内", "宜", {}, {"南", "北", "东", "西"}} << pinned;
        QTest::newRow("黄道 days only") << QStringList{"search", "--huangdao", "--activity", "祭祀"}
                                        << DaySearchConditions{"祭祀", "一月以内", "宜", {}, {}, true} << pinned;
    }
    void optionsBecomeTheSearchConditions()
    {
        QFETCH(QStringList, args);
        QFETCH(DaySearchConditions, conditions);
        QFETCH(QDate, today);
        const CliRun result = run(args);
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, int(ExitOk));
        QCOMPARE(result.out,
                 linesOf(searchDays(conditions, today, birthConnectionStringIn(pinnedContext().dataFolder))));
    }

    void badValuesAreNamedOnStandardError_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("err");
        QTest::newRow("span") << QStringList{"search", "--span", "两周以内"}
                              << "日子范围“两周以内”无效，请选择其中一项：3天以内、一周以内、一月以内、三月以内、"
                                 "半年以内、一年以年。\n";
        QTest::newRow("direction") << QStringList{"search", "--exclude", "南,中"}
                                   << "排除冲煞方位“中”无效，只能是东、南、西、北。\n";
        QTest::newRow("hour 25") << QStringList{"search", "--person", "1990-05-01", "--person", "1990-05-01 25:00"}
                                 << "人员2的出生时辰“25”无效，请选择“子 0”到“子 23”中的一项，或填写0到23之间的"
                                    "小时数。\n";
        QTest::newRow("year 19x0") << QStringList{"search", "--person", "19x0-05-01"}
                                   << "人员1的出生年份“19x0”无效，请填写1到9999之间的数字。\n";
        QTest::newRow("person's shape") << QStringList{"search", "--person", "1990/05/01"}
                                        << "search: --person '1990/05/01' is not DATE[ HH:MM] (1990-05-01 or "
                                           "'1990-05-01 13:30')\n";
        QTest::newRow("person with two blanks") << QStringList{"search", "--person", "1990-05-01  13:30"}
                                                << "search: --person '1990-05-01  13:30' is not DATE[ HH:MM] "
                                                   "(1990-05-01 or '1990-05-01 13:30')\n";
        QTest::newRow("from") << QStringList{"search", "--from", "2015-02-30"}
                              << "search: --from '2015-02-30' is not a date (YYYY-MM-DD or YEAR MONTH DAY)\n";
        QTest::newRow("an argument") << QStringList{"search", "2015-06-09"} << "usage: lumora-cli search [OPTIONS]\n";
    }
    void badValuesAreNamedOnStandardError()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, err);
        const CliRun result = run(args);
        QCOMPARE(result.err, err);
        QCOMPARE(result.status, int(ExitBadInput));
        QCOMPARE(result.out, QString());
    }

    void missingDataFileIsExitTwo()
    {
        CliContext context = pinnedContext();
        context.dataFolder = QStringLiteral("/nonexistent");
        const CliRun result = run({QStringLiteral("search")}, context);
        QCOMPARE(result.status, int(ExitDataFile));
        QCOMPARE(result.err, QStringLiteral("找不到数据文件：/nonexistent/VeltaBirth.dll\n"));
        QCOMPARE(result.out, QString());
    }

    // A script must not take a list cut short by the end of the data for a whole one.
    void spanPastTheDataIsExitThreeWithItsLines()
    {
        const CliRun result = run({QStringLiteral("search"), QStringLiteral("--from"), QStringLiteral("2050-12-20")});
        QCOMPARE(result.status, int(ExitNotFound));
        QCOMPARE(result.err, QString());
        QVERIFY(result.out.endsWith(QStringLiteral("2050-12-27 星期二 农历冬月十四 辛巳日 冲猪(乙亥)煞东\n"
                                                   "黄历数据只到 2050-12-31，2051-01-01 至 2051-01-18 共 18 天无法"
                                                   "测算。\n共找到 2 天。\n")));
    }

    void helpNamesTheOptions()
    {
        const CliRun result = run({QStringLiteral("search"), QStringLiteral("--help")});
        QCOMPARE(result.status, int(ExitOk));
        for (const char* option :
             {"--activity A", "--span S", "--avoid", "--person DATE[ HH:MM]", "--exclude DIRS", "--from DATE"})
            QVERIFY2(result.out.contains(QString::fromUtf8(option)), option);
    }
};

QTEST_GUILESS_MAIN(TestCliSearch)
#include "tst_cli_search.moc"
