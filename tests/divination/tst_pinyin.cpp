#include "divination/HanziToPinyin.h"
#include "divination/PinyinTable.h"

#include <QStringEncoder>
#include <QtTest>

#include <algorithm>
#include <array>
#include <set>

using namespace lumora;

namespace {

// The net-name setting: unmapped characters marked, 255 characters at most.
constexpr int kNetNameOptions = 2;
constexpr int kNetNameLength = 255;

QByteArray gbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("the test text %s is not GBK", qPrintable(text));
    return bytes;
}

bool isChineseCharacterCode(int lead, int trail)
{
    if (trail == 0x7F)
        return false;
    if ((lead >= 0x81 && lead <= 0xA0) || (lead >= 0xB0 && lead <= 0xF7))
        return trail >= 0x40 && trail <= 0xFE;
    if ((lead >= 0xAA && lead <= 0xAF) || (lead >= 0xF8 && lead <= 0xFD))
        return trail >= 0x40 && trail <= 0xA0;
    return false;
}

// Chinese-character codes without a reading: 给 by the program's data, five codes GBK leaves
// unassigned, and characters the Unicode Han database gives no kMandarin.
constexpr std::array<int, 21> kCodesWithoutReading{
    0xB8F8,                                 // 给
    0xD7FA, 0xD7FB, 0xD7FC, 0xD7FD, 0xD7FE, // unassigned
    0x83BE, 0x83C4, 0x86ED, 0x96FE, 0x9F48, // 兙 兡 嗧 桛 烪
    0xAD97, 0xAD9E, 0xAD9F, 0xAE46, 0xAE4D, // 瓧 瓰 瓱 瓼 甅
    0xFD9C, 0xFD9D, 0xFD9E, 0xFD9F, 0xFDA0, // compatibility ideographs
};

} // namespace

class TestPinyin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void convertsText_data();
    void convertsText();
    void walksBytes_data();
    void walksBytes();
    void wrapperMarksWhatGbkCannotHold_data();
    void wrapperMarksWhatGbkCannotHold();
    void neverReadsPastTheInput();
    void everyChineseCharacterHasAReading();
    void syllablesAreShortLowerCaseAndUsed();
};

void TestPinyin::convertsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("expected");

    const int o = kNetNameOptions;
    const int n = kNetNameLength;
    QTest::newRow("王小明 initials") << u"王小明"_qs << o << n << u"WXM"_qs;
    QTest::newRow("王小明 options 3") << u"王小明"_qs << 3 << n << u"WANGXIAOMING"_qs;
    QTest::newRow("王小明 max 2") << u"王小明"_qs << o << 2 << u"WX"_qs;
    QTest::newRow("王小明 options 3 max 5") << u"王小明"_qs << 3 << 5 << u"WANGX"_qs;
    QTest::newRow("王小明 max 0") << u"王小明"_qs << o << 0 << QString();
    QTest::newRow("王小明 negative options") << u"王小明"_qs << -1 << n << QString();
    QTest::newRow("abc-12") << u"abc-12"_qs << o << n << u"ABC12"_qs;
    QTest::newRow("abc-12 options 6") << u"abc-12"_qs << 6 << n << u"ABC-12"_qs;
    QTest::newRow("full-width ＡＢｃ") << u"ＡＢｃ"_qs << o << n << u"ABc"_qs;
    QTest::newRow("full-width ！ dropped") << u"ａ！１"_qs << o << n << u"a1"_qs;
    QTest::newRow("full-width ！ options 4") << u"ａ！１"_qs << 4 << n << u"a!1"_qs;
    QTest::newRow("⑩") << u"⑩"_qs << o << n << u"10"_qs;
    QTest::newRow("Ⅻ") << u"Ⅻ"_qs << o << n << u"12"_qs;
    QTest::newRow("ⅰ ⅹ") << u"ⅰⅹ"_qs << o << n << u"110"_qs;
    QTest::newRow("⒈ ⒛") << u"⒈⒛"_qs << o << n << u"120"_qs;
    QTest::newRow("⑴ ⒇") << u"⑴⒇"_qs << o << n << u"120"_qs;
    QTest::newRow("① ㈠ ㈩") << u"①㈠㈩"_qs << o << n << u"1110"_qs;
    QTest::newRow("α") << u"α"_qs << o << n << u"A"_qs;
    QTest::newRow("Θ") << u"Θ"_qs << o << n << u"TH"_qs;
    QTest::newRow("θ options 0") << u"θ"_qs << 0 << n << u"TH"_qs;
    QTest::newRow("Ω ψ φ χ") << u"Ωψφχ"_qs << o << n << u"OPSPHKH"_qs;
    QTest::newRow("给") << u"给"_qs << o << n << u"?"_qs;
    QTest::newRow("给力 options 2") << u"给力"_qs << o << n << u"?L"_qs;
    QTest::newRow("给力 options 0") << u"给力"_qs << 0 << n << u"L"_qs;
    QTest::newRow("punctuation 。") << u"。"_qs << o << n << u"?"_qs;
    QTest::newRow("kana あ") << u"あ"_qs << o << n << u"?"_qs;
    QTest::newRow("box drawing ─") << u"─"_qs << o << n << u"?"_qs;
    QTest::newRow("Cyrillic Ж") << u"Ж"_qs << o << n << u"?"_qs;
    QTest::newRow("!!!") << u"!!!"_qs << o << n << QString();
    QTest::newRow("!!! options 4") << u"!!!"_qs << 4 << n << u"!!!"_qs;
    QTest::newRow("网名 overrides") << u"网名"_qs << 3 << n << u"WANGMING"_qs;
    QTest::newRow("刘 女 绿 overrides") << u"刘女绿"_qs << 3 << n << u"LIUNVLV"_qs;
    QTest::newRow("陳 說 龍 overrides") << u"陳說龍"_qs << 3 << n << u"ZHENYUEMANG"_qs;
    QTest::newRow("吕 v for ü") << u"吕"_qs << 3 << n << u"LV"_qs;
    QTest::newRow("中国 GB2312") << u"中国"_qs << 3 << n << u"ZHONGGUO"_qs;
    QTest::newRow("爱鑫 GB2312") << u"爱鑫"_qs << 3 << n << u"AIXIN"_qs;
    QTest::newRow("龘 GBK/3") << u"龘"_qs << 3 << n << u"DA"_qs;
    QTest::newRow("亍 GB2312 second level") << u"亍"_qs << 3 << n << u"CHU"_qs;
    QTest::newRow("丂 GBK/3 first code") << u"丂"_qs << 3 << n << u"KAO"_qs;
    QTest::newRow("張 traditional") << u"張"_qs << 3 << n << u"ZHANG"_qs;
    QTest::newRow("mixed") << u"小a-Ｂ①θ给"_qs << o << n << u"XAB1TH?"_qs;
}

