#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "platform/TmpfsMount.h"
#include "support/TamperedDataFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

QString connectionTo(const QString& path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True").arg(path);
}

enum class Journal { Rollback, Wal };

// A two-row almanac table whose values carry blanks around them, as imported data may;
// yi is the 宜 of the first day, so a test can tell two fixtures apart.
QString writeFixtureAt(const QString& path, Journal journal = Journal::Rollback,
                       const QString& yi = QStringLiteral(" 解除 "))
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot build the fixture %s", qPrintable(path));
        QSqlQuery q(db);
        // A fixture that silently lacks a row would make the tests below pass or fail
        // for the wrong reason.
        const auto run = [&](bool done) {
            if (!done)
                qFatal("cannot build the fixture %s: %s", qPrintable(path), qPrintable(q.lastError().text()));
        };
        if (journal == Journal::Wal) {
            run(q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && q.next());
            if (q.value(0).toString() != QLatin1String("wal"))
                qFatal("the fixture %s is not in WAL mode", qPrintable(path));
        }
        run(q.exec(QStringLiteral("CREATE TABLE lumora (gn TEXT, nn TEXT, yi TEXT)")));
        run(q.prepare(QStringLiteral("INSERT INTO lumora VALUES ('2015-06-09', '  农历乙未年四月廿三 ', ?)")));
        q.addBindValue(yi);
        run(q.exec());
        run(q.exec(QStringLiteral("INSERT INTO lumora VALUES ('2015-06-10', 'second', 'it''s')")));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return path;
}

QString writeFixture(const QTemporaryDir& dir)
{
    return writeFixtureAt(dir.filePath(QStringLiteral("fixture.dll")));
}

// The 宜 of 2015-06-09 in the data file a connection text leads to.
QString yiThrough(const QString& connectionString)
{
    Query query;
    query.setConnectionString(connectionString);
    query.setSql(QStringLiteral("Select top 1 * from lumora where gn = #2015-6-9#"));
    query.open();
    return query.text(QStringLiteral("yi"));
}

// Every entry of the folder, hidden ones too.
QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void openQuery(Query& query, const QString& path, const QString& sql)
{
    query.setConnectionString(connectionTo(path));
    query.setSql(sql);
    query.open();
}

} // namespace

