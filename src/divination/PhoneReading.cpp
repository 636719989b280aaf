#include "divination/PhoneReading.h"

#include "data/Error.h"
#include "data/Query.h"
#include "data/ShownText.h"

#include <algorithm>

namespace lumora {
namespace {

// Characters 8 to 11, counted from 1: the last four digits of an eleven-digit number.
constexpr qsizetype kGroupStart = 7;
constexpr qsizetype kGroupLength = 4;
constexpr int kKeyCount = 80;

bool allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString shoujiinfostr(const QString& trimmedNumber)
{
    const QString number = trimmedNumber.trimmed();
    if (number.size() <= kGroupStart)
        throw Error(QStringLiteral("手机号码“%1”不足8位，取不到第8至11位").arg(shownText(number)));
    const QStringView group =
        QStringView(number).sliced(kGroupStart).first(std::min(kGroupLength, number.size() - kGroupStart));
    if (!allDigits(group))
        throw Error(QStringLiteral("手机号码“%1”的第8至11位“%2”不全是数字")
                        .arg(shownText(number), shownText(group.toString())));
    return QString::number(group.toInt() % kKeyCount); // at most four digits: 0..9999
}

QString phoneReadingSql(const QString& key)
{
    return QStringLiteral("select title,jx,content from shouji where num = ") + Query::quoted(key);
}

std::optional<PhoneReading> queryPhoneReading(Query& query, const QString& key)
{
    query.close();
    query.setSql(phoneReadingSql(key));
    query.open();
    if (!query.hasRow())
        return std::nullopt;
    return PhoneReading{query.text(0), query.text(1), query.text(2)};
}

} // namespace lumora