void TestPinyin::convertsText()
{
    QFETCH(QString, text);
    QFETCH(int, options);
    QFETCH(int, maxLength);
    QFETCH(QString, expected);

    QCOMPARE(HanziToPinyin(gbk(text), options, maxLength), expected.toLatin1());
    QCOMPARE(HanziToPinyin(text, options, maxLength), expected);
}

void TestPinyin::walksBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("options");
    QTest::addColumn<QByteArray>("expected");

    const int o = kNetNameOptions;
    QTest::newRow("empty") << QByteArray() << o << QByteArray();
    QTest::newRow("lead byte at the end") << QByteArray("a\xB0") << o << QByteArray("A");
    QTest::newRow("lead byte at the end, options 4") << QByteArray("a\xB0") << 4 << QByteArray("A\xB0");
    QTest::newRow("lead byte before 0x3F") << QByteArray("\xB0?b") << 6 << QByteArray("\xB0?B");
    QTest::newRow("lead byte before a digit") << QByteArray("\xB0\x31") << o << QByteArray("1");
    QTest::newRow("0x40 as a trail byte") << QByteArray("\xA1\x40") << o << QByteArray("?");
    QTest::newRow("0x80 is a single byte") << QByteArray("\x80"
                                                         "a")
                                           << 4
                                           << QByteArray("\x80"
                                                         "A");
    QTest::newRow("lead 0xFF") << QByteArray("\xFF"
                                             "a")
                               << o << QByteArray("?");
    QTest::newRow("lead 0xFF, options 0") << QByteArray("\xFF"
                                                        "a")
                                          << 0 << QByteArray();
    QTest::newRow("trail 0xFF") << QByteArray("\xB0\xFF"
                                              "a")
                                << o << QByteArray("?A");
    QTest::newRow("0xFF 0xFF") << QByteArray("\xFF\xFF") << o << QByteArray("?");
    QTest::newRow("column 0x7F") << QByteArray("\xB0\x7F") << o << QByteArray("?");
    QTest::newRow("numeral row below 0xA1") << QByteArray("\xA2\x50") << o << QByteArray("?");
    QTest::newRow("numeral row gap 0xAB") << QByteArray("\xA2\xAB"
                                                        "a")
                                          << o << QByteArray("A");
    QTest::newRow("numeral row 0xFF") << QByteArray("\xA2\xFF") << o << QByteArray();
    QTest::newRow("full-width space 0xA3A0, options 4") << QByteArray("\xA3\xA0") << 4 << QByteArray(" ");
    QTest::newRow("Greek row 0xB9") << QByteArray("\xA6\xB9") << o << QByteArray("?");
    QTest::newRow("Greek row after a letter") << QByteArray("\xA6\xC1\xA6\xE0") << o << QByteArray("A?");
    QTest::newRow("Greek row after a letter, options 0") << QByteArray("\xA6\xC1\xA6\xE0") << 0 << QByteArray("A");
    QTest::newRow("zero byte") << QByteArray("\0a", 2) << o << QByteArray("A");
    QTest::newRow("zero byte, options 4") << QByteArray("\0a", 2) << 4 << QByteArray("\0A", 2);
}

