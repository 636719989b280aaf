#include "almanac/DaySearch.h"

#include "almanac/DayEntryReading.h"
#include "almanac/DayHours.h"
#include "almanac/DaySearchInput.h"
#include "almanac/DaySearchMemo.h"
#include "calendar/StemBranch.h"
#include "data/Error.h"
#include "data/Query.h"

namespace lumora {
namespace {

// The whole span in one query, its columns read by position in this order. Only a search
// for 黄道 days reads the table of further facts, so the plain search needs just `lumora`.
enum Column { Gn, Cong, Yi, Ji, Path };
constexpr QStringView kSpanSql = u"select gn, cong, yi, ji from lumora where gn between #%1# and #%2# order by gn";
constexpr QStringView kSpanWithPathSql =
    u"select lumora.gn, cong, yi, ji, huangdao from lumora left join lumora_extra on lumora_extra.gn = lumora.gn "
    u"where lumora.gn between #%1# and #%2# order by lumora.gn";

QString spanSql(const QDate& first, const QDate& last, bool withPath)
{
    return (withPath ? kSpanWithPathSql : kSpanSql)
        .toString()
        .arg(first.toString(Qt::ISODate), last.toString(Qt::ISODate));
}

QDate dateOfRow(const Query& query)
{
    const QString gn = query.text(Gn);
    const QDate date = QDate::fromString(gn, Qt::ISODate);
    if (!date.isValid())
        throw Error(QStringLiteral("黄历数据中的日期“%1”无效").arg(gn));
    return date;
}

DayClash clashOf(const QString& cong, const QDate& date)
{
    const std::optional<DayClash> clash = readClash(cong);
    if (!clash)
        throw Error(QStringLiteral("黄历数据 %1 的冲煞“%2”无法识别").arg(date.toString(Qt::ISODate), cong));
    return *clash;
}

bool suitsActivity(const Query& query, const CheckedConditions& conditions)
{
    const QString yi = query.text(Yi);
    if (!conditions.avoid)
        return favoursActivity(yi, conditions.activity);
    return forbidsActivity(yi, query.text(Ji), conditions.activity);
}

// Nothing when the day does not suit the activity, is not the 黄道 day asked for, clashes
// with a person or has its 煞 in an excluded direction.
std::optional<FoundDay> keptDay(const Query& query, const QDate& date, const CheckedConditions& conditions)
{
    if (!suitsActivity(query, conditions))
        return std::nullopt;
    if (conditions.huangdaoOnly && query.text(Path) != kHuangdaoPath)
        return std::nullopt;
    FoundDay day{date, query.text(Cong), {}};
    const DayClash clash = clashOf(day.cong, date);
    if (conditions.excludedDirections.contains(clash.direction))
        return std::nullopt;
    const int dayBranch = branchOfCycle(dayCycleOf(date));
    for (const Birth& person : conditions.persons) {
        if (person.branch == clash.branch)
            return std::nullopt;
        day.harmonies << harmonyBetween(dayBranch, person.branch);
    }
    return day;
}

void addDays(QList<QDate>& days, QDate from, const QDate& until)
{
    for (; from < until; from = from.addDays(1))
        days << from;
}

SearchOutcome search(Query& query, const CheckedConditions& conditions, const QDate& today)
{
    SearchOutcome outcome{today, today.addDays(conditions.spanDays - 1), {}, {}};
    query.setSql(spanSql(outcome.first, outcome.last, conditions.huangdaoOnly));
    query.open();
    QDate expected = outcome.first; // the day the next row should hold
    for (bool row = query.hasRow(); row; row = query.next()) {
        const QDate date = dateOfRow(query);
        addDays(outcome.daysWithoutData, expected, date);
        expected = date.addDays(1);
        if (std::optional<FoundDay> day = keptDay(query, date, conditions))
            outcome.days << std::move(*day);
    }
    addDays(outcome.daysWithoutData, expected, outcome.last.addDays(1));
    return outcome;
}

} // namespace

DaySearchReport searchDays(const DaySearchConditions& conditions, QDate today, const QString& connectionString)
{
    const auto checked = checkConditions(conditions);
    if (const auto* complaints = std::get_if<QStringList>(&checked))
        return DaySearchReport{true, *complaints, {}, 0};
    const CheckedConditions& valid = std::get<CheckedConditions>(checked);

    Query query;
    query.setConnectionString(connectionString);
    const SearchOutcome outcome = search(query, valid, today);

    DaySearchReport report{false, daySearchMemo(valid, outcome), {}, static_cast<int>(outcome.daysWithoutData.size())};
    for (const FoundDay& day : outcome.days)
        report.days << day.date;
    return report;
}

} // namespace lumora
