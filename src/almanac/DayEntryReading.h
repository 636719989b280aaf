#pragma once
// What the day search reads from one row of the almanac table: whether its lists of
// activities favoured (`yi`) and to avoid (`ji`) hold an activity, and the animal and
// direction of the day's clash (`cong`, "冲狗(庚戌)煞南").

#include <QChar>
#include <QStringView>

#include <optional>

namespace lumora {

// The activity is one whole item of the blank-separated `yi` list.
bool favoursActivity(QStringView yi, QStringView activity);
// The activity is to be avoided: `ji` holds it or 诸事不宜, or `yi` closes with 馀事勿取
// (nothing else favoured) without holding it.
bool forbidsActivity(QStringView yi, QStringView ji, QStringView activity);

struct DayClash {
    int branch;      // of the animal the day clashes with, 0 子 … 11 亥
    QChar direction; // where its 煞 lies: 东, 南, 西 or 北
};

// Nothing when the text is not 冲, an animal, anything, 煞 and a direction.
std::optional<DayClash> readClash(QStringView cong);

} // namespace lumora
