#include "calendar/StemBranch.h"

#include <QStringView>

namespace lumora {
namespace {

// The ten heavenly stems and the twelve earthly branches with their animals, in cycle order.
constexpr QStringView kStems = u"甲乙丙丁戊己庚辛壬癸";
constexpr QStringView kBranches = u"子丑寅卯辰巳午未申酉戌亥";
constexpr QStringView kAnimals = u"鼠牛虎兔龙蛇马羊猴鸡狗猪";

// Julian day 0 was a 癸丑 day, number 49 of the cycle.
constexpr qint64 kCycleShift = 49;

std::optional<int> indexIn(QStringView names, QChar name)
{
    const qsizetype at = names.indexOf(name);
    return at < 0 ? std::nullopt : std::optional<int>(static_cast<int>(at));
}

} // namespace

int dayCycleOf(const QDate& date)
{
    const qint64 shifted = (date.toJulianDay() + kCycleShift) % 60;
    return static_cast<int>(shifted < 0 ? shifted + 60 : shifted);
}

QString cycleName(int cycle)
{
    return QString(kStems[cycle % 10]) + kBranches[cycle % 12];
}

int branchOfCycle(int cycle)
{
    return cycle % 12;
}

QChar branchName(int branch)
{
    return kBranches[branch];
}

QChar animalName(int branch)
{
    return kAnimals[branch];
}

std::optional<int> branchNamed(QChar branch)
{
    return indexIn(kBranches, branch);
}

std::optional<int> branchOfAnimal(QChar animal)
{
    return indexIn(kAnimals, animal);
}

} // namespace lumora
