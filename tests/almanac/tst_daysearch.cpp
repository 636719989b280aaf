#include "almanac/BirthAnimal.h"
#include "almanac/BranchRelations.h"
#include "almanac/DayEntryReading.h"
#include "almanac/DaySearch.h"
#include "calendar/DateCn.h"
#include "calendar/StemBranch.h"
#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;

Q_DECLARE_METATYPE(lumora::BirthTexts)
Q_DECLARE_METATYPE(lumora::DaySearchConditions)

namespace {

BirthTexts person(const QString& label, const QString& year, const QString& month, const QString& day,
                  const QString& hour = QStringLiteral("子 0"), const QString& minute = QStringLiteral("0"))
{
    return BirthTexts{label, year, month, day, hour, minute};
}

DaySearchConditions conditions(const QString& activity, const QString& span, const QString& suitability,
                               const QList<BirthTexts>& persons = {}, const QStringList& excluded = {})
{
    return DaySearchConditions{activity, span, suitability, persons, excluded};
}

DaySearchConditions huangdaoOnly(DaySearchConditions wanted)
{
    wanted.huangdaoOnly = true;
    return wanted;
}

QString builtData()
{
    return BirthConnectionString();
}

// Whether the table of further facts calls the day 黄道, read on its own.
bool isHuangdaoDay(const QDate& day)
{
    Query query;
    query.setConnectionString(builtData());
    query.setSql(QStringLiteral("select huangdao from lumora_extra where gn = #%1#").arg(day.toString(Qt::ISODate)));
    query.open();
    return query.hasRow() && query.text(0) == QStringLiteral("黄道");
}

// The days the search should keep, found the slow way: one query per day of the span and
// the rules applied to the lists as the table writes them.
QList<QDate> keptDaysByDailyScan(const DaySearchConditions& wanted, const QDate& today, int spanDays)
{
    QStringList personAnimals;
    for (const BirthTexts& texts : wanted.persons)
        personAnimals << CnZodiacName(QDate(texts.year.toInt(), texts.month.toInt(), texts.day.toInt())).right(1);
    const bool avoid = wanted.suitability == u"忌";

    QList<QDate> kept;
    Query query;
    query.setConnectionString(builtData());
    for (QDate day = today; day < today.addDays(spanDays); day = day.addDays(1)) {
        query.setSql(QStringLiteral("Select top 1 * from lumora where gn = #%1#").arg(day.toString(u"yyyy-M-d")));
        query.open();
        if (!query.hasRow())
            continue;
        const QStringList yi = query.text(QStringLiteral("yi")).split(u' ', Qt::SkipEmptyParts);
        const QStringList ji = query.text(QStringLiteral("ji")).split(u' ', Qt::SkipEmptyParts);
        const QString cong = query.text(QStringLiteral("cong"));
        const bool listed = avoid ? ji.contains(wanted.activity) || ji.contains(QStringLiteral("诸事不宜")) ||
                                        (yi.last() == u"馀事勿取" && !yi.contains(wanted.activity))
                                  : yi.contains(wanted.activity);
        const bool excluded = wanted.excludedDirections.contains(cong.right(1));
        const bool clashes = personAnimals.contains(cong.mid(1, 1));
        if (listed && !excluded && !clashes && (!wanted.huangdaoOnly || isHuangdaoDay(day)))
            kept << day;
    }
    return kept;
}

// The dates that open the memo's day lines: those between the blank line after the
// heading and the closing line.
QList<QDate> datesOfDayLines(const QStringList& lines)
{
    QList<QDate> dates;
    for (qsizetype i = lines.indexOf(QString()) + 1; i < lines.size(); ++i) {
        const QDate date = QDate::fromString(lines[i].left(10), Qt::ISODate);
        if (date.isValid())
            dates << date;
    }
    return dates;
}

struct FixtureRow {
    const char16_t* gn;
    const char16_t* cong;
    const char16_t* yi;
    const char16_t* ji;
};

// A week with the lists' special items, a day missing in the middle and no day after
// 2020-01-07; and one day whose clash cannot be read.
// clang-format off
constexpr FixtureRow kFixtureRows[]{
    {u"2020-01-01", u"冲鸡(丁酉)煞西", u"嫁娶 祭祀",      u"开市"},
    {u"2020-01-02", u"冲狗(戊戌)煞南", u"解除 馀事勿取",  u"诸事不宜"},
    {u"2020-01-03", u"冲猪(己亥)煞东", u"祭祀 馀事勿取",  u"安葬"},
    {u"2020-01-04", u"冲鼠(庚子)煞北", u"嫁娶 馀事勿取",  u"安葬"},
    {u"2020-01-06", u"冲虎(壬寅)煞南", u"嫁娶娶 纳采",    u"嫁"},
    {u"2020-01-07", u"冲兔(癸卯)煞东", u"  祭祀  嫁娶 ",  u"无"},
    {u"2020-02-01", u"冲?",           u"嫁娶",           u"无"},
};
// clang-format on

} // namespace

