#include "data/Error.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "divination/PhoneReading.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace lumora;

namespace {

// A dream data file with the table `shouji` as the build lays it out and two readings, one
// of them padded with blanks as imported texts may be.
QString writeDreamFixture(const QTemporaryDir& dir)
{
    const QString path = dir.filePath(QStringLiteral("dream.dll"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("shouji-fixture"));
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot build the fixture %s", qPrintable(path));
        QSqlQuery q(db);
        for (const char* sql : {"CREATE TABLE shouji (num TEXT PRIMARY KEY, title TEXT, jx TEXT, content TEXT)",
                                "INSERT INTO shouji VALUES ('21', ' 测试状态 ', '吉 ', '  测试内容')",
                                "INSERT INTO shouji VALUES ('0', '零', '凶', '零的内容')"}) {
            if (!q.exec(QString::fromUtf8(sql)))
                qFatal("cannot build the fixture %s: %s", qPrintable(path), qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("shouji-fixture"));
    return path;
}

} // namespace

class TestPhoneReading : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyIsTheLastFourDigitsByEighty_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("key");
        QTest::newRow("ends in 8901") << "13800138901"
                                      << "21";
        QTest::newRow("ends in 0000") << "13800130000"
                                      << "0";
        QTest::newRow("ends in 0080") << "13800130080"
                                      << "0";
        QTest::newRow("ends in 9999") << "13800139999"
                                      << "79";
        QTest::newRow("ends in 0037") << "13800130037"
                                      << "37";
        QTest::newRow("ends in 0079") << "13800130079"
                                      << "79";
        QTest::newRow("eight digits: the eighth alone") << "13800138"
                                                        << "8";
        QTest::newRow("ten digits: three in the group") << "1380013890"
                                                        << "10";
        QTest::newRow("longer than eleven: 8 to 11 still") << "1380013890155"
                                                           << "21";
        QTest::newRow("blanks around are trimmed") << " 13800138901\t"
                                                   << "21";
    }
    void keyIsTheLastFourDigitsByEighty()
    {
        QFETCH(QString, number);
        QTEST(shoujiinfostr(number), "key");
    }

    void numbersWithoutADigitGroupAreRefused_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "手机号码“”不足8位，取不到第8至11位";
        QTest::newRow("seven digits") << "1380013"
                                      << "手机号码“1380013”不足8位，取不到第8至11位";
        QTest::newRow("letters in the group") << "1380013a901"
                                              << "手机号码“1380013a901”的第8至11位“a901”不全是数字";
        QTest::newRow("blank in the group") << "1380013 8901"
                                            << "手机号码“1380013 8901”的第8至11位“ 890”不全是数字";
        QTest::newRow("minus sign in the group") << "1380013-800"
                                                 << "手机号码“1380013-800”的第8至11位“-800”不全是数字";
        QTest::newRow("full-width digits") << "1380013８９０１"
                                           << "手机号码“1380013８９０１”的第8至11位“８９０１”不全是数字";
        QTest::newRow("control character shown") << "1380013\u00018901"
                                                 << "手机号码“1380013\\u{1}8901”的第8至11位“\\u{1}890”不全是数字";
    }
    void numbersWithoutADigitGroupAreRefused()
    {
        QFETCH(QString, number);
        QFETCH(QString, message);
        try {
            shoujiinfostr(number);
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.message(), message);
        }
    }

    void sqlQuotesTheKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("sql");
        QTest::newRow("21") << "21"
                            << "select title,jx,content from shouji where num = '21'";
        QTest::newRow("0") << "0"
                           << "select title,jx,content from shouji where num = '0'";
        QTest::newRow("inner quote doubled") << "2'1"
                                             << "select title,jx,content from shouji where num = '2''1'";
    }
    void sqlQuotesTheKey()
    {
        QFETCH(QString, key);
        QTEST(phoneReadingSql(key), "sql");
    }

    void readsTheKeysRowTrimmed()
    {
        QTemporaryDir dir;
        Query query;
        query.setConnectionString(dreamConnectionStringIn(QFileInfo(writeDreamFixture(dir)).path()));
        const std::optional<PhoneReading> reading = queryPhoneReading(query, QStringLiteral("21"));
        QVERIFY(reading);
        QCOMPARE(reading->title, QStringLiteral("测试状态"));
        QCOMPARE(reading->verdict, QStringLiteral("吉"));
        QCOMPARE(reading->content, QStringLiteral("测试内容"));

        // The same query object serves the next request.
        const std::optional<PhoneReading> zero = queryPhoneReading(query, QStringLiteral("0"));
        QVERIFY(zero);
        QCOMPARE(zero->title, QStringLiteral("零"));
    }

    void noRowGivesNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("key without a row") << "22";
        QTest::newRow("key with a quote") << "2'1";
    }
    void noRowGivesNothing()
    {
        QFETCH(QString, key);
        QTemporaryDir dir;
        Query query;
        query.setConnectionString(dreamConnectionStringIn(QFileInfo(writeDreamFixture(dir)).path()));
        QVERIFY(!queryPhoneReading(query, key));
    }

    void missingDataFileIsAnError()
    {
        QTemporaryDir dir;
        Query query;
        query.setConnectionString(dreamConnectionStringIn(dir.path()));
        QVERIFY_THROWS_EXCEPTION(Error, queryPhoneReading(query, QStringLiteral("21")));
    }
};

QTEST_GUILESS_MAIN(TestPhoneReading)
#include "tst_phonereading.moc"
