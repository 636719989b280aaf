#include "data/Error.h"
#include "data/NumberReading.h"
#include "data/Numerology.h"
#include "data/NumerologyTable.h"
#include "data/uShare.h"

#include <QtTest>

#include <limits>
#include <map>

using namespace lumora;

namespace {

const QString kFallback = QStringLiteral("对不起,此号不在分解之类。");
const QString kIntuitive =
    QStringLiteral("主人性格类型：[做事喜好凭直觉型]，其具体表现为：有特强的第六灵感，性格率直无机心，"
                   "深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。");

// A few summaries typed here from the table, to check lookups against something other
// than the table itself.
const std::map<int, QString>& typedSummaries()
{
    static const std::map<int, QString> summaries{
        {0, QStringLiteral("大展鸿图，信用得固，名利双收，可获成功")},
        {1, QStringLiteral("根基不固，摇摇欲坠，一盛一衰，劳而无获")},
        {26, QStringLiteral("一成一败，一盛一衰，惟靠谨慎，可守成功")},
        {40, QStringLiteral("天赋吉运，德望兼备，继续努力，前途无限")},
        {79, QStringLiteral("得而复失，枉费心机，守成无贪，可保安稳")},
        {80, QStringLiteral("最极之数，还本归元，能得繁荣，发达成功")},
    };
    return summaries;
}

QList<int> indexesWithVerdict(QStringView verdict)
{
    QList<int> indexes;
    for (int i = 0; i < kNumerologyEntryCount; ++i) {
        if (splitNumberReading(numerologyEntryText(i)).verdict == verdict)
            indexes << i;
    }
    return indexes;
}

QString typeNameOf(const QString& personality)
{
    const qsizetype open = personality.indexOf(u'[');
    const qsizetype close = personality.indexOf(u']');
    return personality.mid(open + 1, close - open - 1);
}

} // namespace