class TestDaySearch : public QObject {
    Q_OBJECT

    QTemporaryDir fixtureDir;

    QString fixtureData() const { return birthConnectionStringIn(fixtureDir.path()); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(fixtureDir.isValid());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(fixtureDir.filePath(QStringLiteral("VeltaBirth.dll")));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec(QStringLiteral("CREATE TABLE lumora (gn TEXT PRIMARY KEY, cong TEXT, yi TEXT, ji TEXT)")),
                 qPrintable(q.lastError().text()));
        for (const FixtureRow& row : kFixtureRows) {
            QVERIFY(q.prepare(QStringLiteral("INSERT INTO lumora VALUES (?, ?, ?, ?)")));
            for (const char16_t* value : {row.gn, row.cong, row.yi, row.ji})
                q.addBindValue(QString::fromUtf16(value));
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
        q = QSqlQuery();
        db.close();
    }

    // The day's stem and branch are computed, the clash is read from the table: on every
    // day of the data the two agree, and the clash is the branch opposite the day's.
    void everyDayOfTheDataAgreesWithTheDayCycle()
    {
        Query query;
        query.setConnectionString(builtData());
        query.setSql(QStringLiteral("select gn, suici, cong from lumora order by gn"));
        query.open();
        int days = 0;
        for (bool row = query.hasRow(); row; row = query.next(), ++days) {
            const QDate date = QDate::fromString(query.text(0), Qt::ISODate);
            const int cycle = dayCycleOf(date);
            const std::optional<DayClash> clash = readClash(query.text(2));
            QVERIFY2(query.text(1).endsWith(u' ' + cycleName(cycle) + u'日'), qPrintable(query.text(0)));
            QVERIFY2(clash && clash->branch == (branchOfCycle(cycle) + 6) % 12, qPrintable(query.text(0)));
        }
        QCOMPARE(days, QDate(1901, 1, 1).daysTo(QDate(2050, 12, 31)) + 1);
    }

    void harmonies_data()
    {
        QTest::addColumn<QChar>("day");
        QTest::addColumn<QChar>("person");
        QTest::addColumn<QString>("harmony");
        const auto row = [](const char* name, QChar day, QChar person, const QString& harmony) {
            QTest::newRow(name) << day << person << harmony;
        };
        row("子丑", u'子', u'丑', QStringLiteral("六合"));
        row("亥寅", u'亥', u'寅', QStringLiteral("六合"));
        row("午未", u'午', u'未', QStringLiteral("六合"));
        row("申巳", u'申', u'巳', QStringLiteral("六合"));
        row("申子", u'申', u'子', QStringLiteral("三合"));
        row("辰子", u'辰', u'子', QStringLiteral("三合"));
        row("丑酉", u'丑', u'酉', QStringLiteral("三合"));
        row("未亥", u'未', u'亥', QStringLiteral("三合"));
        row("子子, the same branch", u'子', u'子', QString());
        row("子午, a clash", u'子', u'午', QString());
        row("子卯", u'子', u'卯', QString());
        row("寅巳", u'寅', u'巳', QString());
    }
    void harmonies()
    {
        QFETCH(QChar, day);
        QFETCH(QChar, person);
        QFETCH(QString, harmony);
        QCOMPARE(harmonyName(harmonyBetween(*branchNamed(day), *branchNamed(person))).toString(), harmony);
    }

