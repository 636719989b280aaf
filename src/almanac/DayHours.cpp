#include "almanac/DayHours.h"

#include "data/Error.h"
#include "data/Query.h"

namespace lumora {
namespace {

// Both read by position, in the order the columns are named.
constexpr QStringView kHoursSql =
    u"select shiduan, ganzhi, tianshen, shichen.huangdao, jixiong, cong, yi, ji from lumora_extra, shichen "
    u"where lumora_extra.gn = #%1# and shichen.rgz = lumora_extra.rgz order by cast(idx as integer)";
constexpr QStringView kFactsSql = u"select zhishen, huangdao, xiu, xiuluck, xishen, fushen, caishen, yanggui, yingui "
                                  u"from lumora_extra where gn = #%1#";

void openOn(Query& query, QStringView sql, const QString& dateText)
{
    query.close();
    query.setSql(sql.toString().arg(dateText));
    query.open();
}

} // namespace

QString dutyGodLine(const QString& dutyGod, const QString& path)
{
    return QStringLiteral("值神:%1(%2)").arg(dutyGod, path);
}

QStringList DoubleHour::fields() const
{
    return {range, ganZhi, dutyGod, path, luck, clash, yi, ji};
}

bool DoubleHour::isAuspicious() const
{
    return luck == u"吉";
}

bool DayFacts::isHuangdao() const
{
    return path == kHuangdaoPath;
}

QStringList DayFacts::lines() const
{
    return {
        dutyGodLine(dutyGod, path),
        QStringLiteral("星宿:%1(%2)").arg(mansion, mansionLuck),
        QStringLiteral("吉神方位:喜神%1 福神%2 财神%3 阳贵%4 阴贵%5").arg(joy, fortune, wealth, yangNoble, yinNoble),
    };
}

std::optional<QList<DoubleHour>> queryDayHours(Query& query, const QString& dateText)
{
    openOn(query, kHoursSql, dateText);
    if (!query.hasRow())
        return std::nullopt;
    QList<DoubleHour> hours;
    do {
        hours << DoubleHour{query.text(0), query.text(1), query.text(2), query.text(3),
                            query.text(4), query.text(5), query.text(6), query.text(7)};
    } while (query.next());
    if (hours.size() != kDoubleHourCount)
        throw Error(QStringLiteral("黄历数据中 %1 的时辰有 %2 个，应为 %3 个")
                        .arg(dateText)
                        .arg(hours.size())
                        .arg(kDoubleHourCount));
    return hours;
}

std::optional<DayFacts> queryDayFacts(Query& query, const QString& dateText)
{
    openOn(query, kFactsSql, dateText);
    if (!query.hasRow())
        return std::nullopt;
    return DayFacts{query.text(0), query.text(1), query.text(2), query.text(3), query.text(4),
                    query.text(5), query.text(6), query.text(7), query.text(8)};
}

std::optional<HourlyAlmanac> queryHourlyAlmanac(Query& query, const QString& dateText)
{
    std::optional<DayFacts> facts = queryDayFacts(query, dateText);
    if (!facts)
        return std::nullopt;
    std::optional<QList<DoubleHour>> hours = queryDayHours(query, dateText);
    if (!hours)
        return std::nullopt;
    return HourlyAlmanac{std::move(*facts), std::move(*hours)};
}

} // namespace lumora
