#ifndef VORMIS_CLI_EXPERIMENT_H
#define VORMIS_CLI_EXPERIMENT_H

#include "generationtracker.h"
#include "world.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Colony;
struct RunConfig;

// One line of the CSV: a generation of one run.
struct GenerationRow
{
    int run = 0; // from 1
    std::uint32_t seed = 0;
    GenerationResult generation;
    int best = 0; // shortest path of the run so far; 0: none yet
};

struct RunResult
{
    int run = 0;
    std::uint32_t seed = 0;
    int best = 0;           // 0 when no ant ever reached the food
    int bestGeneration = 0; // the generation best was first reached
    std::vector<Cell> bestPath;
};

// Sets the colony up afresh for the world with the seed, runs the
// generations, and calls onRow (if set) after each.
RunResult runExperiment(Colony &colony, const World &world, int run, std::uint32_t seed, int generations,
                        const std::function<void(const GenerationRow &)> &onRow = {});

// The CSV: a header line, then one line per row.  Numbers are written
// digit by digit, so the text never depends on the locale or platform.
std::string csvHeader();
void appendCsvRow(std::string &out, const GenerationRow &row);

// Count, sum and sum of squares of whole numbers, kept exactly; mean and
// sample standard deviation (n - 1) with two decimals.  The option limits
// keep the sums far from overflowing.
struct Tally
{
    int count = 0;
    long long sum = 0;
    long long squares = 0;

    void add(long long value);
    QString mean() const;             // "-" without values
    QString standardDeviation() const; // "-" with fewer than two values
};

// A non-negative fraction with two decimals, rounded half up: "10.33".
QString hundredths(long long numerator, long long denominator);

struct AcrossRuns
{
    int runs = 0;
    Tally best;              // over the runs that found a path
    Tally optimumGeneration; // over the runs that reached the optimum
};

// optimum is shortestPathCells of the world (0: unreachable).
AcrossRuns summarise(const std::vector<RunResult> &results, int optimum);

// The text printed after the runs.
QString summaryText(const RunConfig &config, int optimum, const std::vector<RunResult> &results);

#endif