    void activityLists_data()
    {
        QTest::addColumn<QString>("yi");
        QTest::addColumn<QString>("ji");
        QTest::addColumn<bool>("favours");
        QTest::addColumn<bool>("forbids");
        QTest::newRow("宜 holds it") << "纳采 嫁娶 祭祀"
                                     << "开市" << true << false;
        QTest::newRow("忌 holds it") << "祭祀"
                                     << "开市 嫁娶" << false << true;
        QTest::newRow("in neither") << "祭祀"
                                    << "开市" << false << false;
        QTest::newRow("only part of an item") << "嫁娶娶 纳采嫁娶"
                                              << "嫁" << false << false;
        QTest::newRow("诸事不宜") << "解除 坏垣 馀事勿取"
                                  << "诸事不宜" << false << true;
        QTest::newRow("馀事勿取 without it") << "祭祀 馀事勿取"
                                             << "安葬" << false << true;
        QTest::newRow("馀事勿取 with it") << "嫁娶 馀事勿取"
                                          << "安葬" << true << false;
        QTest::newRow("馀事勿取 not last") << "馀事勿取 祭祀"
                                           << "安葬" << false << false;
        QTest::newRow("blanks around") << "  祭祀  嫁娶 "
                                       << " 无 " << true << false;
    }
    void activityLists()
    {
        QFETCH(QString, yi);
        QFETCH(QString, ji);
        QFETCH(bool, favours);
        QFETCH(bool, forbids);
        QCOMPARE(favoursActivity(yi, u"嫁娶"), favours);
        QCOMPARE(forbidsActivity(yi, ji, u"嫁娶"), forbids);
    }

    void clashTexts_data()
    {
        QTest::addColumn<QString>("cong");
        QTest::addColumn<QString>("animalAndDirection"); // empty: unreadable
        QTest::newRow("冲狗(庚戌)煞南") << "冲狗(庚戌)煞南"
                                        << "狗南";
        QTest::newRow("without the stems") << " 冲鸡煞西 "
                                           << "鸡西";
        QTest::newRow("no 冲") << "狗(庚戌)煞南" << QString();
        QTest::newRow("not an animal") << "冲人(庚戌)煞南" << QString();
        QTest::newRow("no direction") << "冲狗(庚戌)煞" << QString();
        QTest::newRow("not a direction") << "冲狗(庚戌)煞中" << QString();
        QTest::newRow("empty") << "" << QString();
    }
    void clashTexts()
    {
        QFETCH(QString, cong);
        QFETCH(QString, animalAndDirection);
        const std::optional<DayClash> clash = readClash(cong);
        QCOMPARE(clash ? QString(animalName(clash->branch)) + clash->direction : QString(), animalAndDirection);
    }

    void birthAnimals_data()
    {
        QTest::addColumn<BirthTexts>("birth");
        QTest::addColumn<QChar>("animal");
        QTest::addColumn<bool>("bornIntoNewYear");
        QTest::newRow("1990-05-01") << person("人员1", "1990", "5", "1") << QChar(u'马') << false;
        QTest::newRow("padded, blanks, bare hour")
            << person("人员1", " 1990 ", "05", "01", "13", "05") << QChar(u'马') << false;
        QTest::newRow("2015-02-18 除夕 22:59")
            << person("老公", "2015", "2", "18", "亥 22", "59") << QChar(u'马') << false;
        QTest::newRow("2015-02-18 除夕 23:00")
            << person("老公", "2015", "2", "18", "子 23", "0") << QChar(u'羊') << true;
        QTest::newRow("2015-02-17 23:30, not the eve")
            << person("老婆", "2015", "2", "17", "23", "30") << QChar(u'马') << false;
        QTest::newRow("2015-02-19 春节") << person("老婆", "2015", "2", "19") << QChar(u'羊') << false;
        QTest::newRow("1901-01-01, lunar 1900") << person("人员1", "1901", "1", "1") << QChar(u'鼠') << false;
        QTest::newRow("1900-06-01, Gregorian") << person("人员1", "1900", "6", "1") << QChar(u'鼠') << false;
        QTest::newRow("2051-01-10, Gregorian") << person("人员1", "2051", "1", "10") << QChar(u'羊') << false;
    }
    void birthAnimals()
    {
        QFETCH(BirthTexts, birth);
        QFETCH(QChar, animal);
        QFETCH(bool, bornIntoNewYear);
        const auto checked = checkBirth(birth);
        QVERIFY(std::holds_alternative<Birth>(checked));
        QCOMPARE(animalName(std::get<Birth>(checked).branch), animal);
        QCOMPARE(std::get<Birth>(checked).bornIntoNewYear, bornIntoNewYear);
    }

    void hourItemsNameTheDoubleHour()
    {
        QCOMPARE(hourItem(0), QStringLiteral("子 0"));
        QCOMPARE(hourItem(2), QStringLiteral("丑 2"));
        QCOMPARE(hourItem(3), QStringLiteral("寅 3"));
        QCOMPARE(hourItem(22), QStringLiteral("亥 22"));
        QCOMPARE(hourItem(23), QStringLiteral("子 23"));
    }

