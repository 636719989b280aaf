#include "almanac/DaySearchMemo.h"

#include "calendar/DateCn.h"
#include "calendar/StemBranch.h"

#include <algorithm>

namespace lumora {
namespace {

constexpr QChar kHarmonyMark = u'★';

QString isoDate(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

// "宜嫁娶" or "忌嫁娶".
QString wanted(const CheckedConditions& conditions)
{
    return (conditions.avoid ? u'忌' : u'宜') + conditions.activity;
}

QString personLine(const Birth& person)
{
    QString line = QStringLiteral("%1：%2 %3 生，属%4")
                       .arg(person.label, isoDate(person.date), QTime(person.hour, person.minute).toString(u"HH:mm"),
                            animalName(person.branch));
    if (person.bornIntoNewYear)
        line += QStringLiteral("（23时起为子时，已入正月初一）");
    return line;
}

QStringList heading(const CheckedConditions& conditions, const SearchOutcome& outcome)
{
    QStringList lines{QStringLiteral("测算：%1（%2 至 %3）%4的日子")
                          .arg(conditions.span, isoDate(outcome.first), isoDate(outcome.last), wanted(conditions))};
    if (conditions.persons.isEmpty())
        lines << QStringLiteral("人员：未选");
    for (const Birth& person : conditions.persons)
        lines << personLine(person);
    QStringList directions;
    for (const QChar direction : conditions.excludedDirections)
        directions << u'煞' + QString(direction);
    lines << QStringLiteral("排除冲煞方位：") + (directions.isEmpty() ? QStringLiteral("无") : directions.join(u'、'));
    if (conditions.huangdaoOnly)
        lines << QStringLiteral("只取黄道日（值神为黄道）");
    return lines;
}

bool harmonisesWithAll(const FoundDay& day)
{
    return !day.harmonies.isEmpty() && std::none_of(day.harmonies.begin(), day.harmonies.end(),
                                                    [](BranchHarmony h) { return h == BranchHarmony::None; });
}

// "2015-06-10 星期三 农历四月廿四 丁巳日 冲猪(辛亥)煞东", and "★人员1三合" on a day in
// harmony with every person.
QString dayLine(const FoundDay& day, const QList<Birth>& persons)
{
    QStringList parts{isoDate(day.date), weekdayName(day.date.dayOfWeek())};
    if (const CnDateCode code = CnDateOf(day.date); code != 0)
        parts << QStringLiteral("农历") + CnMonthName(code) + CnDayName(code);
    parts << cycleName(dayCycleOf(day.date)) + u'日' << day.cong;
    if (harmonisesWithAll(day)) {
        QStringList harmonies;
        for (qsizetype i = 0; i < persons.size(); ++i)
            harmonies << persons[i].label + harmonyName(day.harmonies[i]).toString();
        parts << kHarmonyMark + harmonies.join(u'、');
    }
    return parts.join(u' ');
}

bool isOneRun(const QList<QDate>& days)
{
    return days.last().toJulianDay() - days.first().toJulianDay() + 1 == days.size();
}

QString missingDataLine(const SearchOutcome& outcome)
{
    const QList<QDate>& missing = outcome.daysWithoutData;
    const qsizetype count = missing.size();
    if (missing.first() == outcome.first && missing.last() == outcome.last && isOneRun(missing))
        return QStringLiteral("黄历数据中没有 %1 至 %2 的记录，无法测算。")
            .arg(isoDate(outcome.first), isoDate(outcome.last));
    if (missing.last() == outcome.last && isOneRun(missing))
        return QStringLiteral("黄历数据只到 %1，%2 至 %3 共 %4 天无法测算。")
            .arg(isoDate(missing.first().addDays(-1)), isoDate(missing.first()), isoDate(outcome.last))
            .arg(count);
    if (missing.first() == outcome.first && isOneRun(missing))
        return QStringLiteral("黄历数据从 %1 开始，%2 至 %3 共 %4 天无法测算。")
            .arg(isoDate(missing.last().addDays(1)), isoDate(outcome.first), isoDate(missing.last()))
            .arg(count);
    if (count == 1)
        return QStringLiteral("黄历数据缺少 %1 的记录，这一天没有测算。").arg(isoDate(missing.first()));
    return QStringLiteral("黄历数据缺少其中 %1 天的记录（最早 %2，最晚 %3），这些日子没有测算。")
        .arg(count)
        .arg(isoDate(missing.first()), isoDate(missing.last()));
}

QString closingLine(const CheckedConditions& conditions, const SearchOutcome& outcome)
{
    if (outcome.days.isEmpty())
        return QStringLiteral("%1 至 %2 之间没有%3且合乎以上条件的日子。日子从本机系统时间的今天算起，"
                              "如查询不到数据请检测系统时间是否正确，或联系我们给你查明原因。")
            .arg(isoDate(outcome.first), isoDate(outcome.last), wanted(conditions));
    QString line = QStringLiteral("共找到 %1 天。").arg(outcome.days.size());
    if (conditions.persons.isEmpty())
        return line;
    const auto inHarmony = std::count_if(outcome.days.begin(), outcome.days.end(), harmonisesWithAll);
    if (inHarmony == 0)
        return line + QStringLiteral("其中没有与所有人员六合或三合的日子。");
    return line + QStringLiteral("其中 %1 天与所有人员六合或三合，标有%2。").arg(inHarmony).arg(kHarmonyMark);
}

} // namespace

QStringList daySearchMemo(const CheckedConditions& conditions, const SearchOutcome& outcome)
{
    QStringList lines = heading(conditions, outcome);
    lines << QString();
    for (const FoundDay& day : outcome.days)
        lines << dayLine(day, conditions.persons);
    if (!outcome.daysWithoutData.isEmpty())
        lines << missingDataLine(outcome);
    lines << closingLine(conditions, outcome);
    return lines;
}

} // namespace lumora
