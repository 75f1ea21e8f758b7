#ifndef VORMIS_RUNNER_EXPERIMENT_H
#define VORMIS_RUNNER_EXPERIMENT_H

#include "generationcsv.h"
#include "generationtracker.h"
#include "tally.h"
#include "world.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Colony;
struct RunConfig;

struct RunResult
{
    int run = 0;
    std::uint32_t seed = 0;
    int best = 0;           // 0 when no ant ever reached the food
    int bestGeneration = 0; // the generation best was first reached
    std::vector<Cell> bestPath;
    // Over the late generations (lateGenerations): the path lengths and the
    // number of the ants that reached the food.
    long long lateLengthSum = 0;
    long long lateArrivals = 0;
    int restarts = 0; // the pheromone started afresh on stagnation (Colony::restarts)
    long long arrivals = 0; // over the whole run
};

// The last tenth of the generations, at least one: where the colony shows
// what it has converged to.
int lateGenerations(int generations);

// Sets the colony up afresh for the world with the seed, runs the
// generations, and calls onRow (if set) after each.
RunResult runExperiment(Colony &colony, const World &world, int run, std::uint32_t seed, int generations,
                        const std::function<void(const GenerationRow &)> &onRow = {});

// What the runs of one setting came to.
struct AcrossRuns
{
    int runs = 0;
    Tally best;              // over the runs that found a path
    Tally optimumGeneration; // over the runs that reached the optimum
    int minBest = 0;         // 0 when no run found a path
    int maxBest = 0;
    QString medianOptimumGeneration = QStringLiteral("-");
    long long lateLengthSum = 0; // pooled over the runs
    long long lateArrivals = 0;
    long long restarts = 0; // over the runs

    // The 95% confidence interval of the mean best length, with Student's t:
    // mean +- t(n - 1) * sd / sqrt(n).  "-" with fewer than two values.
    QString intervalLow() const;
    QString intervalHigh() const;
    QString gap(int optimum) const; // mean best minus the optimum; "-" without either
    QString lateMeanLength() const; // "-" when no ant arrived late
    QString meanRestarts() const;   // restarts a run
};

// optimum is shortestPathCells of the world (0: unreachable).
AcrossRuns summarise(const std::vector<RunResult> &results, int optimum);

// The summaries (summary.cpp).

// The text printed after the runs of one setting.
QString summaryText(const RunConfig &config, int optimum, const std::vector<RunResult> &results);
// The text printed after the runs of a sweep: one line per setting.
// results[i] are the runs of config.settings[i].
QString sweepSummaryText(const RunConfig &config, int optimum, const std::vector<std::vector<RunResult>> &results);
// --summary-csv: a header and one line per setting.
std::string summaryCsv(const RunConfig &config, int optimum, const std::vector<std::vector<RunResult>> &results);
// The command line that repeats one run of the sweep alone, quoted for a
// shell: the options that made the world, the setting's values, its seed and
// the generations.
QString repeatCommand(const RunConfig &config, long long run);

#endif