    void wrongConditionsAreNamedAndNothingIsSearched_data()
    {
        QTest::addColumn<DaySearchConditions>("wanted");
        QTest::addColumn<QStringList>("complaints");
        const QList<BirthTexts> good{person("人员1", "1990", "5", "1")};
        QTest::newRow("span") << conditions("嫁娶", "两周以内", "宜")
                              << QStringList{"日子范围“两周以内”无效，请选择其中一项：3天以内、一周以内、一月以内、"
                                             "三月以内、半年以内、一年以年。"};
        QTest::newRow("empty span") << conditions("嫁娶", " ", "宜") << QStringList{"没有填写日子范围。"};
        QTest::newRow("suitability") << conditions("嫁娶", "一月以内", "好")
                                     << QStringList{"宜忌“好”无效，请选择“宜”或“忌”。"};
        QTest::newRow("activity with a blank")
            << conditions("开 市", "一月以内", "宜")
            << QStringList{"吉日内容“开 市”无效，要测算的事项是一个词，中间不能有空白。"};
        QTest::newRow("no activity") << conditions("", "一月以内", "宜") << QStringList{"没有填写吉日内容。"};
        QTest::newRow("direction") << conditions("嫁娶", "一月以内", "宜", good, {"南", "中"})
                                   << QStringList{"排除冲煞方位“中”无效，只能是东、南、西、北。"};
        QTest::newRow("year 19x0") << conditions("嫁娶", "一月以内", "宜", {person("人员2", "19x0", "5", "1")})
                                   << QStringList{"人员2的出生年份“19x0”无效，请填写1到9999之间的数字。"};
        QTest::newRow("hour 25")
            << conditions("嫁娶", "一月以内", "宜", {person("老婆", "1990", "5", "1", "25")})
            << QStringList{"老婆的出生时辰“25”无效，请选择“子 0”到“子 23”中的一项，或填写0到23之间的小时数。"};
        QTest::newRow("hour item of another branch")
            << conditions("嫁娶", "一月以内", "宜", {person("老婆", "1990", "5", "1", "丑 0")})
            << QStringList{"老婆的出生时辰“丑 0”无效，请选择“子 0”到“子 23”中的一项，或填写0到23之间的小时数。"};
        QTest::newRow("29 February 2015") << conditions("嫁娶", "一月以内", "宜", {person("人员1", "2015", "2", "29")})
                                          << QStringList{"人员1的出生日“29”无效，2015年2月只有28天。"};
        QTest::newRow("every wrong field of two persons")
            << conditions("嫁娶", "一月以内", "宜",
                          {person("老公", "", "13", "0", "子 0", "60"), person("老婆", "1990", "5", "1", "x", "-1")})
            << QStringList{"没有填写老公的出生年份。",
                           "老公的出生月份“13”无效，请填写1到12之间的数字。",
                           "老公的出生日“0”无效，请填写1到31之间的数字。",
                           "老公的出生分钟“60”无效，请填写0到59之间的数字。",
                           "老婆的出生时辰“x”无效，请选择“子 0”到“子 23”中的一项，或填写0到23之间的小时数。",
                           "老婆的出生分钟“-1”无效，请填写0到59之间的数字。"};
    }
    void wrongConditionsAreNamedAndNothingIsSearched()
    {
        QFETCH(DaySearchConditions, wanted);
        QFETCH(QStringList, complaints);
        // No data file there: a search would throw.
        const DaySearchReport report = searchDays(wanted, QDate(2015, 6, 9), birthConnectionStringIn("/nonexistent"));
        QVERIFY(report.badInput);
        QCOMPARE(report.lines, complaints);
        QVERIFY(report.days.isEmpty());
    }

