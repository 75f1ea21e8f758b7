// Thirty generations, one press of "Advance " at its largest, on three worlds,
// for the engine and for the linear-scan reference; and the textbook rules
// on the largest world.
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

// "per_step" is the time of one step of an ant (a move or a dead end),
// "per_choice" that of one working out of the rule: the walk takes many of
// a lost ant's steps without one, as their outcome is known in advance.
void engine(benchmark::State &state, const World &world)
{
    unsigned seed = 1;
    long long steps = 0;
    long long choices = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Colony colony;
        world.applyTo(colony);
        colony.seedRandom(seed++);
        state.ResumeTiming();
        for (int g = 0; g < kGenerations; ++g) {
            colony.runGeneration();
            for (const AntState &ant : colony.m_ants) // 30 additions, next to thousands of steps
                steps += ant.steps - 1;
        }
        choices += colony.choices();
        benchmark::DoNotOptimize(colony.arrivals());
    }
    const auto inverseRate = benchmark::Counter::kIsRate | benchmark::Counter::kInvert;
    state.counters["per_step"] = benchmark::Counter(static_cast<double>(steps), inverseRate);
    state.counters["per_choice"] = benchmark::Counter(static_cast<double>(choices), inverseRate);
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

World withRule(World world, Rule rule)
{
    world.rule = rule;
    return world;
}

} // namespace

BENCHMARK_CAPTURE(engine, a_startup_10x10, World::startUp())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, a_startup_10x10, World::startUp())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, b_example_8x8, World::example())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, b_example_8x8, World::example())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, c_large_30x30, large())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(linear, c_large_30x30, large())->Unit(benchmark::kMillisecond);

// The textbook rules on world (c), beside the window's rule above.
BENCHMARK_CAPTURE(engine, c_large_30x30_as, withRule(large(), Rule::AntSystem))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, c_large_30x30_acs, withRule(large(), Rule::AntColonySystem))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, c_large_30x30_mmas, withRule(large(), Rule::MaxMinAntSystem))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, c_large_30x30_eas, withRule(large(), Rule::ElitistAntSystem))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, c_large_30x30_ras, withRule(large(), Rule::RankBasedAntSystem))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(engine, c_large_30x30_bwas, withRule(large(), Rule::BestWorstAntSystem))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
