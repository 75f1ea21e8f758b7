// The texts written after the runs: the summary on standard output, for one
// setting or for a sweep, and --summary-csv.

#include "experiment.h"

#include "measures.h"
#include "options.h"
#include "sweep.h"
#include "worldfile.h"

#include <algorithm>


namespace {

// Right-aligns text in a column of the given width.
QString column(const QString &text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '));
}

std::size_t indexOf(Parameter parameter)
{
    return static_cast<std::size_t>(parameter);
}

// The parameter's value in a plain run (a configuration made by hand may
// have no parameter lists: then the world's).
QString valueOf(const RunConfig &config, Parameter parameter)
{
    const QStringList &values = config.parameters[indexOf(parameter)];
    return values.isEmpty() ? worldParameters(config.world)[indexOf(parameter)].front() : values.front();
}

// The parameters only some rules take: q0 and after.
constexpr int kFirstOwnParameter = static_cast<int>(Parameter::Q0);

// "rule: Ant Colony System (acs), q0 0.9, xi 0.1": the rule's own parameters.
QString ruleLine(const RunConfig &config)
{
    const Rule rule = config.world.rule;
    QString text = QStringLiteral("rule: %1 (%2)").arg(QLatin1String(ruleTitle(rule)), QLatin1String(ruleName(rule)));
    for (int p = kFirstOwnParameter; p < kParameterCount; ++p) {
        const auto parameter = static_cast<Parameter>(p);
        if (ruleTakes(QLatin1String(ruleName(rule)), parameter))
            text += QStringLiteral(", %1 %2").arg(QLatin1String(parameterName(parameter)), valueOf(config, parameter));
    }
    return text + QLatin1Char('\n');
}

// Whether any rule of the runs starts its pheromone afresh: then the
// summaries count the restarts.
bool anyRuleRestarts(const RunConfig &config)
{
    const QStringList &rules = config.parameters[indexOf(Parameter::Rule)];
    if (rules.isEmpty())
        return ruleRestarts(config.world.rule);
    return std::any_of(rules.begin(), rules.end(), [](const QString &name) {
        Rule rule = Rule::Vormis;
        return ruleFromName(name.toStdString(), rule) && ruleRestarts(rule);
    });
}

QString lateRange(int generations)
{
    const int late = lateGenerations(generations);
    if (late == 1)
        return QStringLiteral("generation %1").arg(generations);
    return QStringLiteral("generations %1 to %2").arg(generations - late + 1).arg(generations);
}

QString optimumLine(int optimum)
{
    if (optimum > 0)
        return QStringLiteral("shortest possible path: %1 cells\n").arg(optimum);
    return QStringLiteral("shortest possible path: none, the food cannot be reached from home\n");
}

QString runTable(const std::vector<RunResult> &results, int optimum, bool restarts)
{
    QString text = QStringLiteral("\n run        seed  best  generation   gap%1\n")
                       .arg(restarts ? QStringLiteral("  restarts") : QString());
    for (const RunResult &result : results) {
        const bool found = result.best > 0;
        text += column(QString::number(result.run), 4);
        text += column(QString::number(result.seed), 12);
        text += column(found ? QString::number(result.best) : QStringLiteral("none"), 6);
        text += column(found ? QString::number(result.bestGeneration) : QStringLiteral("-"), 12);
        text += column(found && optimum > 0 ? QString::number(result.best - optimum) : QStringLiteral("-"), 6);
        if (restarts)
            text += column(QString::number(result.restarts), 10);
        text += QLatin1Char('\n');
    }
    text += QStringLiteral("(best: the run's shortest path in cells; generation: where it was first found; "
                           "gap: best minus the shortest possible%1)\n")
                .arg(restarts ? QStringLiteral("; restarts: how often the pheromone started afresh") : QString());
    return text;
}

QString acrossRunsText(const AcrossRuns &across, int optimum)
{
    QString text = QStringLiteral("\nover %1 runs (standard deviations are sample ones, n - 1):\n").arg(across.runs);
    text += QStringLiteral("  best length: mean %1, standard deviation %2 (%3 of %4 runs found a path)\n")
                .arg(across.best.mean(), across.best.standardDeviation())
                .arg(across.best.count)
                .arg(across.runs);
    text += QStringLiteral("  95% confidence interval of the mean (Student's t): %1 to %2\n")
                .arg(across.intervalLow(), across.intervalHigh());
    if (optimum > 0) {
        text += QStringLiteral("  runs that reached the shortest possible path: %1 of %2\n")
                    .arg(across.optimumGeneration.count)
                    .arg(across.runs);
        text += QStringLiteral("  generation it was first reached: mean %1, standard deviation %2, median %3\n")
                    .arg(across.optimumGeneration.mean(), across.optimumGeneration.standardDeviation(),
                         across.medianOptimumGeneration);
    }
    return text;
}

// A table of text, the first row its header, each column right-aligned.
QString textTable(const std::vector<QStringList> &rows)
{
    std::vector<qsizetype> widths;
    for (const QStringList &row : rows) {
        widths.resize(std::max(widths.size(), static_cast<std::size_t>(row.size())), 0);
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[static_cast<std::size_t>(i)] = std::max(widths[static_cast<std::size_t>(i)], row[i].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            text += QStringLiteral("  ") + column(row[i], static_cast<int>(widths[static_cast<std::size_t>(i)]));
        text += QLatin1Char('\n');
    }
    return text;
}

bool isSwept(const RunConfig &config, int parameter)
{
    return config.parameters[static_cast<std::size_t>(parameter)].size() > 1;
}

// " (q0 and xi for acs only, restart for mmas only)" for the rules' own
// parameters in the sweep.
QString ownParametersNote(const RunConfig &config)
{
    QStringList notes;
    for (int p = kFirstOwnParameter; p < kParameterCount; ++p) {
        const auto parameter = static_cast<Parameter>(p);
        if (!anyRuleTakes(config.parameters, parameter))
            continue;
        const QString name = QLatin1String(parameterName(parameter));
        const QString only = QStringLiteral(" for %1 only").arg(rulesTaking(parameter));
        if (!notes.isEmpty() && notes.back().endsWith(only))
            notes.back().insert(notes.back().size() - only.size(), QStringLiteral(" and ") + name);
        else
            notes << name + only;
    }
    return notes.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(notes.join(QStringLiteral(", ")));
}

// "0.05, 0.1, 0.15, ..., 1 (20 values)" for long lists.
QString valueList(const QStringList &values)
{
    if (values.size() <= 8)
        return values.join(QStringLiteral(", "));
    return QStringLiteral("%1, %2, %3, ..., %4 (%5 values)")
        .arg(values[0], values[1], values[2], values.back())
        .arg(values.size());
}

// What the sweep varies and what it keeps, and how its runs are numbered.
QString sweepHeader(const RunConfig &config)
{
    const World &world = config.world;
    QString text = QStringLiteral("world: %1x%1, home %2, food %3, %4 obstacles\n")
                       .arg(world.size)
                       .arg(cellText(world.home), cellText(world.food))
                       .arg(world.obstacles.size());
    QStringList fixed, swept;
    for (int p = 0; p < kParameterCount; ++p) {
        if (!anyRuleTakes(config.parameters, static_cast<Parameter>(p)))
            continue;
        const QString name = QString::fromLatin1(parameterName(static_cast<Parameter>(p)));
        const QStringList &values = config.parameters[static_cast<std::size_t>(p)];
        (isSwept(config, p) ? swept : fixed) << name + QLatin1Char(' ') + valueList(values);
    }
    if (!fixed.isEmpty())
        text += QStringLiteral("fixed: %1\n").arg(fixed.join(QStringLiteral(", ")));
    text += QStringLiteral("swept: %1\n").arg(swept.join(QStringLiteral("; ")));
    const QString seeds = config.repeat > 1 ? QStringLiteral("%1 runs of %2 generations each, seeds %3 to %4")
                                                  .arg(config.repeat)
                                                  .arg(config.generations)
                                                  .arg(config.seed)
                                                  .arg(config.seed + static_cast<std::uint32_t>(config.repeat - 1))
                                            : QStringLiteral("1 run of %1 generations, seed %2")
                                                  .arg(config.generations)
                                                  .arg(config.seed);
    text += QStringLiteral("%1 settings, the later parameter varying faster%2; %3: %4 runs in all\n")
                .arg(config.settings.size())
                .arg(ownParametersNote(config), seeds)
                .arg(config.runCount());
    if (config.sharded)
        text += QStringLiteral("shard %1 of %2: runs %1, %3, ... only\n")
                    .arg(config.shard)
                    .arg(config.shards)
                    .arg(config.shard + config.shards);
    return text;
}

// The statistics of a setting's runs, as the table and the CSV show them.
QStringList statisticCells(const AcrossRuns &across, int optimum)
{
    const auto positive = [](int value) { return value > 0 ? QString::number(value) : QStringLiteral("-"); };
    return {QString::number(across.runs),
            QString::number(across.best.count),
            across.best.mean(),
            across.best.standardDeviation(),
            positive(across.minBest),
            positive(across.maxBest),
            across.intervalLow(),
            across.intervalHigh(),
            across.gap(optimum),
            optimum > 0 ? QString::number(across.optimumGeneration.count) : QStringLiteral("-"),
            across.optimumGeneration.mean(),
            across.medianOptimumGeneration,
            across.lateMeanLength()};
}

// The 95% bootstrap interval of the mean best length, as the CSV gives it:
// empty with fewer than two runs that found a path, as Student's is.
QStringList bootstrapCells(const std::vector<RunResult> &results)
{
    const std::vector<RunShare> bests = measureShares(results, ChartMeasure::Best, 0, 0);
    const std::optional<Interval> interval = bootstrapInterval95(bests);
    if (bests.size() < 2 || !interval)
        return {QString(), QString()};
    return {twoDecimals(interval->low), twoDecimals(interval->high)};
}

// The mean restarts a run of the setting, "-" for a rule that never restarts.
QString restartCell(const Setting &setting, const AcrossRuns &across)
{
    Rule rule = Rule::Vormis;
    ruleFromName(setting[indexOf(Parameter::Rule)].toStdString(), rule);
    return ruleRestarts(rule) ? across.meanRestarts() : QStringLiteral("-");
}

QStringList settingRow(const RunConfig &config, std::size_t index, const AcrossRuns &across, int optimum)
{
    QStringList row{QString::number(index + 1)};
    for (int p = 0; p < kParameterCount; ++p)
        if (isSwept(config, p)) {
            const QString &value = config.settings[index][static_cast<std::size_t>(p)];
            row << (value.isEmpty() ? QStringLiteral("-") : value);
        }
    row += statisticCells(across, optimum);
    if (anyRuleRestarts(config))
        row << restartCell(config.settings[index], across);
    return row;
}

QString settingTable(const RunConfig &config, int optimum, const std::vector<std::vector<RunResult>> &results)
{
    std::vector<QStringList> rows;
    QStringList header{QStringLiteral("setting")};
    for (int p = 0; p < kParameterCount; ++p)
        if (isSwept(config, p))
            header << QString::fromLatin1(parameterName(static_cast<Parameter>(p)));
    header << QStringLiteral("runs") << QStringLiteral("paths") << QStringLiteral("mean") << QStringLiteral("sd")
           << QStringLiteral("min") << QStringLiteral("max") << QStringLiteral("ci95-low")
           << QStringLiteral("ci95-high")
           << QStringLiteral("gap") << QStringLiteral("optimal") << QStringLiteral("gen-mean")
           << QStringLiteral("gen-median") << QStringLiteral("late-mean");
    if (anyRuleRestarts(config))
        header << QStringLiteral("restarts");
    rows.push_back(header);
    for (std::size_t i = 0; i < config.settings.size(); ++i)
        rows.push_back(settingRow(config, i, summarise(results[i], optimum), optimum));
    return textTable(rows);
}

} // namespace

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
                .arg(valueOf(config, Parameter::Ro));
    text += ruleLine(config);
    text += QStringLiteral("%1 %2 of %3 generations, %4 %5\n")
                .arg(config.repeat)
                .arg(config.repeat > 1 ? QStringLiteral("runs") : QStringLiteral("run"))
                .arg(config.generations)
                .arg(config.repeat > 1 ? QStringLiteral("seeds from") : QStringLiteral("seed"))
                .arg(config.seed);
    if (config.sharded)
        text += QStringLiteral("shard %1 of %2: runs %1, %3, ... only\n")
                    .arg(config.shard)
                    .arg(config.shards)
                    .arg(config.shard + config.shards);
    if (!config.seedGiven)
        text += QStringLiteral("seed taken from the clock: repeat this with --seed %1\n").arg(config.seed);
    text += optimumLine(optimum);
    const bool restarts = anyRuleRestarts(config);
    text += runTable(results, optimum, restarts);
    const AcrossRuns across = summarise(results, optimum);
    if (results.size() > 1)
        text += acrossRunsText(across, optimum);
    if (results.size() > 1 && restarts)
        text += QStringLiteral("  restarts of the pheromone: %1 a run\n").arg(across.meanRestarts());
    text += QStringLiteral("\nlate mean length: %1 (the paths of the ants that reached the food in %2%3)\n")
                .arg(across.lateMeanLength(), lateRange(config.generations),
                     results.size() > 1 ? QStringLiteral(", all runs") : QString());
    return text;
}