    void memoOfAWeekWithOnePerson()
    {
        const DaySearchReport report =
            searchDays(conditions(" 嫁娶 ", " 一周以内", "宜 ", {person("人员1", "1990", "5", "1")}), QDate(2015, 6, 9),
                       builtData());
        QVERIFY(!report.badInput);
        QCOMPARE(report.lines, (QStringList{
                                   "测算：一周以内（2015-06-09 至 2015-06-15）宜嫁娶的日子",
                                   "人员1：1990-05-01 00:00 生，属马",
                                   "排除冲煞方位：无",
                                   "",
                                   "2015-06-12 星期五 农历四月廿六 己未日 冲牛(癸丑)煞西 ★人员1六合",
                                   "2015-06-13 星期六 农历四月廿七 庚申日 冲虎(甲寅)煞南",
                                   "2015-06-14 星期日 农历四月廿八 辛酉日 冲兔(乙卯)煞东",
                                   "2015-06-15 星期一 农历四月廿九 壬戌日 冲龙(丙辰)煞北 ★人员1三合",
                                   "共找到 4 天。其中 2 天与所有人员六合或三合，标有★。",
                               }));
        QCOMPARE(report.daysWithoutData, 0);
    }

    void harmonyWithEveryPersonIsMarked()
    {
        // 老公 属马 (午), 老婆 属羊 (未): 2015-06-12 己未 is 六合 with 午 but no harmony with 未
        // itself; 2015-06-15 壬戌 is 三合 with 午 but not with 未.
        const DaySearchReport report = searchDays(
            conditions("嫁娶", "一周以内", "宜",
                       {person("老公", "1990", "5", "1", "午 11", "30"), person("老婆", "2015", "6", "1")}, {"东"}),
            QDate(2015, 6, 9), builtData());
        QCOMPARE(report.lines.mid(0, 4), (QStringList{
                                             "测算：一周以内（2015-06-09 至 2015-06-15）宜嫁娶的日子",
                                             "老公：1990-05-01 11:30 生，属马",
                                             "老婆：2015-06-01 00:00 生，属羊",
                                             "排除冲煞方位：煞东",
                                         }));
        QCOMPARE(report.lines.mid(4), (QStringList{
                                          "",
                                          "2015-06-12 星期五 农历四月廿六 己未日 冲牛(癸丑)煞西",
                                          "2015-06-13 星期六 农历四月廿七 庚申日 冲虎(甲寅)煞南",
                                          "2015-06-15 星期一 农历四月廿九 壬戌日 冲龙(丙辰)煞北",
                                          "共找到 3 天。其中没有与所有人员六合或三合的日子。",
                                      }));
    }

    void keptDaysMatchADailyScan_data()
    {
        QTest::addColumn<DaySearchConditions>("wanted");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("spanDays");
        const QList<BirthTexts> couple{person("老公", "1986", "3", "12"), person("老婆", "1988", "11", "30")};
        QTest::newRow("2015-06-09 一年 嫁娶 宜, two persons, 南 北")
            << conditions("嫁娶", "一年以年", "宜", couple, {"南", "北"}) << QDate(2015, 6, 9) << 365;
        QTest::newRow("2015-06-09 三月 开市 忌") << conditions("开市", "三月以内", "忌") << QDate(2015, 6, 9) << 90;
        QTest::newRow("2024-02-01 半年 入宅 忌, one person, 西")
            << conditions("入宅", "半年以内", "忌", {person("人员1", "1975", "2", "10")}, {"西"}) << QDate(2024, 2, 1)
            << 180;
        QTest::newRow("2050-10-01 半年 出行 宜, past the data")
            << conditions("出行", "半年以内", "宜", couple) << QDate(2050, 10, 1) << 180;
        QTest::newRow("2015-06-09 三月 祭祀 宜, 黄道 only")
            << huangdaoOnly(conditions("祭祀", "三月以内", "宜")) << QDate(2015, 6, 9) << 90;
        QTest::newRow("1901-01-01 一年 嫁娶 忌, 黄道 only, one person")
            << huangdaoOnly(conditions("嫁娶", "一年以年", "忌", {person("人员1", "1975", "7", "7")}))
            << QDate(1901, 1, 1) << 365;
    }
    void keptDaysMatchADailyScan()
    {
        QFETCH(DaySearchConditions, wanted);
        QFETCH(QDate, today);
        QFETCH(int, spanDays);
        const DaySearchReport report = searchDays(wanted, today, builtData());
        const QList<QDate> expected = keptDaysByDailyScan(wanted, today, spanDays);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(report.days, expected);
        QCOMPARE(datesOfDayLines(report.lines), expected);
        QVERIFY(report.lines.last().startsWith(QStringLiteral("共找到 %1 天。").arg(expected.size())));
        QCOMPARE(report.lines.contains(QStringLiteral("只取黄道日（值神为黄道）")), wanted.huangdaoOnly);
    }

