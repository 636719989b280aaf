#include "almanac/DayHours.h"

#include "data/Error.h"
#include "data/Query.h"

namespace lumora {
namespace {

// One statement for the facts and the hours, read by position in the order named: each
// opening of the data file costs more than the rest of the read.
enum Column { DutyGod, Path, Mansion, MansionLuck, Joy, Fortune, Wealth, YangNoble, YinNoble, FirstHourColumn };
constexpr QStringView kHourlySql =
    u"select zhishen, lumora_extra.huangdao, xiu, xiuluck, xishen, fushen, caishen, yanggui, yingui, "
    u"shiduan, ganzhi, tianshen, shichen.huangdao, jixiong, cong, yi, ji from lumora_extra, shichen "
    u"where lumora_extra.gn = #%1# and shichen.rgz = lumora_extra.rgz order by idx";

DayFacts factsOf(const Query& query)
{
    return DayFacts{query.text(DutyGod),     query.text(Path),      query.text(Mansion),
                    query.text(MansionLuck), query.text(Joy),       query.text(Fortune),
                    query.text(Wealth),      query.text(YangNoble), query.text(YinNoble)};
}

DoubleHour hourOf(const Query& query)
{
    auto at = [&](int offset) { return query.text(FirstHourColumn + offset); };
    return DoubleHour{at(0), at(1), at(2), at(3), at(4), at(5), at(6), at(7)};
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

std::optional<HourlyAlmanac> queryHourlyAlmanac(Query& query, const QString& dateText)
{
    query.close();
    query.setSql(kHourlySql.toString().arg(dateText));
    query.open();
    if (!query.hasRow())
        return std::nullopt;
    HourlyAlmanac day{factsOf(query), {}};
    do {
        day.hours << hourOf(query);
    } while (query.next());
    if (day.hours.size() != kDoubleHourCount)
        throw Error(QStringLiteral("黄历数据中 %1 的时辰有 %2 个，应为 %3 个")
                        .arg(dateText)
                        .arg(day.hours.size())
                        .arg(kDoubleHourCount));
    return day;
}

} // namespace lumora
