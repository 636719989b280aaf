// Drawing a month in the perpetual calendar window, offscreen: the work behind every
// click on its spinners.

#include "calendar/DateWin.h"

#include <QCoreApplication>
#include <QDate>

#include <benchmark/benchmark.h>

#include <array>

namespace {

// Two months that share no cell layout, so every draw moves the cells that are shown.
const std::array<QDate, 2> kMonths{QDate(2015, 2, 18), QDate(2020, 5, 23)};

// The events a draw posts (updates, paints) are handled after each draw, as the event
// loop does; with "painted" set their handling is timed too.
void ShowMonth(benchmark::State& state)
{
    const bool painted = state.range(0) != 0;
    lumora::TFRM_Date window;
    window.show();
    QCoreApplication::processEvents();
    std::size_t next = 0;
    for (auto _ : state) {
        window.ShowMonth(kMonths[next]);
        next ^= 1;
        if (!painted)
            state.PauseTiming();
        QCoreApplication::processEvents();
        if (!painted)
            state.ResumeTiming();
    }
}
BENCHMARK(ShowMonth)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
