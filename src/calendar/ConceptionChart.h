#pragma once
// The boy-or-girl conception chart as its window shows it: fixed text, nothing computed
// from a date.

#include <QString>

namespace lumora {

// A heading and one line per mother's age, 18 to 45, joined by "\n" without a final one.
QString conceptionChartText();

// The note shown under the chart.
QString conceptionChartNote();

} // namespace lumora