QString sweepSummaryText(const RunConfig &config, int optimum, const std::vector<std::vector<RunResult>> &results)
{
    QString text = sweepHeader(config);
    text += optimumLine(optimum);
    text += QLatin1Char('\n') + settingTable(config, optimum, results);
    text += QStringLiteral(
                "(runs: of the setting; paths: runs that found one; mean, sd (sample, n - 1), min, max: their best "
                "lengths in cells; ci95: the 95% confidence interval of the mean, Student's t; gap: mean minus "
                "the shortest possible; optimal: runs that reached it; gen-mean, gen-median: the generation they "
                "first did; late-mean: the mean path of the ants that reached the food in %1%2)\n")
                .arg(lateRange(config.generations),
                     anyRuleRestarts(config) ? QStringLiteral("; restarts: how often a run's pheromone started afresh, "
                                                              "on average")
                                             : QString());
    const long long last = config.runCount();
    text += QStringLiteral("\nrun N is setting (N - 1) / %1 + 1, whole-number division, with seed %2 + (N - 1) mod %1;"
                           " for example\nrepeat run %3 alone: %4\n")
                .arg(config.repeat)
                .arg(config.seed)
                .arg(last)
                .arg(repeatCommand(config, last));
    return text;
}

std::string summaryCsv(const RunConfig &config, int optimum, const std::vector<std::vector<RunResult>> &results)
{
    std::string csv;
    for (int p = 0; p < kParameterCount; ++p)
        csv += parameterName(static_cast<Parameter>(p)) + std::string(",");
    csv += "runs,runs_with_path,mean_best,sd_best,min_best,max_best,ci95_low,ci95_high,optimum,gap,runs_at_optimum,"
           "mean_generation_at_optimum,median_generation_at_optimum,late_mean_length,mean_restarts,boot_low,boot_high\n";
    for (std::size_t i = 0; i < config.settings.size(); ++i) {
        const AcrossRuns across = summarise(results[i], optimum);
        QStringList row = statisticCells(across, optimum);
        row.insert(8, optimum > 0 ? QString::number(optimum) : QString()); // before the gap
        row << restartCell(config.settings[i], across);
        for (QString &cell : row)
            if (cell == QLatin1String("-"))
                cell.clear();
        row << bootstrapCells(results[i]);
        csv += settingColumns(config.settings[i]).substr(1) + ',' + row.join(QLatin1Char(',')).toStdString() + '\n';
    }
    return csv;
}

QString repeatCommand(const RunConfig &config, long long run)
{
    const auto repeat = static_cast<long long>(config.repeat);
    const Setting &setting = config.settings[static_cast<std::size_t>((run - 1) / repeat)];
    QStringList arguments;
    for (int p = 0; p < kParameterCount; ++p) {
        const QString &value = setting[static_cast<std::size_t>(p)];
        if (config.parameterGiven[static_cast<std::size_t>(p)] && !value.isEmpty())
            arguments << QStringLiteral("--") + QLatin1String(parameterName(static_cast<Parameter>(p))) << value;
    }
    const std::uint32_t seed = config.seed + static_cast<std::uint32_t>((run - 1) % repeat);
    arguments << QStringLiteral("--seed") << QString::number(seed) << QStringLiteral("--generations")
              << QString::number(config.generations);
    QStringList command{QStringLiteral("vormis-run")};
    if (!config.worldOptions.isEmpty())
        command << config.worldOptions;
    command << shellQuoted(arguments);
    return command.join(QLatin1Char(' '));
}
