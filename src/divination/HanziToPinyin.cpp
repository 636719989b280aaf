#include "divination/HanziToPinyin.h"

#include "divination/PinyinTable.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace lumora {
namespace {

constexpr unsigned char kNumeralRow = 0xA2;
constexpr unsigned char kFullWidthRow = 0xA3;
constexpr unsigned char kGreekRow = 0xA6;
constexpr unsigned char kFirstLead = 0x81;
constexpr unsigned char kFirstTrail = 0x40;
constexpr unsigned char kFirstSymbolTrail = 0xA1; // rows 0xA2..0xA6 hold their symbols from here
constexpr unsigned char kFullWidthOffset = 0x80;  // full-width ASCII 0xA3 t is ASCII t - 0x80
// The longest piece one character gives (a whole syllable), and the most letters per input
// byte (six letters from a two-byte character).
constexpr qsizetype kLongestPiece = 6;
constexpr qsizetype kMostPerByte = 3;

struct NumeralRun {
    unsigned char firstTrail;
    unsigned char lastTrail;
    std::uint8_t firstNumber;
};

// clang-format off
// The numerals of GBK row 0xA2 by trail byte, as the code page lays them out.
constexpr std::array kNumeralRuns{
    NumeralRun{0xA1, 0xAA, 1}, // ⅰ..ⅹ
    NumeralRun{0xB1, 0xC4, 1}, // ⒈..⒛
    NumeralRun{0xC5, 0xD8, 1}, // ⑴..⒇
    NumeralRun{0xD9, 0xE2, 1}, // ①..⑩
    NumeralRun{0xE5, 0xEE, 1}, // ㈠..㈩
    NumeralRun{0xF1, 0xFC, 1}, // Ⅰ..Ⅻ
};

// Latin transliterations of the 24 Greek letters, Α/α to Ω/ω.
constexpr std::array<std::string_view, 24> kGreek{
    "a", "b", "g", "d", "e", "z", "e", "th", "i", "k", "l", "m",
    "n", "x", "o", "p", "r", "s", "t", "u", "ph", "kh", "ps", "o",
};
// clang-format on

constexpr unsigned char kCapitalAlpha = 0xA1; // GBK 0xA6A1..0xA6B8
constexpr unsigned char kSmallAlpha = 0xC1;   // GBK 0xA6C1..0xA6D8

// Row 0xA2's number by trail byte - 0xA1 (one lookup per character); 0: no numeral.
constexpr std::array<std::uint8_t, 0x100 - kFirstSymbolTrail> kNumeralByTrail = [] {
    std::array<std::uint8_t, 0x100 - kFirstSymbolTrail> numbers{};
    for (const NumeralRun& run : kNumeralRuns)
        for (int trail = run.firstTrail; trail <= run.lastTrail; ++trail)
            numbers[trail - kFirstSymbolTrail] = std::uint8_t(run.firstNumber + trail - run.firstTrail);
    return numbers;
}();

constexpr bool isAsciiLetterOrDigit(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

char* appendUpper(char* out, std::string_view piece)
{
    for (const char c : piece)
        *out++ = asciiUpper(c);
    return out;
}

// 1..20 as decimal digits.
char* appendNumber(char* out, int number)
{
    if (number >= 10)
        *out++ = char('0' + number / 10);
    *out++ = char('0' + number % 10);
    return out;
}

// The text as GBK, with FF FF (outside the reading index, so unmapped) for every character
// GBK cannot hold. The encoder writes a zero byte for such a character, so a real U+0000 is
// kept apart by encoding the text between U+0000s on its own; and it waits for the rest of a
// surrogate pair that ends a piece, so a high surrogate there is marked here.
QByteArray toGbk(const QString& text)
{
    static constexpr QByteArrayView kUnmapped("\xFF\xFF");
    QByteArray gbk;
    bool first = true;
    for (QStringView piece : QStringView(text).tokenize(QChar(0))) {
        if (!first)
            gbk += '\0';
        first = false;
        const bool brokenPair = !piece.isEmpty() && piece.back().isHighSurrogate();
        if (brokenPair)
            piece.chop(1);
        QStringEncoder encoder("GBK", QStringConverter::Flag::ConvertInvalidToNull);
        QByteArray bytes = encoder.encode(piece);
        if (encoder.hasError())
            bytes.replace('\0', kUnmapped);
        gbk += bytes;
        if (brokenPair)
            gbk += kUnmapped;
    }
    return gbk;
}

} // namespace

QByteArray HanziToPinyin(QByteArrayView gbk, int options, int maxLength)
{
    if (options < 0 || maxLength <= 0)
        return {};
    const bool wholeSyllable = (options & kPinyinWholeSyllable) != 0;
    const bool markUnmapped = (options & kPinyinMarkUnmapped) != 0;
    const bool keepAll = (options & kPinyinKeepAll) != 0;

    const auto* const bytes = reinterpret_cast<const unsigned char*>(gbk.data());
    const qsizetype size = gbk.size();
    // Pieces are appended while fewer than maxLength characters are written, so the buffer
    // never holds more than maxLength + kLongestPiece, nor more than kMostPerByte per byte.
    QByteArray result(std::min(size * kMostPerByte, qsizetype(maxLength) + kLongestPiece), Qt::Uninitialized);
    char* const begin = result.data();
    char* out = begin;
    const auto unmapped = [&] {
        if (markUnmapped)
            *out++ = '?';
    };

    qsizetype i = 0;
    while (i < size && out - begin < maxLength) {
        const unsigned char c = bytes[i];
        const unsigned char t = i + 1 < size ? bytes[i + 1] : 0; // zero stands in after the last byte
        if (c < kFirstLead || t < kFirstTrail) {
            if (keepAll || isAsciiLetterOrDigit(c))
                *out++ = asciiUpper(char(c));
            ++i;
            continue;
        }
        i += 2;
        switch (c) {
        case kNumeralRow:
            if (t < kFirstSymbolTrail)
                unmapped();
            else if (const int number = kNumeralByTrail[t - kFirstSymbolTrail]; number != 0)
                out = appendNumber(out, number);
            break;
        case kFullWidthRow: {
            const auto ascii = static_cast<unsigned char>(t - kFullWidthOffset); // wraps below 0xA0, as bytes do
            if (keepAll || isAsciiLetterOrDigit(ascii))
                *out++ = char(ascii);
            break;
        }
        case kGreekRow:
            if (t >= kCapitalAlpha && t < kCapitalAlpha + kGreek.size())
                out = appendUpper(out, kGreek[t - kCapitalAlpha]);
            else if (t >= kSmallAlpha && t < kSmallAlpha + kGreek.size())
                out = appendUpper(out, kGreek[t - kSmallAlpha]);
            else
                unmapped();
            break;
        default:
            if (const std::string_view syllable = pinyinReading(c, t); syllable.empty())
                unmapped();
            else if (wholeSyllable)
                out = appendUpper(out, syllable);
            else
                *out++ = asciiUpper(syllable.front());
            break;
        }
    }
    result.truncate(std::min<qsizetype>(out - begin, maxLength));
    return result;
}

QString HanziToPinyin(const QString& text, int options, int maxLength)
{
    if (options < 0 || maxLength <= 0)
        return {};
    QStringDecoder decoder("GBK");
    return decoder.decode(HanziToPinyin(toGbk(text), options, maxLength));
}

} // namespace lumora
