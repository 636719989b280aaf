#include "almanac/DayEntryReading.h"

#include "calendar/StemBranch.h"

namespace lumora {
namespace {

constexpr QStringView kNothingElse = u"馀事勿取";
constexpr QStringView kNothingAtAll = u"诸事不宜";
constexpr QStringView kDirections = u"东南西北";

bool holdsItem(QStringView list, QStringView item)
{
    qsizetype at = 0;
    while (at < list.size()) {
        while (at < list.size() && list[at].isSpace())
            ++at;
        qsizetype end = at;
        while (end < list.size() && !list[end].isSpace())
            ++end;
        if (end > at && list.sliced(at, end - at) == item)
            return true;
        at = end;
    }
    return false;
}

QStringView lastItem(QStringView list)
{
    list = list.trimmed();
    qsizetype start = list.size();
    while (start > 0 && !list[start - 1].isSpace())
        --start;
    return list.sliced(start);
}

} // namespace

bool favoursActivity(QStringView yi, QStringView activity)
{
    return holdsItem(yi, activity);
}

bool forbidsActivity(QStringView yi, QStringView ji, QStringView activity)
{
    if (holdsItem(ji, activity) || holdsItem(ji, kNothingAtAll))
        return true;
    return lastItem(yi) == kNothingElse && !holdsItem(yi, activity);
}

std::optional<DayClash> readClash(QStringView cong)
{
    cong = cong.trimmed();
    if (cong.size() < 4 || cong.front() != u'冲' || cong[cong.size() - 2] != u'煞')
        return std::nullopt;
    const std::optional<int> branch = branchOfAnimal(cong[1]);
    const QChar direction = cong.back();
    if (!branch || !kDirections.contains(direction))
        return std::nullopt;
    return DayClash{*branch, direction};
}

} // namespace lumora
