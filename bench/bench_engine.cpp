// Thirty generations, one press of "Advance " at its largest, on three worlds,
// for the engine and for the linear-scan reference.
#include "colony.h"
#include "linear_colony.h"
#include "world.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kGenerations = 30;

// The largest world the window offers, full of ants.
World large()
{
    World w = World::startUp(30);
    w.ants = 30;
    return w;
}

void engine(benchmark::State &state, const World &world)
{
    unsigned seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        Colony colony;
        world.applyTo(colony);
        colony.seedRandom(seed++);
        state.ResumeTiming();
        for (int g = 0; g < kGenerations; ++g)
            colony.runGeneration();
        benchmark::DoNotOptimize(colony.arrivals());
    }
}

void linear(benchmark::State &state, const World &world)
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

BENCHMARK_CAPTURE(engine, a_startup_10x10, World::startUp())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, a_startup_10x10, World::startUp())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, b_example_8x8, World::example())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, b_example_8x8, World::example())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, c_large_30x30, large())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, c_large_30x30, large())->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