class TestNumerology : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Rows that tell a faithful transcription from a near miss.
    void tellingEntries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("type");
        QTest::newRow("0") << 0 << "大展鸿图，信用得固，名利双收，可获成功"
                           << "吉"
                           << "做事喜好凭直觉型";
        QTest::newRow("24 last of the plain cycle") << 24 << "天时地利，只欠人和，讲信修睦，即可成功"
                                                    << "吉"
                                                    << "大胆行事冲动派型";
        QTest::newRow("25 first shift") << 25 << "波澜起伏，千变万化，凌架万难，必可成功"
                                        << "凶"
                                        << "好奇心旺求知欲强型";
        QTest::newRow("26 凶带吉") << 26 << "一成一败，一盛一衰，惟靠谨慎，可守成功"
                                   << "凶带吉"
                                   << "做事喜好凭直觉型";
        QTest::newRow("27 type apart from its neighbours") << 27 << "鱼临旱地，难逃恶运，此数大凶，不如更名"
                                                           << "凶"
                                                           << "好奇心旺求知欲强型";
        QTest::newRow("28") << 28 << "如龙得云，青云直上，智谋奋进，才略奏功"
                            << "吉"
                            << "做事喜好凭直觉型";
        QTest::newRow("39 吉带凶") << 39 << "一成一衰，沉浮不定，知难而退，自获天佑"
                                   << "吉带凶"
                                   << "自我牺牲/性格被动型";
        QTest::newRow("51 five-character last phrase") << 51 << "草木逢春，雨过天晴，渡过难关，即获得成功"
                                                       << "吉"
                                                       << "做事喜好凭直觉型";
        QTest::newRow("57 凶带吉") << 57 << "半凶半吉，浮沉多端，始凶终吉，能保成功"
                                   << "凶带吉"
                                   << "高度戒备难交心型";
        QTest::newRow("67 five-character first phrase") << 67 << "思虎虑周祥，计书力行，不失先机，可望成功"
                                                        << "吉"
                                                        << "不善表达/疑心大型";
        QTest::newRow("72 same type as 73") << 72 << "安乐自来，自然吉祥，力行不懈，终必成功"
                                            << "吉"
                                            << "独断独行/吸引人型";
        QTest::newRow("73") << 73 << "利不及费，坐食山空，如无章法，难望成功"
                            << "凶"
                            << "独断独行/吸引人型";
        QTest::newRow("80 last") << 80 << "最极之数，还本归元，能得繁荣，发达成功"
                                 << "吉"
                                 << "做事喜好凭直觉型";
    }
    void tellingEntries()
    {
        QFETCH(int, index);
        QFETCH(QString, summary);
        QFETCH(QString, verdict);
        QFETCH(QString, type);
        const NumberReading reading = splitNumberReading(numerologyEntryText(index));
        QCOMPARE(reading.summary, summary);
        QCOMPARE(reading.verdict, verdict);
        QCOMPARE(typeNameOf(reading.personality), type);
    }

    void mixedVerdictsFallOnTheListedEntries()
    {
        QCOMPARE(indexesWithVerdict(u"凶带吉"), (QList<int>{26, 37, 57}));
        QCOMPARE(indexesWithVerdict(u"吉带凶"), (QList<int>{39, 41, 42, 49, 50, 52, 54, 60, 70, 74, 76, 77, 79}));
    }

    void typesCycleUntilTwentyFour()
    {
        for (int i = 0; i <= 24; ++i)
            QCOMPARE(numerologyEntry(i).type, i % kPersonalityTypeCount);
    }

    // Every entry is three fields: a summary of four phrases, one of the four verdicts and
    // the personality line of its type with that type's own description.
    void everyEntryHasTheSameShape()
    {
        const QStringList verdicts{QStringLiteral("吉"), QStringLiteral("凶"), QStringLiteral("吉带凶"),
                                   QStringLiteral("凶带吉")};
        for (int i = 0; i < kNumerologyEntryCount; ++i) {
            const QString text = numerologyEntryText(i);
            QVERIFY2(text.count(u'|') == 2 && !text.contains(u'\n') && !text.contains(u'\r'), qPrintable(text));
            const NumberReading reading = splitNumberReading(text);
            QCOMPARE(reading.summary.split(u'，').size(), 4);
            QVERIFY2(verdicts.contains(reading.verdict), qPrintable(text));
            const PersonalityType& type = personalityType(numerologyEntry(i).type);
            QCOMPARE(reading.personality, QStringLiteral("主人性格类型：[") + type.name.toString() +
                                              QStringLiteral("]，其具体表现为：") + type.description.toString());
        }
    }

    void typesAreNineDistinctOnes()
    {
        QSet<QString> names;
        QSet<QString> descriptions;
        for (int i = 0; i < kPersonalityTypeCount; ++i) {
            names << personalityType(i).name.toString();
            descriptions << personalityType(i).description.toString();
        }
        QCOMPARE(names.size(), kPersonalityTypeCount);
        QCOMPARE(descriptions.size(), kPersonalityTypeCount);
    }

    void numberinfostrPicksTheRemainder_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("index"); // -1: the fallback text
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("81") << "81" << 0;
        QTest::newRow("810") << "810" << 0;
        QTest::newRow("0081 leading zeros") << "0081" << 0;
        QTest::newRow("80") << "80" << 80;
        QTest::newRow("82") << "82" << 1;
        QTest::newRow("161") << "161" << 80;
        QTest::newRow("eighteen nines") << "999999999999999999" << 0;
        QTest::newRow("largest 64-bit") << "9223372036854775807" << 25;
        QTest::newRow("-0") << "-0" << 0;
        QTest::newRow("-5") << "-5" << -1;
        QTest::newRow("-80") << "-80" << -1;
        QTest::newRow("-81") << "-81" << 0;
        QTest::newRow("-162") << "-162" << 0;
        QTest::newRow("smallest 64-bit") << "-9223372036854775808" << -1;
    }
    void numberinfostrPicksTheRemainder()
    {
        QFETCH(QString, number);
        QFETCH(int, index);
        QCOMPARE(numberinfostr(number), index < 0 ? kFallback : numerologyEntryText(index));
    }

    void eightyOneReadsWhole()
    {
        QCOMPARE(numberinfostr(QStringLiteral("81")),
                 QStringLiteral("大展鸿图，信用得固，名利双收，可获成功|吉|") + kIntuitive);
    }

    // Every number from -500 to 2500 and a spread of large ones, written plainly and with
    // leading zeros, against the remainder worked out here.
    void wholeRangeFollowsTheRemainder()
    {
        QList<qint64> numbers;
        for (qint64 n = -500; n <= 2500; ++n)
            numbers << n;
        for (qint64 n = std::numeric_limits<qint64>::max(); n > 1000; n = n / 3 * 2)
            numbers << n << -n;
        for (const qint64 n : numbers) {
            const qint64 remainder = n - n / 81 * 81;
            QStringList texts{QString::number(n)};
            if (n >= 0)
                texts << QStringLiteral("000") + QString::number(n);
            for (const QString& text : texts) {
                const QString entry = numberinfostr(text);
                if (remainder < 0) {
                    QVERIFY2(entry == kFallback, qPrintable(text));
                    continue;
                }
                const NumberReading reading = splitNumberReading(entry);
                QVERIFY2(reading.summary == numerologyEntry(int(remainder)).summary, qPrintable(text));
                const auto typed = typedSummaries().find(int(remainder));
                if (typed != typedSummaries().end())
                    QVERIFY2(reading.summary == typed->second, qPrintable(text));
            }
        }
    }

    void textsThatAreNoIntegerAreRefused_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << ""
                               << "“”不是有效的整数";
        QTest::newRow("letters") << "abc"
                                 << "“abc”不是有效的整数";
        QTest::newRow("digits then a letter") << "12a"
                                              << "“12a”不是有效的整数";
        QTest::newRow("blank inside") << "12 34"
                                      << "“12 34”不是有效的整数";
        QTest::newRow("leading blank") << " 12"
                                       << "“ 12”不是有效的整数";
        QTest::newRow("plus sign") << "+5"
                                   << "“+5”不是有效的整数";
        QTest::newRow("minus alone") << "-"
                                     << "“-”不是有效的整数";
        QTest::newRow("two minus signs") << "--5"
                                         << "“--5”不是有效的整数";
        QTest::newRow("minus in the middle") << "12-34"
                                             << "“12-34”不是有效的整数";
        QTest::newRow("decimal point") << "1.0"
                                       << "“1.0”不是有效的整数";
        QTest::newRow("full-width digits") << "１２"
                                           << "“１２”不是有效的整数";
        QTest::newRow("nineteen nines") << "9999999999999999999"
                                        << "“9999999999999999999”不是有效的整数";
        QTest::newRow("2^63") << "9223372036854775808"
                              << "“9223372036854775808”不是有效的整数";
        QTest::newRow("-2^63 - 1") << "-9223372036854775809"
                                   << "“-9223372036854775809”不是有效的整数";
        QTest::newRow("line break shown") << "12\n"
                                          << "“12\\n”不是有效的整数";
        QTest::newRow("control character shown") << QStringLiteral("1\u00072") << "“1\\u{7}2”不是有效的整数";
        QTest::newRow("long paste cut") << QString(60, u'8') + u'x' << "“" + QString(40, u'8') + "…”不是有效的整数";
    }
    void textsThatAreNoIntegerAreRefused()
    {
        QFETCH(QString, number);
        QFETCH(QString, message);
        try {
            numberinfostr(number);
            QFAIL("no error");
        } catch (const Error& error) {
            QCOMPARE(error.message(), message);
        }
    }

    void splitTakesTheFieldsApart_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("personality");
        QTest::newRow("three fields") << "甲|乙|丙"
                                      << "甲"
                                      << "乙"
                                      << "丙";
        QTest::newRow("fallback lands whole in personality") << kFallback << ""
                                                             << "" << kFallback;
        QTest::newRow("one bar") << "甲|乙"
                                 << "甲"
                                 << ""
                                 << "乙";
        QTest::newRow("a third bar stays in personality") << "甲|乙|丙|丁"
                                                          << "甲"
                                                          << "乙"
                                                          << "丙|丁";
        QTest::newRow("empty fields") << "||"
                                      << ""
                                      << ""
                                      << "";
        QTest::newRow("empty") << ""
                               << ""
                               << ""
                               << "";
    }
    void splitTakesTheFieldsApart()
    {
        QFETCH(QString, entry);
        const NumberReading reading = splitNumberReading(entry);
        QTEST(reading.summary, "summary");
        QTEST(reading.verdict, "verdict");
        QTEST(reading.personality, "personality");
    }
};

QTEST_GUILESS_MAIN(TestNumerology)
#include "tst_numerology.moc"
