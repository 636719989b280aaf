// The daily almanac's hot paths: one day's query against the built data file, and a whole
// almanac window brought up offscreen.

#include "almanac/DailyAlmanac.h"
#include "almanac/lumora.h"
#include "data/Query.h"
#include "data/uShare.h"

#include <QApplication>
#include <QDate>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

namespace {

const QStringList kColumns{"nn", "suici", "tszf", "wuhang", "cong", "pzbj", "jsyq", "yi", "xsyq", "ji"};

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
        for (const QString& column : kColumns)
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
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(AlmanacWindow)->Unit(benchmark::kMillisecond);

} // namespace
