// Thirty generations, one press of "Advance " at its largest, on three worlds,
// for the engine and for the linear-scan reference.
#include "worlds.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kGenerations = 30;

void engine(benchmark::State &state, const LinearWorld &world)
{
    unsigned seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        Colony colony;
        worlds::apply(colony, world, seed++);
        state.ResumeTiming();
        for (int g = 0; g < kGenerations; ++g)
            colony.runGeneration();
        benchmark::DoNotOptimize(colony.arrivals());
    }
}

void linear(benchmark::State &state, const LinearWorld &world)
{
    unsigned seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        LinearColony colony(world, seed++);
        state.ResumeTiming();
        for (int g = 0; g < kGenerations; ++g)
            colony.runGeneration();
        benchmark::DoNotOptimize(colony.arrivals);
    }
}

} // namespace

BENCHMARK_CAPTURE(engine, a_startup_10x10, worlds::startUp())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, a_startup_10x10, worlds::startUp())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, b_example_8x8, worlds::example())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, b_example_8x8, worlds::example())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, c_large_30x30, worlds::large())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, c_large_30x30, worlds::large())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
