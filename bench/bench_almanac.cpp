// The daily almanac's hot paths: one day's query against the built data file, a whole
// almanac window brought up offscreen to its first paint (also on a day with a
// million-character field), the double-hours of a day in an open window, and a year's day
// search from query to memo text.

#include "almanac/DailyAlmanac.h"
#include "almanac/DayHours.h"
#include "almanac/DaySearch.h"
#include "almanac/HoursPanel.h"
#include "almanac/lumora.h"
#include "data/DataFolder.h"
#include "data/Query.h"
#include "data/uShare.h"
#include "support/HugeDayRow.h"

#include <QApplication>
#include <QDate>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QDate randomDay(QRandomGenerator& random)
{
    const qint64 first = QDate(1901, 1, 1).toJulianDay();
    const qint64 last = QDate(2050, 12, 31).toJulianDay();
    return QDate::fromJulianDay(first + random.bounded(last - first + 1));
}

void DailyQuery(benchmark::State& state)
{
    QRandomGenerator random(20150609);
    for (auto _ : state) {
        const QDate day = randomDay(random);
        lumora::Query query;
        query.setConnectionString(lumora::BirthConnectionString());
        query.setSql(lumora::dailyAlmanacSql(day.toString(QStringLiteral("yyyy-M-d"))));
        query.open();
        for (const QString& column : kAlmanacColumns)
            benchmark::DoNotOptimize(query.text(column));
        query.close();
    }
}
BENCHMARK(DailyQuery)->Unit(benchmark::kMicrosecond);

void AlmanacWindow(benchmark::State& state)
{
    QRandomGenerator random(1901);
    for (auto _ : state) {
        const QDate day = randomDay(random);
        lumora::TFormLumora* window = lumora::ShowDailyAlmanac(
            QString::number(day.year()), QString::number(day.month()), QString::number(day.day()));
        // Layout and first paint, as the event loop does; unprocessed, the posted events
        // would also pile up and slow every later repetition.
        QCoreApplication::processEvents();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(AlmanacWindow)->Unit(benchmark::kMillisecond);

// What the group "时辰吉凶：" costs each time a day is shown, in an open window: the read of
// the day's facts and hours, the fill and the group's repaint.
void HoursOfADay(benchmark::State& state)
{
    QRandomGenerator random(2050);
    QPointer<lumora::TFormLumora> window = lumora::ShowDailyAlmanac();
    QCoreApplication::processEvents();
    lumora::Query query;
    query.setConnectionString(lumora::BirthConnectionString());
    for (auto _ : state) {
        const QDate day = randomDay(random);
        window->hoursPanel->showDay(lumora::queryHourlyAlmanac(query, day.toString(QStringLiteral("yyyy-M-d"))));
        window->hoursPanel->repaint();
    }
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(HoursOfADay)->Unit(benchmark::kMicrosecond);

// A window opened on a day whose row holds a million characters in one column: the
// overview line (nn) or a memo line (yi).
void AlmanacWindowOnAHugeRow(benchmark::State& state)
{
    const QString column = kAlmanacColumns[state.range(0)];
    state.SetLabel(column.toStdString());
    QTemporaryDir folder;
    writeHugeDayRow(folder.filePath(QStringLiteral("VeltaBirth.dll")), column);
    lumora::DataFolderScope data(folder.path());
    for (auto _ : state) {
        lumora::TFormLumora* window =
            lumora::ShowDailyAlmanac(QStringLiteral("2015"), QStringLiteral("06"), QStringLiteral("09"));
        QCoreApplication::processEvents(); // layout and paint, as the event loop does
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(AlmanacWindowOnAHugeRow)->ArgName("column")->Arg(0)->Arg(7)->Unit(benchmark::kMillisecond)->Iterations(1);

// The heaviest search the windows offer: a year, two persons, two excluded directions.
void DaySearchOneYear(benchmark::State& state)
{
    const lumora::DaySearchConditions conditions{
        QStringLiteral("嫁娶"),
        QStringLiteral("一年以年"),
        QStringLiteral("宜"),
        {{QStringLiteral("老公"), "1986", "3", "12", QStringLiteral("午 11"), "30"},
         {QStringLiteral("老婆"), "1988", "11", "30", QStringLiteral("子 0"), "0"}},
        {QStringLiteral("南"), QStringLiteral("北")}};
    const QString data = lumora::BirthConnectionString();
    for (auto _ : state) {
        const lumora::DaySearchReport report = lumora::searchDays(conditions, QDate(2015, 6, 9), data);
        benchmark::DoNotOptimize(report.lines.join(u'\n'));
    }
}
BENCHMARK(DaySearchOneYear)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