void TestPinyin::walksBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, options);
    QFETCH(QByteArray, expected);

    QCOMPARE(HanziToPinyin(bytes, options, kNetNameLength), expected);
}

void TestPinyin::wrapperMarksWhatGbkCannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Hangul 한") << u"a한b"_qs << 2 << u"A?B"_qs;
    QTest::newRow("Hangul 한, options 0") << u"a한b"_qs << 0 << u"AB"_qs;
    QTest::newRow("Hangul 한, options 4") << u"a한b"_qs << 4 << u"AB"_qs;
    QTest::newRow("emoji outside the BMP") << u"😀王"_qs << 2 << u"?W"_qs;
    QTest::newRow("lone surrogate") << QStringLiteral("a") + QChar(0xD800) << 2 << u"A?"_qs;
    QTest::newRow("U+0000 beside 한, options 6")
        << QStringView(u"a\0한", 3).toString() << 6 << QStringView(u"A\0?", 3).toString();
}

void TestPinyin::wrapperMarksWhatGbkCannotHold()
{
    QFETCH(QString, text);
    QFETCH(int, options);
    QFETCH(QString, expected);

    QCOMPARE(HanziToPinyin(text, options, kNetNameLength), expected);
}

// Every two-byte input gives the same result whether the byte after it in memory is a
// letter or a zero: nothing beyond the view is read.
void TestPinyin::neverReadsPastTheInput()
{
    for (const int options : {6, 7}) {
        for (int c = 0; c < 0x100; ++c) {
            for (int t = 0; t < 0x100; ++t) {
                const std::array<char, 3> beforeLetter{char(c), char(t), 'Q'};
                const std::array<char, 3> beforeZero{char(c), char(t), '\0'};
                const QByteArray a = HanziToPinyin(QByteArrayView(beforeLetter.data(), 2), options, kNetNameLength);
                const QByteArray b = HanziToPinyin(QByteArrayView(beforeZero.data(), 2), options, kNetNameLength);
                if (a != b)
                    QFAIL(qPrintable(QStringLiteral("%1 %2 with options %3 reads past the input")
                                         .arg(c, 2, 16, QLatin1Char('0'))
                                         .arg(t, 2, 16, QLatin1Char('0'))
                                         .arg(options)));
            }
        }
    }
}

void TestPinyin::everyChineseCharacterHasAReading()
{
    const auto withoutReading = [](int code) {
        return std::find(kCodesWithoutReading.begin(), kCodesWithoutReading.end(), code) != kCodesWithoutReading.end();
    };
    for (int lead = 0x81; lead <= 0xFF; ++lead) {
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const int code = lead << 8 | trail;
            const bool expected = isChineseCharacterCode(lead, trail) && !withoutReading(code);
            const int number =
                pinyinSyllableNumber(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            if ((number != 0) != expected)
                QFAIL(qPrintable(QStringLiteral("%1 has syllable number %2").arg(code, 4, 16).arg(number)));
            QVERIFY(number <= pinyinSyllableCount());
        }
    }
}

void TestPinyin::syllablesAreShortLowerCaseAndUsed()
{
    std::set<int> used;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail)
            used.insert(pinyinSyllableNumber(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)));
    std::set<std::string_view> seen;
    for (int number = 1; number <= pinyinSyllableCount(); ++number) {
        const std::string_view syllable = pinyinSyllable(number);
        QVERIFY2(!syllable.empty() && syllable.size() <= 6, syllable.data());
        QVERIFY2(std::all_of(syllable.begin(), syllable.end(), [](char c) { return c >= 'a' && c <= 'z'; }),
                 syllable.data());
        QVERIFY2(seen.insert(syllable).second, syllable.data());
        QVERIFY2(used.count(number) == 1, syllable.data());
    }
    QVERIFY(pinyinSyllable(0).empty());
    QVERIFY(pinyinSyllable(pinyinSyllableCount() + 1).empty());
}

QTEST_GUILESS_MAIN(TestPinyin)
#include "tst_pinyin.moc"
