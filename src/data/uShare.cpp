#include "data/uShare.h"

#include "data/DataFolder.h"
#include "data/Error.h"
#include "data/ShownText.h"

#include <QDate>
#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>

namespace lumora {
namespace {

// A connection-string value as written: plain when nothing in it would be read as syntax,
// else quoted as OLE DB quotes values (double quotes, or single quotes around a value that
// holds a double quote; the enclosing quote doubled inside when the value holds both).
QString quotedValue(const QString& value)
{
    const bool plain = !value.isEmpty() && !value.front().isSpace() && !value.back().isSpace() &&
                       !value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('=')) &&
                       !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\''));
    if (plain)
        return value;
    if (!value.contains(QLatin1Char('"')))
        return QLatin1Char('"') + value + QLatin1Char('"');
    if (!value.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + value + QLatin1Char('\'');
    QString doubled = value;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString connectionStringFor(const QString& folder, const QString& fileName)
{
    const QString path = QDir(folder).filePath(fileName);
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True")
        .arg(quotedValue(QDir::toNativeSeparators(path)));
}

// A non-empty run of ASCII digits read as a number; -1 otherwise or when it is too long
// to be any valid part of a date.
int digitsValue(const QString& part)
{
    if (part.isEmpty() || part.size() > 9)
        return -1;
    int value = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

bool isValidDate(const QString& year, const QString& month, const QString& day)
{
    const int y = digitsValue(year);
    const int m = digitsValue(month);
    const int d = digitsValue(day);
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1)
        return false;
    return d <= QDate(y, m, 1).daysInMonth();
}

// The value of an ASCII hexadecimal digit in either case; -1 for anything else.
int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

quint8 highByte(quint16 key)
{
    return quint8(key >> 8);
}

quint8 lowByte(quint16 key)
{
    return quint8(key & 0xFF);
}

// One round of the decoder. Sums wrap at 256 through quint8.
void unscrambleRound(QByteArray& bytes, quint16 key)
{
    auto* b = reinterpret_cast<quint8*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 1; i < size; ++i)
        b[i] = quint8(b[i - 1] + b[i]) ^ highByte(key);
    for (qsizetype i = size - 2; i >= 0; --i)
        b[i] = quint8(b[i + 1] + b[i]) ^ lowByte(key);
}

// Undoes unscrambleRound: the backward pass first, each byte from the neighbour that the
// pass had already written (still in place when going the other way), then the forward pass.
void scrambleRound(QByteArray& bytes, quint16 key)
{
    auto* b = reinterpret_cast<quint8*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i + 1 < size; ++i)
        b[i] = quint8((b[i] ^ lowByte(key)) - b[i + 1]);
    for (qsizetype i = size - 1; i >= 1; --i)
        b[i] = quint8((b[i] ^ highByte(key)) - b[i - 1]);
}

// The first character of the text that GBK cannot hold, for the message.
QString firstUnencodable(const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
        (void)encoder.encode(character);
        if (encoder.hasError())
            return character;
        i += length;
    }
    return {};
}

} // namespace

QString DreamConnectionString()
{
    return dreamConnectionStringIn(dataFolder());
}

QString BirthConnectionString()
{
    return birthConnectionStringIn(dataFolder());
}

QString dreamConnectionStringIn(const QString& folder)
{
    return connectionStringFor(folder, QStringLiteral("dream.dll"));
}

QString birthConnectionStringIn(const QString& folder)
{
    return connectionStringFor(folder, QStringLiteral("VeltaBirth.dll"));
}

PickedDateCheck CheckPickedDate(const QString& year, const QString& month, const QString& day)
{
    PickedDate picked{year.trimmed(), month.trimmed(), day.trimmed(), QString()};
    if (picked.year.isEmpty())
        return PickedDateComplaint{QStringLiteral("请选择年!")};
    if (picked.month.isEmpty())
        return PickedDateComplaint{QStringLiteral("请选择月!")};
    if (picked.day.isEmpty())
        return PickedDateComplaint{QStringLiteral("请选择日!")};
    if (!isValidDate(picked.year, picked.month, picked.day))
        return PickedDateComplaint{QStringLiteral("请选择有效的日期!")};
    picked.dateText = picked.year + QLatin1Char('-') + picked.month + QLatin1Char('-') + picked.day;
    return picked;
}

QByteArray decodeContentBytes(const QString& stored, quint16 key, int count, const BadPairNotice& onBadPair)
{
    QByteArray bytes;
    bytes.reserve(stored.size() / 2);
    for (qsizetype i = 0; i + 1 < stored.size(); i += 2) {
        const int high = hexDigitValue(stored[i]);
        const int low = hexDigitValue(stored[i + 1]);
        if (high < 0 || low < 0) {
            if (onBadPair)
                onBadPair();
            continue;
        }
        bytes += char(high * 16 + low);
    }
    for (int round = 0; round < count; ++round)
        unscrambleRound(bytes, key);
    return bytes;
}

QString DecodeContent(const QString& stored, quint16 key, int count, const BadPairNotice& onBadPair)
{
    QStringDecoder gbk("GBK");
    return gbk.decode(decodeContentBytes(stored, key, count, onBadPair));
}

QString encodeContentBytes(const QByteArray& bytes, quint16 key, int count)
{
    QByteArray scrambled = bytes;
    for (int round = 0; round < count; ++round)
        scrambleRound(scrambled, key);
    return QString::fromLatin1(scrambled.toHex().toUpper());
}

QString encodeContent(const QString& text, quint16 key, int count)
{
    QStringEncoder gbk("GBK", QStringConverter::Flag::Stateless);
    const QByteArray bytes = gbk.encode(text);
    if (gbk.hasError())
        throw Error(
            QStringLiteral("GBK 中没有字符“%1”，无法编码：%2").arg(shownText(firstUnencodable(text)), shownText(text)));
    return encodeContentBytes(bytes, key, count);
}

} // namespace lumora
