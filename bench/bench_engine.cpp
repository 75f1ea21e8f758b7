// Thirty generations, one press of "Advance " at its largest, on three worlds,
// for the engine and for the linear-scan reference; the textbook rules on
// the largest of them; the runner's largest world; and the floor of a choice.
#include "colony.h"
#include "linear_colony.h"
#include "world.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

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

// The floor of a choice of the window's rule: its arithmetic and nothing
// else, on a walk over a 30 x 30 grid without obstacles or a path to keep.
// Each free neighbour's routing value is added to the total with one
// rounding to single precision; a draw; the scan over the fractions, one
// division each, up to the drawn cell, which the walk moves to.  Each
// choice waits for the one before, as in the engine.
void choiceFloor(benchmark::State &state)
{
    constexpr int n = 30;
    constexpr int stride = n + 2;
    std::vector<unsigned char> blocked(stride * stride, 1);
    std::vector<double> routing(stride * stride, 0.0);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y) {
            blocked[(x + 1) * stride + y + 1] = 0;
            routing[(x + 1) * stride + y + 1] = 1.0 + (x * 7 + y * 3) % 10 * 0.37;
        }
    const int offsets[8] = {-1, -stride - 1, +1, stride + 1, -stride, -stride + 1, stride, stride - 1};
    uint32_t random = 1;
    int cell = stride + 1;
    long long choices = 0;
    for (auto _ : state) {
        for (int step = 0; step < 100000; ++step) {
            double before[8]; // the unrounded running sums
            int to[8];
            int count = 0;
            float total = 0.0f;
            for (const int offset : offsets) {
                if (blocked[cell + offset])
                    continue;
                before[count] = total + routing[cell + offset];
                total = static_cast<float>(before[count]);
                to[count++] = cell + offset;
            }
            random = random * 1103515245u + 12345u;
            const float r = static_cast<float>((random / 65536u % 32768u) / 32767.0);
            int chosen = 0;
            while (chosen < count - 1 && !(r <= static_cast<float>(before[chosen] / total)))
                ++chosen;
            cell = to[chosen];
        }
        choices += 100000;
    }
    benchmark::DoNotOptimize(cell);
    const auto inverseRate = benchmark::Counter::kIsRate | benchmark::Counter::kInvert;
    state.counters["per_choice"] = benchmark::Counter(static_cast<double>(choices), inverseRate);
}

// The largest world the runner takes, with its most ants: lost ants walk
// until they have met 10,000 dead ends.
World huge()
{
    World w = World::startUp(100);
    w.ants = 1000;
    return w;
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

BENCHMARK_CAPTURE(engine, d_huge_100x100, huge())->Unit(benchmark::kMillisecond);

BENCHMARK(choiceFloor)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
