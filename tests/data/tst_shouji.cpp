// The phone-number readings as built into dream.dll from db/shouji.tsv: one row for every
// key a phone number can give, titles and verdicts those of the numerology number the key
// stands for, and a reading of its own for each.

#include "data/NumerologyTable.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "divination/PhoneReading.h"

#include <QRegularExpression>
#include <QtTest>

#include <optional>

using namespace lumora;

namespace {

constexpr int kKeyCount = 80;

// The first column of the first row of `sql` on the built dream.dll.
QString firstValue(const QString& sql)
{
    Query query;
    query.setConnectionString(DreamConnectionString());
    query.setSql(sql);
    query.open();
    return query.hasRow() ? query.text(0) : QString();
}

std::optional<PhoneReading> readingOfKey(const QString& key)
{
    Query query;
    query.setConnectionString(DreamConnectionString());
    return queryPhoneReading(query, key);
}

// Key k reads as the numerology number k; key 0 as 80, the number a multiple of 80 leaves.
int numerologyIndexOf(int key)
{
    return key == 0 ? 80 : key;
}

} // namespace

class TestShouji : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyKeyHasExactlyOneRow()
    {
        QCOMPARE(firstValue(QStringLiteral("select count(*) from shouji")), QString::number(kKeyCount));
        for (int key = 0; key < kKeyCount; ++key) {
            const QString sql = QStringLiteral("select count(*) from shouji where num = '%1'").arg(key);
            QVERIFY2(firstValue(sql) == QStringLiteral("1"), qPrintable(sql));
        }
    }

    // Query::text trims what it reads, so blanks or a carriage return carried in from the
    // source would go unseen through the window; here the stored texts are looked at.
    void storedTextsCarryNoBlanksAtTheirEnds()
    {
        const QString blanks = QStringLiteral("' '||char(9)||char(10)||char(13)||char(12288)");
        QStringList conditions;
        for (const char* column : {"num", "title", "jx", "content"})
            conditions << QStringLiteral("%1 <> trim(%1, %2)").arg(QLatin1String(column), blanks);
        QCOMPARE(firstValue(QStringLiteral("select count(*) from shouji where ") + conditions.join(" or ")),
                 QStringLiteral("0"));
    }

    void titlesAndVerdictsAreThoseOfTheNumerologyNumber()
    {
        const QStringList verdicts{QStringLiteral("吉"), QStringLiteral("凶"), QStringLiteral("吉带凶"),
                                   QStringLiteral("凶带吉")};
        for (int key = 0; key < kKeyCount; ++key) {
            const std::optional<PhoneReading> reading = readingOfKey(QString::number(key));
            QVERIFY2(reading.has_value(), qPrintable(QString::number(key)));
            const NumerologyEntry& entry = numerologyEntry(numerologyIndexOf(key));
            QCOMPARE(reading->title, entry.summary.toString());
            QVERIFY2(verdicts.contains(reading->verdict), qPrintable(reading->verdict));
            QCOMPARE(reading->verdict, verdictText(entry.verdict).toString());
        }
    }

    void readingsAreDistinct()
    {
        QCOMPARE(firstValue(QStringLiteral("select count(distinct content) from shouji")), QString::number(kKeyCount));
    }

    // Two to four whole sentences, each closed by a full-width stop, and nothing after the last.
    void readingsRunTwoToFourSentences()
    {
        static const QRegularExpression stop(QStringLiteral("[。！？]"));
        for (int key = 0; key < kKeyCount; ++key) {
            const std::optional<PhoneReading> reading = readingOfKey(QString::number(key));
            QVERIFY2(reading.has_value(), qPrintable(QString::number(key)));
            const QString& content = reading->content;
            const qsizetype sentences = content.count(stop);
            QVERIFY2(sentences >= 2 && sentences <= 4, qPrintable(QStringLiteral("%1: %2").arg(key).arg(content)));
            QVERIFY2(stop.match(content.right(1)).hasMatch(), qPrintable(content));
            QVERIFY2(content != reading->title && !content.contains(reading->title), qPrintable(content));
        }
    }

    // Numbers through the window's own path, from the number to the row; the summaries are
    // typed here from the numerology table, not taken from the program.
    void tellingNumbers_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("ending 8901") << "13812348901"
                                     << "21"
                                     << "秋草逢霜，怀才不遇，忧愁怨苦，事不如意"
                                     << "凶";
        QTest::newRow("ending 0000: key 0 is the number 80") << "13900000000"
                                                             << "0"
                                                             << "最极之数，还本归元，能得繁荣，发达成功"
                                                             << "吉";
        QTest::newRow("ending 0080") << "15012340080"
                                     << "0"
                                     << "最极之数，还本归元，能得繁荣，发达成功"
                                     << "吉";
        QTest::newRow("ending 0026, 凶带吉") << "18600000026"
                                             << "26"
                                             << "一成一败，一盛一衰，惟靠谨慎，可守成功"
                                             << "凶带吉";
        QTest::newRow("ending 0037, 凶带吉") << "13700000037"
                                             << "37"
                                             << "名虽可得，利则难获，艺界发展，可望成功"
                                             << "凶带吉";
        QTest::newRow("ending 0081: key 1") << "13500000081"
                                            << "1"
                                            << "根基不固，摇摇欲坠，一盛一衰，劳而无获"
                                            << "凶";
        QTest::newRow("ending 9999, 吉带凶") << "17799999999"
                                             << "79"
                                             << "得而复失，枉费心机，守成无贪，可保安稳"
                                             << "吉带凶";
        QTest::newRow("67 five-character first phrase") << "13100000067"
                                                        << "67"
                                                        << "思虎虑周祥，计书力行，不失先机，可望成功"
                                                        << "吉";
    }
    void tellingNumbers()
    {
        QFETCH(QString, number);
        QFETCH(QString, key);
        QFETCH(QString, title);
        QFETCH(QString, verdict);
        QCOMPARE(shoujiinfostr(number), key);
        const std::optional<PhoneReading> reading = readingOfKey(key);
        QVERIFY(reading.has_value());
        QCOMPARE(reading->title, title);
        QCOMPARE(reading->verdict, verdict);
        QVERIFY(!reading->content.isEmpty());
    }

    // Only keys as the window writes them: no leading zeros, nothing past 79.
    void noRowForKeysOutsideTheRange_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("80") << "80";
        QTest::newRow("leading zero") << "07";
        QTest::newRow("negative") << "-1";
        QTest::newRow("empty") << "";
    }
    void noRowForKeysOutsideTheRange()
    {
        QFETCH(QString, key);
        QVERIFY(!readingOfKey(key).has_value());
    }
};

QTEST_GUILESS_MAIN(TestShouji)
#include "tst_shouji.moc"
