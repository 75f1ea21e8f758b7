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
    return {run,          seed,          tracker.best(), tracker.bestGeneration(), tracker.bestPath(),
            lateLengthSum, lateArrivals, colony.restarts()};
}

std::string csvHeader()
{
    std::string header = measurementColumns();
    for (int p = 0; p < kParameterCount; ++p)
        header += std::string(",") + parameterName(static_cast<Parameter>(p));
    return header + '\n';
}

QString hundredths(long long numerator, long long denominator)
{
    std::string text;
    appendHundredths(text, numerator, denominator);
    return QString::fromStdString(text);
}

QString twoDecimals(double value)
{
    const QString text = QString::number(value, 'f', 2);
    return text == QLatin1String("-0.00") ? QStringLiteral("0.00") : text;
}

double studentT975(int df)
{
    // Below 11 degrees of freedom from a table; above, Hill's expansion
    // around the normal quantile, within 0.00005 from 7 on.
    static const double table[] = {12.706205, 4.302653, 3.182446, 2.776445, 2.570582,
                                   2.446912,  2.364624, 2.306004, 2.262157, 2.228139};
    if (df < 1)
        return 0.0;
    if (df <= 10)
        return table[df - 1];
    const double z = 1.959963984540054;
    const double n = df;
    const double z3 = z * z * z, z5 = z3 * z * z, z7 = z5 * z * z, z9 = z7 * z * z;
    return z + (z3 + z) / (4 * n) + (5 * z5 + 16 * z3 + 3 * z) / (96 * n * n)
         + (3 * z7 + 19 * z5 + 17 * z3 - 15 * z) / (384 * n * n * n)
         + (79 * z9 + 776 * z7 + 1482 * z5 - 1920 * z3 - 945 * z) / (92160 * n * n * n * n);
}

void Tally::add(long long value)
{
    ++count;
    sum += value;
    squares += value * value;
}

QString Tally::mean() const
{
    return count > 0 ? hundredths(sum, count) : QStringLiteral("-");
}

double Tally::deviation() const
{
    if (count < 2)
        return 0.0;
    // n * sum(x^2) - (sum x)^2 is exact; the one rounding is the square root.
    const long long n = count;
    const long long spread = n * squares - sum * sum;
    return std::sqrt(static_cast<double>(spread) / static_cast<double>(n * (n - 1)));
}

QString Tally::standardDeviation() const
{
    if (count < 2)
        return QStringLiteral("-");
    return hundredths(std::llround(deviation() * 100.0), 100);
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
