// The content code of the stored pairing texts: DecodeContent and its inverse.

#include "data/Error.h"
#include "data/uShare.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QtTest>

using namespace lumora;

namespace {

QByteArray fromHex(const char* hex)
{
    return QByteArray::fromHex(hex);
}

} // namespace

class TestContent : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Vectors worked out apart from this code, one pass at a time (0102, key 1234, one
    // round: 01 (01+02)^12=11, then (11+01)^34=26 11).
    void decodesKnownVectors_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two bytes, one round") << "0102" << 0x1234 << 1 << fromHex("2611");
        QTest::newRow("two bytes, seven rounds") << "0102" << 0x1234 << 7 << fromHex("EED1");
        QTest::newRow("four bytes, key FFFF, three rounds") << "DEADBEEF" << 0xFFFF << 3 << fromHex("73F08A3E");
        QTest::newRow("sixteen bytes, mixed case, the program's key")
            << "00112233445566778899aAbBcCdDeEfF" << int(kContentKey) << kContentRounds
            << fromHex("1D1D96470FE857D0C4A6EDEFB8650996");
        QTest::newRow("no rounds: the hexadecimal bytes") << "c4e3" << 0x1234 << 0 << fromHex("C4E3");
        QTest::newRow("one byte passes unchanged") << "9A" << 0xABCD << 7 << fromHex("9A");
        QTest::newRow("one character: nothing") << "9" << 0xABCD << 7 << QByteArray();
        QTest::newRow("a last single character is ignored") << "01029" << 0x1234 << 1 << fromHex("2611");
        QTest::newRow("empty") << "" << 0x1234 << 7 << QByteArray();
    }
    void decodesKnownVectors()
    {
        QFETCH(QString, stored);
        QFETCH(int, key);
        QFETCH(int, count);
        QFETCH(QByteArray, bytes);
        int beeps = 0;
        QCOMPARE(decodeContentBytes(stored, quint16(key), count, [&] { ++beeps; }), bytes);
        QCOMPARE(beeps, 0);
    }

    // A pair that is not two hexadecimal digits beeps and gives no byte; reading goes on
    // with the next pair, so the rest decodes as if the pair were not there.
    void badPairsBeepAndGiveNoByte_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("clean");
        QTest::addColumn<int>("beeps");
        QTest::newRow("letters past F") << "01GZ02"
                                        << "0102" << 1;
        QTest::newRow("one bad digit of two") << "0x0102"
                                              << "0102" << 1;
        QTest::newRow("blank") << "01 20102"
                               << "010102" << 1;
        QTest::newRow("sign") << "+1020304"
                              << "020304" << 1;
        QTest::newRow("full-width digits") << QStringLiteral("０１0102") << "0102" << 1;
        QTest::newRow("every pair bad") << "zzzz"
                                        << "" << 2;
        QTest::newRow("a bad last single character is ignored, not beeped") << "0102z"
                                                                            << "0102" << 0;
        QTest::newRow("seven characters") << "0010203"
                                          << "001020" << 0;
    }
    void badPairsBeepAndGiveNoByte()
    {
        QFETCH(QString, stored);
        QFETCH(QString, clean);
        QFETCH(int, beeps);
        int heard = 0;
        QCOMPARE(decodeContentBytes(stored, kContentKey, kContentRounds, [&] { ++heard; }),
                 decodeContentBytes(clean, kContentKey, kContentRounds));
        QCOMPARE(heard, beeps);
        // Without a listener the bad pairs are skipped all the same.
        QCOMPARE(DecodeContent(stored, kContentKey, kContentRounds), DecodeContent(clean, kContentKey, kContentRounds));
    }

    // Random bytes of every length from 0 to 300 under random keys and round counts come
    // back whole, and the stored text is upper-case hexadecimal of twice the length.
    void randomBytesRoundTrip()
    {
        QRandomGenerator random(20150609);
        for (int length = 0; length <= 300; ++length) {
            QByteArray bytes(length, Qt::Uninitialized);
            for (char& byte : bytes)
                byte = char(random.bounded(256));
            const auto key = quint16(random.bounded(0x10000));
            const int count = random.bounded(12);
            const QString stored = encodeContentBytes(bytes, key, count);
            QCOMPARE(stored.size(), 2 * length);
            QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(stored).hasMatch());
            QCOMPARE(decodeContentBytes(stored, key, count), bytes);
            QCOMPARE(decodeContentBytes(stored.toLower(), key, count), bytes);
            if (length >= 2 && count > 0 && key != 0)
                QVERIFY2(stored != QString::fromLatin1(bytes.toHex().toUpper()), "the bytes were not scrambled");
        }
    }

    void textsRoundTripThroughGbk_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("a paragraph") << QStringLiteral("子丑六合，两人容易一见倾心，婚后也能同心同德。");
        QTest::newRow("one Chinese character, two bytes") << QStringLiteral("鼠");
        QTest::newRow("one ASCII character, one byte") << QStringLiteral("A");
        QTest::newRow("odd byte count") << QStringLiteral("鼠A牛");
        QTest::newRow("full-width punctuation and quotes") << QStringLiteral("“配对”：吉，凶；（一）……");
        QTest::newRow("empty") << QString();
    }
    void textsRoundTripThroughGbk()
    {
        QFETCH(QString, text);
        const QString stored = encodeContent(text, kContentKey, kContentRounds);
        QCOMPARE(stored.size(), 2 * QByteArray(QStringEncoder("GBK").encode(text)).size());
        QCOMPARE(DecodeContent(stored, kContentKey, kContentRounds), text);
        QCOMPARE(DecodeContent(stored.toLower(), kContentKey, kContentRounds), text);
    }

    void aWrongKeyDoesNotDecode()
    {
        const QString text = QStringLiteral("属鼠的男人头脑灵活");
        const QString stored = encodeContent(text, kContentKey, kContentRounds);
        QVERIFY(DecodeContent(stored, kContentKey ^ 0x0100, kContentRounds) != text);
        QVERIFY(DecodeContent(stored, kContentKey ^ 0x0001, kContentRounds) != text);
        QVERIFY(DecodeContent(stored, kContentKey, kContentRounds - 1) != text);
    }

    void textsGbkCannotHoldAreRefused()
    {
        for (const QString& text : {QStringLiteral("配对😀"), QStringLiteral("한국어"), QString(QChar(0xD800))}) {
            try {
                encodeContent(text, kContentKey, kContentRounds);
                QFAIL(qPrintable(QStringLiteral("encoded: ") + text));
            } catch (const Error& error) {
                QVERIFY2(error.message().contains(QStringLiteral("GBK")), qPrintable(error.message()));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"
