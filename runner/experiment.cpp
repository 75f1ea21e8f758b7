#include "experiment.h"

#include "colony.h"
#include "options.h"

#include <algorithm>
#include <cmath>

int lateGenerations(int generations)
{
    return std::max(1, generations / 10);
}

RunResult runExperiment(Colony &colony, const World &world, int run, std::uint32_t seed, int generations,
                        const std::function<void(const GenerationRow &)> &onRow)
{
    world.applyTo(colony);
    colony.seedRandom(seed);
    GenerationTracker tracker;
    GenerationRow row;
    row.run = run;
    row.seed = seed;
    const int lateFrom = generations - lateGenerations(generations) + 1;
    long long lateLengthSum = 0;
    long long lateArrivals = 0;
    for (int g = 0; g < generations; ++g) {
        colony.runGeneration();
        row.generation = tracker.observe(colony);
        row.best = tracker.best();
        if (row.generation.generation >= lateFrom) {
            lateLengthSum += row.generation.lengthSum;
            lateArrivals += row.generation.antsAtFood;
        }
        if (onRow)
            onRow(row);
    }
    return {run, seed, tracker.best(), tracker.bestGeneration(), tracker.bestPath(), lateLengthSum,
            lateArrivals, colony.restarts(), row.generation.arrivals};
}

QString AcrossRuns::intervalLow() const
{
    if (best.count < 2)
        return QStringLiteral("-");
    const double half = studentT975(best.count - 1) * best.deviation() / std::sqrt(static_cast<double>(best.count));
    return twoDecimals(static_cast<double>(best.sum) / best.count - half);
}

QString AcrossRuns::intervalHigh() const
{
    if (best.count < 2)
        return QStringLiteral("-");
    const double half = studentT975(best.count - 1) * best.deviation() / std::sqrt(static_cast<double>(best.count));
    return twoDecimals(static_cast<double>(best.sum) / best.count + half);
}

QString AcrossRuns::gap(int optimum) const
{
    if (optimum <= 0 || best.count == 0)
        return QStringLiteral("-");
    return hundredths(best.sum - static_cast<long long>(optimum) * best.count, best.count);
}

QString AcrossRuns::lateMeanLength() const
{
    return lateArrivals > 0 ? hundredths(lateLengthSum, lateArrivals) : QStringLiteral("-");
}

QString AcrossRuns::meanRestarts() const
{
    return hundredths(restarts, runs);
}

namespace {

QString median(std::vector<int> values)
{
    if (values.empty())
        return QStringLiteral("-");
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    if (values.size() % 2 == 1)
        return hundredths(values[half], 1);
    return hundredths(static_cast<long long>(values[half - 1]) + values[half], 2);
}

} // namespace

AcrossRuns summarise(const std::vector<RunResult> &results, int optimum)
{
    AcrossRuns across;
    across.runs = static_cast<int>(results.size());
    std::vector<int> optimumGenerations;
    for (const RunResult &result : results) {
        across.lateLengthSum += result.lateLengthSum;
        across.lateArrivals += result.lateArrivals;
        across.restarts += result.restarts;
        if (result.best <= 0)
            continue;
        across.best.add(result.best);
        across.minBest = across.minBest == 0 ? result.best : std::min(across.minBest, result.best);
        across.maxBest = std::max(across.maxBest, result.best);
        if (optimum > 0 && result.best == optimum) {
            across.optimumGeneration.add(result.bestGeneration);
            optimumGenerations.push_back(result.bestGeneration);
        }
    }
    across.medianOptimumGeneration = median(optimumGenerations);
    return across;
}
