#pragma once
// How a day's earthly branch stands to a person's zodiac branch (both 0 子 … 11 亥):
// 六合, the six pairs that combine, and 三合, the four triads of branches four apart.

#include <QStringView>

namespace lumora {

enum class BranchHarmony { None, SixHarmony, ThreeHarmony };

BranchHarmony harmonyBetween(int dayBranch, int personBranch);
// "六合", "三合"; empty for None.
QStringView harmonyName(BranchHarmony harmony);

} // namespace lumora
