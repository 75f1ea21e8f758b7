// The bootstrap interval of a setting, beside one of the runs it summarises:
// what the intervals of --summary-csv and a sweep's --chart add to a sweep.
#include "bootstrap.h"
#include "colony.h"
#include "world.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Best lengths between 10 and 16, as the start-up world's runs give them.
void bootstrap(benchmark::State &state)
{
    std::vector<RunShare> lengths;
    for (long long k = 0; k < state.range(0); ++k)
        lengths.push_back({10 + k * 5 % 7, 1});
    for (auto _ : state)
        benchmark::DoNotOptimize(bootstrapInterval95(lengths));
    state.counters["per_run"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                   benchmark::Counter::kIsIterationInvariantRate
                                                       | benchmark::Counter::kInvert);
}

// One run of 100 generations of the start-up world, as vormis-run makes it.
void run100(benchmark::State &state)
{
    const World world = World::startUp();
    unsigned seed = 1;
    for (auto _ : state) {
        Colony colony;
        world.applyTo(colony);
        colony.seedRandom(seed++);
        for (int g = 0; g < 100; ++g)
            colony.runGeneration();
        benchmark::DoNotOptimize(colony.arrivals());
    }
}

} // namespace

BENCHMARK(bootstrap)->Arg(20)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(run100)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