class TestData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkPickedDate_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("expected"); // the complaint, or the date text

        QTest::newRow("blank year") << "   "
                                    << "06"
                                    << "09"
                                    << "请选择年!";
        QTest::newRow("empty month and day") << "2015"
                                             << ""
                                             << ""
                                             << "请选择月!";
        QTest::newRow("empty day") << "2015"
                                   << "06"
                                   << " "
                                   << "请选择日!";
        QTest::newRow("2015-02-29") << "2015"
                                    << "02"
                                    << "29"
                                    << "请选择有效的日期!";
        QTest::newRow("2016-02-29") << "2016"
                                    << "02"
                                    << "29"
                                    << "2016-02-29";
        QTest::newRow("1900-02-29 not leap") << "1900"
                                             << "02"
                                             << "29"
                                             << "请选择有效的日期!";
        QTest::newRow("2000-02-29 leap") << "2000"
                                         << "02"
                                         << "29"
                                         << "2000-02-29";
        QTest::newRow("month 13") << "2015"
                                  << "13"
                                  << "01"
                                  << "请选择有效的日期!";
        QTest::newRow("month 0") << "2015"
                                 << "0"
                                 << "01"
                                 << "请选择有效的日期!";
        QTest::newRow("31 April") << "2015"
                                  << "04"
                                  << "31"
                                  << "请选择有效的日期!";
        QTest::newRow("unpadded") << "2015"
                                  << "6"
                                  << "9"
                                  << "2015-6-9";
        QTest::newRow("blanks trimmed") << " 1999 "
                                        << "03 "
                                        << " 05"
                                        << "1999-03-05";
        QTest::newRow("letters") << "2015"
                                 << "Jun"
                                 << "09"
                                 << "请选择有效的日期!";
        QTest::newRow("sign") << "2015"
                              << "+6"
                              << "09"
                              << "请选择有效的日期!";
        QTest::newRow("extra part") << "2015"
                                    << "06-01"
                                    << "09"
                                    << "请选择有效的日期!";
        QTest::newRow("full-width digits") << "２０１５"
                                           << "06"
                                           << "09"
                                           << "请选择有效的日期!";
        QTest::newRow("year 0") << "0"
                                << "01"
                                << "01"
                                << "请选择有效的日期!";
        QTest::newRow("year 10000") << "10000"
                                    << "01"
                                    << "01"
                                    << "请选择有效的日期!";
        QTest::newRow("two-digit year as written") << "15"
                                                   << "6"
                                                   << "9"
                                                   << "15-6-9";
        QTest::newRow("year with leading zeros as written") << "02015"
                                                            << "06"
                                                            << "09"
                                                            << "02015-06-09";
    }
    void checkPickedDate()
    {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, expected);
        const PickedDateCheck check = CheckPickedDate(year, month, day);
        if (const auto* complaint = std::get_if<PickedDateComplaint>(&check))
            QCOMPARE(complaint->message, expected);
        else
            QCOMPARE(std::get<PickedDate>(check).dateText, expected);
    }

    void connectionStringsNameTheFilesBesideTheProgram()
    {
        const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        QCOMPARE(BirthConnectionString(),
                 QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1/VeltaBirth.dll;Persist Security "
                                "Info=True")
                     .arg(folder));
        QCOMPARE(Query::dataSourceOf(DreamConnectionString()), folder + QStringLiteral("/dream.dll"));
    }

    void dataSourceIsReadAsWritten_data()
    {
        QTest::addColumn<QString>("connection");
        QTest::addColumn<QString>("dataSource"); // empty: none that can be trusted
        QTest::newRow("plain") << "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/a/b.dll;Persist Security Info=True"
                               << "/a/b.dll";
        QTest::newRow("blanks around") << "Provider=x; Data Source = /a/b c.dll ;Persist Security Info=True"
                                       << "/a/b c.dll";
        QTest::newRow("key in another case") << "data SOURCE=/a.dll"
                                             << "/a.dll";
        QTest::newRow("empty entries") << ";; Data Source=/a.dll;;"
                                       << "/a.dll";
        QTest::newRow("double quotes around ;")
            << "Provider=x;Data Source=\"/x/semi;colon/b.dll\";Persist Security Info=True"
            << "/x/semi;colon/b.dll";
        QTest::newRow("single quotes around \"") << "Data Source='/x/a\"b/c.dll'"
                                                 << "/x/a\"b/c.dll";
        QTest::newRow("doubled quote") << "Data Source=\"/x/a\"\"b'c/d.dll\";Persist Security Info=True"
                                       << "/x/a\"b'c/d.dll";
        QTest::newRow("quotes keep blanks") << "Data Source= \" /x/ b.dll \" ;"
                                            << " /x/ b.dll ";
        QTest::newRow("leading blank, as generated")
            << birthConnectionStringIn(QStringLiteral(" rel")) << " rel/VeltaBirth.dll";
        QTest::newRow("unterminated quote") << "Data Source=\"/a;b"
                                            << "";
        QTest::newRow("text after the quote") << "Data Source=\"/a\"b;"
                                              << "";
        QTest::newRow("no data source") << "Provider=Microsoft.Jet.OLEDB.4.0;Persist Security Info=True"
                                        << "";
    }
    void dataSourceIsReadAsWritten()
    {
        QFETCH(QString, connection);
        QFETCH(QString, dataSource);
        QCOMPARE(Query::dataSourceOf(connection), dataSource);
    }

    void dataFilesInOddlyNamedFoldersAreRead_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("decoy"); // where a careless reading of the path would lead, or empty
        QTest::newRow("semicolon") << "semi;colon"
                                   << "semi";
        QTest::newRow("double quote") << "quote\"d"
                                      << "";
        QTest::newRow("single quote") << "it's"
                                      << "";
        QTest::newRow("both quotes") << "both\"'"
                                     << "";
        QTest::newRow("equals sign") << "a=b"
                                     << "";
        QTest::newRow("URI syntax") << "q?m#h%20x"
                                    << "q";
        QTest::newRow("Chinese and a blank") << "黄历 数据"
                                             << "";
    }
    void dataFilesInOddlyNamedFoldersAreRead()
    {
        QFETCH(QString, folder);
        QFETCH(QString, decoy);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(folder));
        const QString path = writeFixtureAt(QDir(dir.filePath(folder)).filePath(QStringLiteral("VeltaBirth.dll")));
        if (!decoy.isEmpty())
            writeFixtureAt(dir.filePath(decoy), Journal::Rollback, QStringLiteral("decoy"));

        const QString connection = birthConnectionStringIn(dir.filePath(folder));
        QCOMPARE(Query::dataSourceOf(connection), path);
        QCOMPARE(yiThrough(connection), QStringLiteral("解除"));
    }

    void accessDialectIsTranslated_data()
    {
        QTest::addColumn<QString>("access");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("top and padded date") << "Select top 1 * from lumora where gn = #2015-6-9#"
                                             << "Select * from lumora where gn = '2015-06-09' LIMIT 1";
        QTest::newRow("already padded") << "select * from lumora where gn = #2015-06-09#"
                                        << "select * from lumora where gn = '2015-06-09'";
        QTest::newRow("year with leading zeros") << "select * from lumora where gn = #02015-6-9#"
                                                 << "select * from lumora where gn = '2015-06-09'";
        QTest::newRow("no dialect") << "select title,jx,content from shouji where num = '12'"
                                    << "select title,jx,content from shouji where num = '12'";
    }
    void accessDialectIsTranslated()
    {
        QFETCH(QString, access);
        QFETCH(QString, sqlite);
        QCOMPARE(Query::toSqlite(access), sqlite);
    }

    void readsTrimmedColumnsByNameAndPosition()
    {
        QTemporaryDir dir;
        Query query;
        openQuery(query, writeFixture(dir), QStringLiteral("Select top 1 * from lumora where gn = #2015-6-9#"));
        QVERIFY(query.hasRow());
        QCOMPARE(query.text(QStringLiteral("nn")), QStringLiteral("农历乙未年四月廿三"));
        QCOMPARE(query.text(2), QStringLiteral("解除"));
        QVERIFY_THROWS_EXCEPTION(Error, query.text(QStringLiteral("missing")));
        QVERIFY_THROWS_EXCEPTION(Error, query.text(3));
    }

    // One query runs its statements on one connection while the file stays; a file replaced
    // or removed in between is read anew or reported.
    void aQueryReadsTheFileAsItIsNow()
    {
        QTemporaryDir dir;
        const QString path = writeFixture(dir);
        Query query;
        const QString sql = QStringLiteral("Select top 1 * from lumora where gn = #2015-6-9#");
        openQuery(query, path, sql);
        QCOMPARE(query.text(QStringLiteral("yi")), QStringLiteral("解除"));
        openQuery(query, path, sql);
        QCOMPARE(query.text(QStringLiteral("yi")), QStringLiteral("解除"));

        const QString replacement =
            writeFixtureAt(dir.filePath(QStringLiteral("new.dll")), Journal::Rollback, QStringLiteral("嫁娶 祭祀"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::rename(replacement, path));
        openQuery(query, path, sql);
        QCOMPARE(query.text(QStringLiteral("yi")), QStringLiteral("嫁娶 祭祀"));

        QVERIFY(QFile::remove(path));
        QVERIFY_THROWS_EXCEPTION(Error, openQuery(query, path, sql));
        QVERIFY(!query.hasRow());
    }

    void noRowIsNotAnError()
    {
        QTemporaryDir dir;
        Query query;
        openQuery(query, writeFixture(dir), QStringLiteral("select * from lumora where gn = #2030-1-1#"));
        QVERIFY(!query.hasRow());
        QVERIFY_THROWS_EXCEPTION(Error, query.text(0));
    }

    // Each way a data file goes wrong is an error naming the file, and nothing in its folder
    // is changed or created (no empty database in place of a missing one, no journal).
    void failuresAreErrorsAndLeaveTheFileAlone_data()
    {
        QTest::addColumn<int>("tampering"); // a Tampering of the fixture; -1: the fixture as it is
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("column"); // read once the query is open, when not empty
        QTest::addColumn<QString>("message");
        const QString almanacSql = QStringLiteral("Select top 1 * from lumora where gn = #2015-6-9#");
        for (const TamperingCase& tampered : tamperingCases())
            QTest::newRow(tampered.name) << int(tampered.tampering) << almanacSql << "yi" << tampered.message;
        QTest::newRow("unknown table") << -1 << "select * from nosuchtable"
                                       << ""
                                       << "数据文件中没有数据表 nosuchtable";
        QTest::newRow("unknown column selected") << -1 << "select gn, title from lumora"
                                                 << ""
                                                 << "数据文件中没有字段 title";
        QTest::newRow("a write") << -1 << "delete from lumora"
                                 << ""
                                 << "无法读取数据文件";
    }
    void failuresAreErrorsAndLeaveTheFileAlone()
    {
        QFETCH(int, tampering);
        QFETCH(QString, sql);
        QFETCH(QString, column);
        QFETCH(QString, message);
        if (tampering >= 0 && tamperingNeedsOtherUser(Tampering(tampering)))
            QSKIP("running as root, which reads every file");
        QTemporaryDir dir;
        const QString good = writeFixture(dir);
        QString path = good;
        if (tampering >= 0) {
            path = dir.filePath(QStringLiteral("data.dll"));
            placeTampered(path, Tampering(tampering), good, QStringLiteral("lumora"), QStringLiteral("yi"));
        }
        const QStringList before = fingerprintOf(dir.path());

        Query query;
        try {
            openQuery(query, path, sql);
            if (!column.isEmpty())
                query.text(column);
            QFAIL("the query must fail");
        } catch (const Error& error) {
            QVERIFY2(error.message().startsWith(message) && error.message().contains(path),
                     qPrintable(error.message()));
        }
        query.close();
        QCOMPARE(fingerprintOf(dir.path()), before);
    }

    void builtAlmanacFileHoldsEveryDay()
    {
        Query query;
        query.setConnectionString(BirthConnectionString());
        query.setSql(QStringLiteral("select count(*), min(gn), max(gn) from lumora"));
        query.open();
        QCOMPARE(query.text(0), QStringLiteral("54787"));
        QCOMPARE(query.text(1), QStringLiteral("1901-01-01"));
        QCOMPARE(query.text(2), QStringLiteral("2050-12-31"));

        query.setSql(QStringLiteral("Select top 1 * from lumora where gn = #2015-6-9#"));
        query.open();
        QCOMPARE(query.text(QStringLiteral("suici")), QStringLiteral("乙未年 壬午月 丙辰日"));
        QCOMPARE(query.text(QStringLiteral("cong")), QStringLiteral("冲狗(庚戌)煞南"));
        QCOMPARE(query.text(QStringLiteral("yi")), QStringLiteral("解除 坏垣 馀事勿取"));
        QCOMPARE(query.text(QStringLiteral("nn")), QStringLiteral("农历乙未年四月廿三 星期二"));

        // One pairing for each ordered pair of the twelve animals.
        query.setSql(QStringLiteral("select count(*), count(distinct shengxiao1 || shengxiao2), "
                                    "count(distinct shengxiao1), count(distinct shengxiao2) from shuxianglove"));
        query.open();
        QCOMPARE(query.text(0), QStringLiteral("144"));
        QCOMPARE(query.text(1), QStringLiteral("144"));
        QCOMPARE(query.text(2), QStringLiteral("12"));
        QCOMPARE(query.text(3), QStringLiteral("12"));
    }

    void builtAlmanacFileHoldsTheHoursAndFurtherFacts()
    {
        Query query;
        query.setConnectionString(BirthConnectionString());
        // Thirteen double-hours for each of the sixty 干支, the indexes 0 to 12 each once.
        query.setSql(QStringLiteral("select count(*), count(distinct rgz), count(distinct rgz || '/' || idx), "
                                    "min(cast(idx as integer)), max(cast(idx as integer)) from shichen"));
        query.open();
        QCOMPARE(query.text(0), QStringLiteral("780"));
        QCOMPARE(query.text(1), QStringLiteral("60"));
        QCOMPARE(query.text(2), QStringLiteral("780"));
        QCOMPARE(query.text(3), QStringLiteral("0"));
        QCOMPARE(query.text(4), QStringLiteral("12"));

        // One row of further facts for every day of the day table, and no other.
        query.setSql(QStringLiteral("select count(*), min(gn), max(gn), "
                                    "(select count(*) from lumora join lumora_extra using (gn)), "
                                    "(select count(*) from lumora_extra where rgz not in (select rgz from shichen)) "
                                    "from lumora_extra"));
        query.open();
        QCOMPARE(query.text(0), QStringLiteral("54787"));
        QCOMPARE(query.text(1), QStringLiteral("1901-01-01"));
        QCOMPARE(query.text(2), QStringLiteral("2050-12-31"));
        QCOMPARE(query.text(3), QStringLiteral("54787"));
        QCOMPARE(query.text(4), QStringLiteral("0"));
    }

    void dataFilesAreUnchangedByUse()
    {
        const QString path = Query::dataSourceOf(BirthConnectionString());
        const QByteArray before = fileHash(path);
        QVERIFY(!before.isEmpty());
        {
            Query query;
            query.setConnectionString(BirthConnectionString());
            for (const char* day : {"#1901-1-1#", "#2050-12-31#", "#2015-06-09#"}) {
                query.setSql(QStringLiteral("Select top 1 * from lumora where gn = %1").arg(QLatin1String(day)));
                query.open();
                QVERIFY(query.hasRow());
                query.text(QStringLiteral("ji"));
            }
        }
        QCOMPARE(fileHash(path), before);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    void aWalModeFileIsReadWithNothingBeside_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("writable folder") << false;
        QTest::newRow("read-only folder") << true;
    }
    void aWalModeFileIsReadWithNothingBeside()
    {
        QFETCH(bool, readOnlyFolder);
        TmpfsMount tmpfs("1m");
        QTemporaryDir plain;
        if (readOnlyFolder && !tmpfs.isMounted())
            QSKIP("mounting a tmpfs needs root");
        const QString folder = readOnlyFolder ? tmpfs.path() : plain.path();
        const QString path = writeFixtureAt(QDir(folder).filePath(QStringLiteral("VeltaBirth.dll")), Journal::Wal);
        QFile header(path);
        QVERIFY(header.open(QIODevice::ReadOnly));
        QCOMPARE(int(header.read(20).at(18)), 2); // the file says: WAL mode
        header.close();
        QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("VeltaBirth.dll")});
        if (readOnlyFolder)
            QVERIFY(tmpfs.remountReadOnly());
        const QByteArray before = fileHash(path);

        const QString connection = birthConnectionStringIn(folder);
        QCOMPARE(yiThrough(connection), QStringLiteral("解除"));
        QCOMPARE(yiThrough(connection), QStringLiteral("解除"));
        QCOMPARE(entriesOf(folder), QStringList{QStringLiteral("VeltaBirth.dll")});
        QCOMPARE(fileHash(path), before);
    }

    // Its rows are authored data, tested where they are loaded; here the table and the
    // three columns the phone reading selects must be there.
    void dreamFileHasItsTable()
    {
        Query query;
        query.setConnectionString(DreamConnectionString());
        query.setSql(QStringLiteral("select title,jx,content from shouji where num = '0'"));
        QVERIFY_THROWS_NO_EXCEPTION(query.open());
    }
};

QTEST_GUILESS_MAIN(TestData)
#include "tst_data.moc"
