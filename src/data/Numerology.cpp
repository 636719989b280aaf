#include "data/Numerology.h"

#include "data/Error.h"
#include "data/NumerologyTable.h"
#include "data/ShownText.h"
#include "data/uShare.h"

#include <limits>

namespace lumora {
namespace {

[[noreturn]] void notAnInteger(const QString& text)
{
    throw Error(QStringLiteral("“%1”不是有效的整数").arg(shownText(text)));
}

} // namespace

qint64 toInt64(const QString& text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QStringView digits = QStringView(text).sliced(negative ? 1 : 0);
    if (digits.isEmpty())
        notAnInteger(text);
    // The magnitude as unsigned, so that -2^63 is read without overflowing.
    const quint64 limit =
        negative ? quint64(std::numeric_limits<qint64>::max()) + 1 : quint64(std::numeric_limits<qint64>::max());
    quint64 magnitude = 0;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            notAnInteger(text);
        const unsigned digit = c.unicode() - u'0';
        if (magnitude > (limit - digit) / 10)
            notAnInteger(text);
        magnitude = magnitude * 10 + digit;
    }
    if (!negative)
        return qint64(magnitude);
    return magnitude == 0 ? 0 : -qint64(magnitude - 1) - 1;
}

std::optional<int> numerologyIndex(qint64 n)
{
    const qint64 remainder = n % kNumerologyEntryCount; // truncating: the sign of n, -80..80
    if (remainder < 0)
        return std::nullopt;
    return int(remainder);
}

QString numerologyEntryText(int index)
{
    const NumerologyEntry& entry = numerologyEntry(index);
    const PersonalityType& type = personalityType(entry.type);
    return entry.summary.toString() + QLatin1Char('|') + verdictText(entry.verdict).toString() +
           QStringLiteral("|主人性格类型：[") + type.name.toString() + QStringLiteral("]，其具体表现为：") +
           type.description.toString();
}

QString numberinfostr(const QString& number)
{
    const std::optional<int> index = numerologyIndex(toInt64(number));
    return index ? numerologyEntryText(*index) : numerologyFallbackText().toString();
}

} // namespace lumora