    void spansPastTheDataSaySo_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("span");
        QTest::addColumn<int>("daysWithoutData");
        QTest::addColumn<QStringList>("closing");
        QTest::newRow("2050-12-20 一月以内")
            << QDate(2050, 12, 20) << "一月以内" << 18
            << QStringList{"黄历数据只到 2050-12-31，2051-01-01 至 2051-01-18 共 18 天无法测算。", "共找到 2 天。"};
        QTest::newRow("2051-03-01 3天以内")
            << QDate(2051, 3, 1) << "3天以内" << 3
            << QStringList{"黄历数据中没有 2051-03-01 至 2051-03-03 的记录，无法测算。",
                           "2051-03-01 至 2051-03-03 之间没有宜嫁娶且合乎以上条件的日子。日子从本机系统时间的今天"
                           "算起，如查询不到数据请检测系统时间是否正确，或联系我们给你查明原因。"};
        QTest::newRow("1900-12-29 一周以内")
            << QDate(1900, 12, 29) << "一周以内" << 3
            << QStringList{"黄历数据从 1901-01-01 开始，1900-12-29 至 1900-12-31 共 3 天无法测算。", "共找到 2 天。"};
    }
    void spansPastTheDataSaySo()
    {
        QFETCH(QDate, today);
        QFETCH(QString, span);
        QFETCH(int, daysWithoutData);
        QFETCH(QStringList, closing);
        const DaySearchReport report = searchDays(conditions("嫁娶", span, "宜"), today, builtData());
        QCOMPARE(report.daysWithoutData, daysWithoutData);
        QCOMPARE(report.lines.mid(report.lines.size() - 2), closing);
    }

    void specialListItemsAndGapsInAFixture_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("suitability");
        QTest::addColumn<QStringList>("dayLinesAndAfter");
        QTest::newRow("宜, 2020-01-05 missing")
            << QDate(2020, 1, 1) << "宜"
            << QStringList{"2020-01-01 星期三 农历腊月初七 癸卯日 冲鸡(丁酉)煞西",
                           "2020-01-04 星期六 农历腊月初十 丙午日 冲鼠(庚子)煞北",
                           "2020-01-07 星期二 农历腊月十三 己酉日 冲兔(癸卯)煞东",
                           "黄历数据缺少 2020-01-05 的记录，这一天没有测算。", "共找到 3 天。"};
        QTest::newRow("忌 through 诸事不宜 and 馀事勿取")
            << QDate(2020, 1, 1) << "忌"
            << QStringList{"2020-01-02 星期四 农历腊月初八 甲辰日 冲狗(戊戌)煞南",
                           "2020-01-03 星期五 农历腊月初九 乙巳日 冲猪(己亥)煞东",
                           "黄历数据缺少 2020-01-05 的记录，这一天没有测算。", "共找到 2 天。"};
        QTest::newRow("a gap and the end of the data")
            << QDate(2020, 1, 4) << "宜"
            << QStringList{"2020-01-04 星期六 农历腊月初十 丙午日 冲鼠(庚子)煞北",
                           "2020-01-07 星期二 农历腊月十三 己酉日 冲兔(癸卯)煞东",
                           "黄历数据缺少其中 4 天的记录（最早 2020-01-05，最晚 2020-01-10），这些日子没有测算。",
                           "共找到 2 天。"};
    }
    void specialListItemsAndGapsInAFixture()
    {
        QFETCH(QDate, today);
        QFETCH(QString, suitability);
        QFETCH(QStringList, dayLinesAndAfter);
        const DaySearchReport report = searchDays(conditions("嫁娶", "一周以内", suitability), today, fixtureData());
        QCOMPARE(report.lines.mid(report.lines.indexOf(QString()) + 1), dayLinesAndAfter);
    }

    void faultsOfTheDataFileAreErrors()
    {
        const DaySearchConditions wanted = conditions("嫁娶", "3天以内", "宜");
        QVERIFY_THROWS_EXCEPTION(Error, searchDays(wanted, QDate(2015, 6, 9), birthConnectionStringIn("/nonexistent")));
        try {
            searchDays(wanted, QDate(2020, 2, 1), fixtureData());
            QFAIL("an unreadable clash went unnoticed");
        } catch (const Error& error) {
            QCOMPARE(error.message(), QStringLiteral("黄历数据 2020-02-01 的冲煞“冲?”无法识别"));
        }
    }
};

QTEST_GUILESS_MAIN(TestDaySearch)
#include "tst_daysearch.moc"
