#include "experiment.h"

#include "colony.h"
#include "options.h"

#include <QLocale>

#include <cmath>

namespace {

void appendNumber(std::string &out, long long value)
{
    if (value < 0) {
        out += '-';
        value = -value;
    }
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0)
        out += digits[--count];
}

QString cellText(Cell cell)
{
    return QStringLiteral("%1,%2").arg(cell.x).arg(cell.y);
}

// Right-aligns text in a column of the given width.
QString column(const QString &text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '));
}

} // namespace

RunResult runExperiment(Colony &colony, const World &world, int run, std::uint32_t seed, int generations,
                        const std::function<void(const GenerationRow &)> &onRow)
{
    world.applyTo(colony);
    colony.seedRandom(seed);
    GenerationTracker tracker;
    GenerationRow row;
    row.run = run;
    row.seed = seed;
    for (int g = 0; g < generations; ++g) {
        colony.runGeneration();
        row.generation = tracker.observe(colony);
        row.best = tracker.best();
        if (onRow)
            onRow(row);
    }
    return {run, seed, tracker.best(), tracker.bestGeneration(), tracker.bestPath()};
}

std::string csvHeader()
{
    return "run,seed,generation,arrivals,ants_at_food,shortest,best,mean_length\n";
}

void appendCsvRow(std::string &out, const GenerationRow &row)
{
    appendNumber(out, row.run);
    out += ',';
    appendNumber(out, row.seed);
    out += ',';
    const GenerationResult &g = row.generation;
    appendNumber(out, g.generation);
    out += ',';
    appendNumber(out, g.arrivals);
    out += ',';
    appendNumber(out, g.antsAtFood);
    out += ',';
    if (g.shortest > 0)
        appendNumber(out, g.shortest);
    out += ',';
    if (row.best > 0)
        appendNumber(out, row.best);
    out += ',';
    if (g.antsAtFood > 0)
        out += hundredths(g.lengthSum, g.antsAtFood).toStdString();
    out += '\n';
}

QString hundredths(long long numerator, long long denominator)
{
    if (denominator <= 0 || numerator < 0)
        return QStringLiteral("-");
    // round(100 * n / d) with halves going up, in whole numbers throughout.
    const long long scaled = (200 * numerator + denominator) / (2 * denominator);
    std::string text;
    appendNumber(text, scaled / 100);
    text += '.';
    text += static_cast<char>('0' + scaled % 100 / 10);
    text += static_cast<char>('0' + scaled % 10);
    return QString::fromStdString(text);
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

QString Tally::standardDeviation() const
{
    if (count < 2)
        return QStringLiteral("-");
    // n * sum(x^2) - (sum x)^2 is exact; the one rounding is the square root.
    const long long n = count;
    const long long spread = n * squares - sum * sum;
    const double deviation = std::sqrt(static_cast<double>(spread) / static_cast<double>(n * (n - 1)));
    return hundredths(std::llround(deviation * 100.0), 100);
}

AcrossRuns summarise(const std::vector<RunResult> &results, int optimum)
{
    AcrossRuns across;
    across.runs = static_cast<int>(results.size());
    for (const RunResult &result : results) {
        if (result.best <= 0)
            continue;
        across.best.add(result.best);
        if (optimum > 0 && result.best == optimum)
            across.optimumGeneration.add(result.bestGeneration);
    }
    return across;
}

QString summaryText(const RunConfig &config, int optimum, const std::vector<RunResult> &results)
{
    const World &world = config.world;
    QString text;
    text += QStringLiteral("world: %1x%1, %2 ants, home %3, food %4, %5 obstacles, alpha %6, beta %7, ro %8\n")
                .arg(world.size)
                .arg(world.ants)
                .arg(cellText(world.home), cellText(world.food))
                .arg(world.obstacles.size())
                .arg(world.alpha)
                .arg(world.beta)
                .arg(QString::number(world.ro, 'g', QLocale::FloatingPointShortest));
    text += QStringLiteral("%1 %2 of %3 generations, %4 %5\n")
                .arg(config.repeat)
                .arg(config.repeat > 1 ? QStringLiteral("runs") : QStringLiteral("run"))
                .arg(config.generations)
                .arg(config.repeat > 1 ? QStringLiteral("seeds from") : QStringLiteral("seed"))
                .arg(config.seed);
    if (!config.seedGiven)
        text += QStringLiteral("seed taken from the clock: repeat this with --seed %1\n").arg(config.seed);
    if (optimum > 0)
        text += QStringLiteral("shortest possible path: %1 cells\n").arg(optimum);
    else
        text += QStringLiteral("shortest possible path: none, the food cannot be reached from home\n");

    text += QStringLiteral("\n run        seed  best  generation   gap\n");
    for (const RunResult &result : results) {
        const bool found = result.best > 0;
        text += column(QString::number(result.run), 4);
        text += column(QString::number(result.seed), 12);
        text += column(found ? QString::number(result.best) : QStringLiteral("none"), 6);
        text += column(found ? QString::number(result.bestGeneration) : QStringLiteral("-"), 12);
        text += column(found && optimum > 0 ? QString::number(result.best - optimum) : QStringLiteral("-"), 6);
        text += QLatin1Char('\n');
    }
    text += QStringLiteral("(best: the run's shortest path in cells; generation: where it was first found; "
                           "gap: best minus the shortest possible)\n");

    if (results.size() > 1) {
        const AcrossRuns across = summarise(results, optimum);
        text += QStringLiteral("\nover %1 runs (standard deviations are sample ones, n - 1):\n").arg(across.runs);
        text += QStringLiteral("  best length: mean %1, standard deviation %2 (%3 of %4 runs found a path)\n")
                    .arg(across.best.mean(), across.best.standardDeviation())
                    .arg(across.best.count)
                    .arg(across.runs);
        if (optimum > 0) {
            text += QStringLiteral("  runs that reached the shortest possible path: %1 of %2\n")
                        .arg(across.optimumGeneration.count)
                        .arg(across.runs);
            text += QStringLiteral("  generation it was first reached: mean %1, standard deviation %2\n")
                        .arg(across.optimumGeneration.mean(), across.optimumGeneration.standardDeviation());
        }
    }
    return text;
}
