// One estimate as the main window makes it: the cooling estimate, the clock
// arithmetic and the text, per call.
#include "engine.h"

#include <benchmark/benchmark.h>

static void workedExample(benchmark::State &state)
{
    const quorrel::NumberLocale locale;
    for (auto _ : state) {
        const quorrel::Estimate estimate = quorrel::estimateTimeOfDeath(
            {"60", "80", "75", "2"}, {"12", "00", "00", quorrel::Meridiem::AM}, locale);
        std::string text = quorrel::formatClockTime(estimate.deathAt);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(workedExample);

static void estimateAndClockOnly(benchmark::State &state)
{
    const quorrel::NumberLocale locale;
    for (auto _ : state) {
        const auto hours = quorrel::estimateHoursSinceDeath(60, 80, 75, 2);
        const auto death =
            quorrel::buildDeathClockTime("12", "00", "00", quorrel::Meridiem::AM, *hours, locale);
        std::string text = quorrel::formatClockTime(*death);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(estimateAndClockOnly);

BENCHMARK_MAIN();
