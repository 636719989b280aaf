#include "almanac/BranchRelations.h"

namespace lumora {

BranchHarmony harmonyBetween(int dayBranch, int personBranch)
{
    // 子丑 寅亥 卯戌 辰酉 巳申 午未: each pair sums to 1 or 13.
    if ((dayBranch + personBranch) % 12 == 1)
        return BranchHarmony::SixHarmony;
    // 申子辰 亥卯未 寅午戌 巳酉丑: the two other members of a branch's triad lie four and
    // eight places away; a branch is no triad with itself.
    if (dayBranch != personBranch && (dayBranch - personBranch) % 4 == 0)
        return BranchHarmony::ThreeHarmony;
    return BranchHarmony::None;
}

QStringView harmonyName(BranchHarmony harmony)
{
    switch (harmony) {
    case BranchHarmony::SixHarmony:
        return u"六合";
    case BranchHarmony::ThreeHarmony:
        return u"三合";
    case BranchHarmony::None:
        break;
    }
    return {};
}

} // namespace lumora
