#pragma once
// Shared helpers: where the two data files are, the check every date picker runs before a
// query, the numerology reading of the number windows, and the content code of the stored
// pairing texts.
//
//   windows / CLI ──> CheckPickedDate ──> date text ──> Query (Query.h) ──> data files
//   data build ──encodeContent──> hexadecimal text in VeltaBirth.dll ──DecodeContent──> memo

#include <QByteArray>
#include <QString>

#include <functional>
#include <variant>

namespace lumora {

// Connection texts of the two data files in dataFolder() (DataFolder.h): beside the
// executable, never the working folder.
// A path holding ";", "=", quotes or blanks at its ends is quoted, so it reads back whole.
QString DreamConnectionString();
QString BirthConnectionString();
// The same for the data files in `folder` (the CLI and tests name the folder themselves).
QString dreamConnectionStringIn(const QString& folder);
QString birthConnectionStringIn(const QString& folder);

// A date that passed the check: the trimmed texts as typed, and year-month-day joined
// with "-" and not padded ("2015-6-9" stays so).
struct PickedDate {
    QString year;
    QString month;
    QString day;
    QString dateText;
};

// The complaint for the first problem found, in the words the user is shown.
struct PickedDateComplaint {
    QString message;
};

using PickedDateCheck = std::variant<PickedDate, PickedDateComplaint>;

// Trims the three texts as typed into date lists and checks, in order: year present,
// month present, day present, a real Gregorian date with digits only in each part.
// Years take any number of digits that read as 1 to 9999, as written (no widening of
// two-digit years: "15" is the year 15).
PickedDateCheck CheckPickedDate(const QString& year, const QString& month, const QString& day);

// The eighty-one numerology reading of a number text (callers trim it): the entry
// "summary|verdict|personality" of its remainder by 81, or "对不起,此号不在分解之类。" for a
// negative remainder. Throws lumora::Error on a text that is not a 64-bit integer
// (Numerology.h has the rules and the steps).
QString numberinfostr(const QString& number);

// The key the pairing texts in VeltaBirth.dll are scrambled with, and the rounds of it.
inline constexpr quint16 kContentKey = 0x4C75;
inline constexpr int kContentRounds = 7;

// Called once for each pair of characters in a stored text that is not a hexadecimal
// number; the windows beep through the platform, the command line counts.
using BadPairNotice = std::function<void()>;

// The bytes of a stored text: read in pairs of characters from its start (a last single
// character is ignored), each pair two hexadecimal digits in either case giving one byte;
// a pair that is anything else gives no byte and calls onBadPair. Then `count` rounds of
// unscrambling, each a forward pass (b[i] = (b[i-1] + b[i]) mod 256 XOR the key's high
// byte, i from the second byte up) and a backward pass (b[i] = (b[i+1] + b[i]) mod 256
// XOR the low byte, i from the last but one down), each step using the neighbour just
// written. A single byte passes unchanged.
QByteArray decodeContentBytes(const QString& stored, quint16 key, int count, const BadPairNotice& onBadPair = {});
// The same bytes read as GBK text.
QString DecodeContent(const QString& stored, quint16 key, int count, const BadPairNotice& onBadPair = {});

// The exact inverse: the stored text (upper-case hexadecimal) that decodes to `bytes`.
QString encodeContentBytes(const QByteArray& bytes, quint16 key, int count);
// The stored text of `text`; throws lumora::Error when GBK cannot hold a character of it.
QString encodeContent(const QString& text, quint16 key, int count);

} // namespace lumora
