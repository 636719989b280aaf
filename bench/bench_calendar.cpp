// The lunar calendar's hot paths: converting every day of 1901-2050, and the cell texts
// the perpetual calendar computes for one month.

#include "calendar/DateCn.h"
#include "calendar/MonthSheet.h"

#include <QDate>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<QDate> EveryDayOfTheTables()
{
    std::vector<QDate> days;
    for (QDate day(1901, 1, 1); day.year() <= 2050; day = day.addDays(1))
        days.push_back(day);
    return days;
}

void CnDateOfEveryDay(benchmark::State& state)
{
    const std::vector<QDate> days = EveryDayOfTheTables();
    for (auto _ : state) {
        for (const QDate& day : days)
            benchmark::DoNotOptimize(lumora::CnDateOf(day));
    }
    // Shown as time per converted day.
    state.counters["per_day"] = benchmark::Counter(
        static_cast<double>(days.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(CnDateOfEveryDay)->Unit(benchmark::kMillisecond);

// August 2015 begins on a Saturday and has 31 days: the fullest month the grid draws.
void DayCellTextsOfAMonth(benchmark::State& state)
{
    const QDate month(2015, 8, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(lumora::monthSheetTexts(month));
}
BENCHMARK(DayCellTextsOfAMonth)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
