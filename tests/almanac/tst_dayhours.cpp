// The hour-level almanac and the calendar's day notes, read from the built data file and
// from small fixtures that hold one fault each.

#include "almanac/DayHours.h"
#include "almanac/DayNotes.h"
#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;

namespace {

// A data file with the further facts of 2015-06-09 and only the first `hourCount` of its
// double-hours, the rest of the tables empty.
QString writeHoursFixture(const QTemporaryDir& dir, int hourCount)
{
    const QString path = dir.filePath(QStringLiteral("VeltaBirth.dll"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hours"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot write the fixture");
        QSqlQuery q(db);
        const QStringList statements{
            QStringLiteral(
                "CREATE TABLE lumora_extra (gn TEXT PRIMARY KEY, rgz TEXT, zhishen TEXT, huangdao TEXT, "
                "xiu TEXT, xiuluck TEXT, xishen TEXT, fushen TEXT, caishen TEXT, yanggui TEXT, yingui TEXT)"),
            QStringLiteral("CREATE TABLE shichen (rgz TEXT, idx TEXT, shiduan TEXT, ganzhi TEXT, tianshen TEXT, "
                           "huangdao TEXT, jixiong TEXT, cong TEXT, yi TEXT, ji TEXT)"),
            QStringLiteral("INSERT INTO lumora_extra VALUES ('2015-06-09', '丙辰', '天牢', '黑道', '翼火蛇', '凶', "
                           "'西南', '西北', '西南', '正西', '西北')"),
        };
        for (const QString& sql : statements)
            if (!q.exec(sql))
                qFatal("%s", qPrintable(q.lastError().text()));
        for (int index = 0; index < hourCount; ++index)
            if (!q.exec(QStringLiteral("INSERT INTO shichen VALUES ('丙辰', '%1', '', '', '', '', '', '', '', '')")
                            .arg(index)))
                qFatal("%s", qPrintable(q.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("hours"));
    return birthConnectionStringIn(dir.path());
}

} // namespace

class TestDayHours : public QObject {
    Q_OBJECT

    // A member, not a static: it must close before the application object goes.
    Query builtData_;
    Query& builtData()
    {
        builtData_.setConnectionString(BirthConnectionString());
        return builtData_;
    }

private Q_SLOTS:
    void hoursOf20150609()
    {
        const std::optional<HourlyAlmanac> day = queryHourlyAlmanac(builtData(), QStringLiteral("2015-6-9"));
        QVERIFY(day);
        const QList<DoubleHour>* hours = &day->hours;
        QCOMPARE(hours->size(), kDoubleHourCount);
        QCOMPARE(hours->first().fields(),
                 (QStringList{"00:00-00:59", "戊子", "天牢", "黑道", "凶", "冲马(壬午)煞南",
                              "订婚 嫁娶 求财 开市 交易 安床 祭祀", "赴任 修造 移徙 出行 词讼 祈福 求嗣"}));
        // In the day's order, not the text order of the index ("10" before "2").
        QStringList ranges;
        for (const DoubleHour& hour : *hours)
            ranges << hour.range.left(2);
        QCOMPARE(ranges.join(' '), QStringLiteral("00 01 03 05 07 09 11 13 15 17 19 21 23"));
        QVERIFY(!hours->first().isAuspicious());
        QVERIFY(hours->at(2).isAuspicious()); // 司命, 黄道
    }

    void factsOf20150609()
    {
        const std::optional<HourlyAlmanac> day = queryHourlyAlmanac(builtData(), QStringLiteral("2015-06-09"));
        QVERIFY(day);
        const DayFacts* facts = &day->facts;
        QVERIFY(!facts->isHuangdao());
        QCOMPARE(facts->lines(), (QStringList{"值神:天牢(黑道)", "星宿:翼火蛇(凶)",
                                              "吉神方位:喜神西南 福神西北 财神西南 阳贵正西 阴贵西北"}));
        QVERIFY(queryHourlyAlmanac(builtData(), QStringLiteral("2015-6-30"))->facts.isHuangdao()); // 天德
    }

    void daysOutsideTheTablesHaveNothing_data()
    {
        QTest::addColumn<QString>("dateText");
        QTest::newRow("1900-12-31") << "1900-12-31";
        QTest::newRow("2051-1-1") << "2051-1-1";
    }
    void daysOutsideTheTablesHaveNothing()
    {
        QFETCH(QString, dateText);
        QVERIFY(!queryHourlyAlmanac(builtData(), dateText));
    }

    void missingHoursAreAnError_data()
    {
        QTest::addColumn<int>("hourCount");
        QTest::addColumn<bool>("isError");
        QTest::newRow("none: no row") << 0 << false;
        QTest::newRow("twelve") << 12 << true;
        QTest::newRow("all thirteen") << 13 << false;
    }
    void missingHoursAreAnError()
    {
        QFETCH(int, hourCount);
        QFETCH(bool, isError);
        QTemporaryDir dir;
        Query query;
        query.setConnectionString(writeHoursFixture(dir, hourCount));
        if (isError) {
            QVERIFY_THROWS_EXCEPTION(Error, queryHourlyAlmanac(query, QStringLiteral("2015-6-9")));
            return;
        }
        const std::optional<HourlyAlmanac> day = queryHourlyAlmanac(query, QStringLiteral("2015-6-9"));
        QCOMPARE(day.has_value(), hourCount == kDoubleHourCount);
    }

    void notesOfAMonth()
    {
        const QMap<QDate, QStringList> notes = queryDayNotes(builtData(), QDate(2015, 6, 1), QDate(2015, 6, 30));
        QCOMPARE(notes.size(), 30);
        QCOMPARE(notes.value(QDate(2015, 6, 9)),
                 (QStringList{"2015-06-09  农历乙未年四月廿三 星期二", "值神:天牢(黑道)", "宜:解除 坏垣 馀事勿取",
                              "忌:诸事不宜"}));
        QVERIFY(notes.value(QDate(2015, 6, 30)).contains(QStringLiteral("值神:天德(黄道)")));
    }

    void notesEndWithTheData()
    {
        const QMap<QDate, QStringList> notes = queryDayNotes(builtData(), QDate(2050, 12, 1), QDate(2051, 1, 31));
        QCOMPARE(notes.size(), 31);
        QCOMPARE(notes.lastKey(), QDate(2050, 12, 31));
    }
};

QTEST_GUILESS_MAIN(TestDayHours)
#include "tst_dayhours.moc"
