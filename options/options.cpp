#include "options.h"

#include "numbers.h"
#include "worldfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <thread>

namespace {

// What the options read so far, and where the world came from.
struct Parsing
{
    const QCommandLineParser &parser;
    Program program;
    const WindowProfile *window; // the window's limits; null for vormis-run
    RunConfig config;
    QString source;    // "the example world", "the world file", or empty
    QString worldFile; // --world's file
};

// When an option is applied: the world's source first, then the options that
// change its parameters, then the obstacles, then the run and its outputs.
// A rule's own parameters follow the rule.  --merge takes no stage: it
// allows only the outputs and --jobs.
enum class Stage { Source, World, RuleParameters, Obstacles, Run, Outputs, Dump, Merge };

using Apply = bool (*)(Parsing &, const QString &value, QString &error);

struct OptionSpec
{
    const char *name;
    const char *valueName; // nullptr: a switch without a value
    QString help;
    Stage stage;
    Apply apply;
    bool window = false; // the window takes it too
};

bool reject(QString &error, const QString &option, const QString &value, const QString &expected)
{
    error = QStringLiteral("--%1 %2: %3").arg(option, value, expected);
    return false;
}

QString limitText(double value)
{
    return QString::number(value, 'g', 4);
}

// In the window, a value beyond what its dialog takes is refused with the
// window's limit; what is no number at all is left to the option's own
// reading, which says so as vormis-run does.
bool withinWindow(const Parsing &p, const QString &option, const QString &value, QString &error)
{
    if (!p.window)
        return true;
    for (const WindowLimit &limit : p.window->limits) {
        if (option != limit.option)
            continue;
        if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char(':')))
            return reject(error, option, value, QStringLiteral("the window runs one value at a time; vormis-run sweeps"));
        bool number = false;
        const double v = value.toDouble(&number);
        if (number && (v < limit.low || v > limit.high)) {
            const QString window = limit.limit.arg(limitText(limit.low), limitText(limit.high));
            return reject(error, option, value, window + QStringLiteral("; ") + limit.runner);
        }
    }
    return true;
}

template <typename Number>
bool readWholeNumber(const QString &option, const QString &text, long long low, long long high, Number &out,
                     QString &error, const QString &note = QString())
{
    const std::optional<long long> value = wholeNumber(text);
    if (!value || *value < low || *value > high) {
        QString expected = QStringLiteral("expected a whole number from %1 to %2").arg(low).arg(high);
        if (!note.isEmpty())
            expected += QStringLiteral(" (%1)").arg(note);
        return reject(error, option, text, expected);
    }
    out = static_cast<Number>(*value);
    return true;
}

bool readCell(const QString &option, const QString &text, int size, Cell &out, QString &error)
{
    const QString expected = QStringLiteral("expected X,Y with X and Y whole numbers from 0 to %1").arg(size - 1);
    long long x = 0, y = 0;
    if (!wholeNumberPair(text, QLatin1Char(','), x, y))
        return reject(error, option, text, expected);
    if (x < 0 || y < 0 || x >= size || y >= size)
        return reject(error, option, text, QStringLiteral("outside the %1x%1 grid (%2)").arg(size).arg(expected));
    out = {static_cast<int>(x), static_cast<int>(y)};
    return true;
}

// ---- the options, one function each ----------------------------------------

bool applyExample(Parsing &p, const QString &, QString &)
{
    p.config.world = World::example();
    p.source = QStringLiteral("the example world");
    return true;
}

bool applyWorldFile(Parsing &p, const QString &path, QString &error)
{
    if (!p.source.isEmpty()) {
        error = QStringLiteral("--example and --world: choose one world");
        return false;
    }
    WorldFileError fault;
    if (!readWorldFile(path, p.config.world, fault)) {
        if (fault.unreadable)
            return reject(error, QStringLiteral("world"), path, fault.message);
        error = fault.text(path);
        return false;
    }
    p.source = QStringLiteral("the world file");
    p.worldFile = path;
    p.config.worldFile = path;
    if (p.window && p.config.world.size > p.window->largestWorld)
        return reject(error, QStringLiteral("world"), path,
                      QStringLiteral("a %1x%1 world; %2").arg(p.config.world.size).arg(p.window->largerWorld));
    return true;
}

bool applySize(Parsing &p, const QString &value, QString &error)
{
    World &world = p.config.world;
    int n = 0;
    if (!withinWindow(p, QStringLiteral("size"), value, error)
        || !readWholeNumber(QStringLiteral("size"), value, 3, 100, n, error))
        return false;
    if (p.source.isEmpty())
        world = World::startUp(n);
    else if (n != world.size)
        return reject(error, QStringLiteral("size"), value, QStringLiteral("%1 is %2x%2").arg(p.source).arg(world.size));
    return true;
}

// A parameter's value, list or range: the world takes the first value (a
// plain run's only one), the sweep all of them.
bool readParameter(Parsing &p, Parameter parameter, const ValueKind &kind, const QString &value, QString &error)
{
    const auto index = static_cast<std::size_t>(parameter);
    const QString option = QString::fromLatin1(parameterName(parameter));
    QStringList values;
    QString why;
    if (!withinWindow(p, option, value, error))
        return false;
    const bool ok = parameter == Parameter::Rule ? readRules(value, values, why) : readValues(value, kind, values, why);
    if (!ok)
        return reject(error, option, value, why);
    if (p.program == Program::Window && values.size() > 1)
        return reject(error, option, value, QStringLiteral("the window runs one value at a time; vormis-run sweeps"));
    p.config.parameters[index] = values;
    p.config.parameterGiven[index] = true;
    setParameter(p.config.world, parameter, values.front());
    return true;
}

bool applyAnts(Parsing &p, const QString &value, QString &error)
{
    return readParameter(p, Parameter::Ants, {true, 1, 1000}, value, error);
}

bool applyHome(Parsing &p, const QString &value, QString &error)
{
    return readCell(QStringLiteral("home"), value, p.config.world.size, p.config.world.home, error);
}

bool applyFood(Parsing &p, const QString &value, QString &error)
{
    return readCell(QStringLiteral("food"), value, p.config.world.size, p.config.world.food, error);
}

bool applyAlpha(Parsing &p, const QString &value, QString &error)
{
    return readParameter(p, Parameter::Alpha, {true, 0, 100}, value, error);
}

bool applyBeta(Parsing &p, const QString &value, QString &error)
{
    return readParameter(p, Parameter::Beta, {true, 0, 100}, value, error);
}

bool applyRo(Parsing &p, const QString &value, QString &error)
{
    return readParameter(p, Parameter::Ro, {false, 0, 1}, value, error);
}

bool applyRule(Parsing &p, const QString &value, QString &error)
{
    return readParameter(p, Parameter::Rule, {}, value, error);
}

// A rule's own parameter means something only with that rule.
bool readRuleParameter(Parsing &p, Parameter parameter, const ValueKind &kind, const QString &value,
                       QString &error)
{
    if (!anyRuleTakes(p.config.parameters, parameter))
        return reject(error, QString::fromLatin1(parameterName(parameter)), value,
                      QStringLiteral("only used with --rule %1").arg(rulesTaking(parameter)));
    return readParameter(p, parameter, kind, value, error);
}

bool applyQ0(Parsing &p, const QString &value, QString &error)
{
    return readRuleParameter(p, Parameter::Q0, {false, 0, 1}, value, error);
}

bool applyXi(Parsing &p, const QString &value, QString &error)
{
    return readRuleParameter(p, Parameter::Xi, {false, 0, 1}, value, error);
}

bool applyElite(Parsing &p, const QString &value, QString &error)
{
    return readRuleParameter(p, Parameter::Elite, {true, kMinElite, kMaxElite}, value, error);
}

bool applyRank(Parsing &p, const QString &value, QString &error)
{
    return readRuleParameter(p, Parameter::Rank, {true, kMinRank, kMaxRank}, value, error);
}

bool applyRestart(Parsing &p, const QString &value, QString &error)
{
    return readRuleParameter(p, Parameter::Restart, {true, kMinRestart, kMaxRestart}, value, error);
}

bool applyObstacle(Parsing &p, const QString &value, QString &error)
{
    World &world = p.config.world;
    Cell cell;
    if (!readCell(QStringLiteral("obstacle"), value, world.size, cell, error))
        return false;
    if (cell == world.home)
        return reject(error, QStringLiteral("obstacle"), value, QStringLiteral("on the home cell"));
    if (cell == world.food)
        return reject(error, QStringLiteral("obstacle"), value, QStringLiteral("on the food cell"));
    world.setObstacle(cell);
    return true;
}

bool applyGenerations(Parsing &p, const QString &value, QString &error)
{
    return readWholeNumber(QStringLiteral("generations"), value, 1, kMaxGenerations, p.config.generations, error);
}

bool applySeed(Parsing &p, const QString &value, QString &error)
{
    p.config.seedGiven = true;
    return readWholeNumber(QStringLiteral("seed"), value, 0, 4294967295LL, p.config.seed, error);
}

bool applyRepeat(Parsing &p, const QString &value, QString &error)
{
    return readWholeNumber(QStringLiteral("repeat"), value, 1, kMaxRepeat, p.config.repeat, error);
}

bool applyJobs(Parsing &p, const QString &value, QString &error)
{
    return readWholeNumber(QStringLiteral("jobs"), value, 1, kMaxJobs, p.config.jobs, error);
}

bool applyShard(Parsing &p, const QString &value, QString &error)
{
    long long shard = 0, shards = 0;
    if (!wholeNumberPair(value, QLatin1Char('/'), shard, shards) || shards < 1 || shards > kMaxRuns || shard < 1
        || shard > shards)
        return reject(error, QStringLiteral("shard"), value,
                      QStringLiteral("expected K/N with 1 <= K <= N <= %1").arg(kMaxRuns));
    if (!p.config.seedGiven)
        return reject(error, QStringLiteral("shard"), value,
                      QStringLiteral("needs --seed, so that every shard runs the same seeds"));
    p.config.shard = static_cast<int>(shard);
    p.config.shards = static_cast<int>(shards);
    p.config.sharded = true;
    return true;
}

bool readOutputPath(const QString &option, const QString &value, QString &path, QString &error)
{
    if (value.isEmpty())
        return reject(error, option, QStringLiteral("''"), QStringLiteral("expected a file name"));
    path = value;
    return true;
}

bool applyCsv(Parsing &p, const QString &value, QString &error)
{
    return readOutputPath(QStringLiteral("csv"), value, p.config.csvPath, error);
}

bool applyPng(Parsing &p, const QString &value, QString &error)
{
    return readOutputPath(QStringLiteral("png"), value, p.config.pngPath, error);
}

bool applyChart(Parsing &p, const QString &value, QString &error)
{
    return readOutputPath(QStringLiteral("chart"), value, p.config.chartPath, error);
}

bool applyChartAxis(Parsing &p, const QString &value, QString &error)
{
    if (p.config.chartPath.isEmpty())
        return reject(error, QStringLiteral("chart-x"), value, QStringLiteral("only used with --chart"));
    QStringList names;
    for (int k = 0; k < kParameterCount; ++k)
        names << QString::fromLatin1(parameterName(static_cast<Parameter>(k)));
    if (!names.contains(value)) {
        const QString last = names.takeLast();
        return reject(error, QStringLiteral("chart-x"), value,
                      QStringLiteral("expected %1 or %2").arg(names.join(QStringLiteral(", ")), last));
    }
    p.config.chartAxis = value;
    return true;
}

bool applyChartMeasure(Parsing &p, const QString &value, QString &error)
{
    if (p.config.chartPath.isEmpty())
        return reject(error, QStringLiteral("chart-y"), value, QStringLiteral("only used with --chart"));
    for (const ChartMeasure measure :
         {ChartMeasure::Best, ChartMeasure::Late, ChartMeasure::First, ChartMeasure::Arrived}) {
        if (value == QLatin1String(chartMeasureName(measure))) {
            p.config.chartMeasure = measure;
            p.config.chartMeasureGiven = true;
            return true;
        }
    }
    return reject(error, QStringLiteral("chart-y"), value, QStringLiteral("expected best, late, first or arrived"));
}

bool applySummaryCsv(Parsing &p, const QString &value, QString &error)
{
    return readOutputPath(QStringLiteral("summary-csv"), value, p.config.summaryCsvPath, error);
}

bool applyGif(Parsing &p, const QString &value, QString &error)
{
    return readOutputPath(QStringLiteral("gif"), value, p.config.gifPath, error);
}

bool applyGifEvery(Parsing &p, const QString &value, QString &error)
{
    RunConfig &config = p.config;
    if (config.gifPath.isEmpty())
        return reject(error, QStringLiteral("gif-every"), value, QStringLiteral("only used with --gif"));
    if (!readWholeNumber(QStringLiteral("gif-every"), value, 1, kMaxGenerations, config.gifEvery, error))
        return false;
    const int frames = gifFrameCount(config.generations, config.gifEvery);
    if (frames > kMaxGifFrames)
        return reject(error, QStringLiteral("gif-every"), value,
                      QStringLiteral("%1 frames; at most %2 (a frame every %3 generations or more)")
                          .arg(frames)
                          .arg(kMaxGifFrames)
                          .arg((config.generations + kMaxGifFrames - 1) / kMaxGifFrames));
    return true;
}

bool applyDump(Parsing &p, const QString &kind, QString &error)
{
    if (kind == QLatin1String("tables"))
        p.config.dump = Dump::Tables;
    else if (kind == QLatin1String("map"))
        p.config.dump = Dump::Map;
    else if (kind == QLatin1String("path"))
        p.config.dump = Dump::Path;
    else
        return reject(error, QStringLiteral("dump"), kind, QStringLiteral("expected tables, map or path"));
    if (p.config.csvToStandardOutput())
        return reject(error, QStringLiteral("dump"), kind, QStringLiteral("cannot share standard output with --csv -"));
    return true;
}

bool applyDumpAnt(Parsing &p, const QString &value, QString &error)
{
    const RunConfig &config = p.config;
    if (config.dump != Dump::Map && config.dump != Dump::Path)
        return reject(error, QStringLiteral("ant"), value, QStringLiteral("only used with --dump map or path"));
    int ants = 1000;
    for (const QString &value : config.parameters[static_cast<std::size_t>(Parameter::Ants)])
        ants = std::min(ants, value.toInt());
    const QString note = config.parameters[static_cast<std::size_t>(Parameter::Ants)].size() > 1
                             ? QStringLiteral("the smallest colony has %1 ants")
                             : QStringLiteral("the colony has %1 ants");
    return readWholeNumber(QStringLiteral("ant"), value, 0, ants - 1, p.config.dumpAnt, error, note.arg(ants));
}

// The options of the world and its rule, in the order --help lists them.
std::vector<OptionSpec> worldOptionSpecs()
{
    return {
        {"size", "N", QStringLiteral("Cells a side, 3 to 100 (default 10)."), Stage::World, applySize, true},
        {"ants", "K", QStringLiteral("Ants in the colony, 1 to 1000 (default 5)."), Stage::World, applyAnts, true},
        {"home", "X,Y", QStringLiteral("Home cell (default 0,0)."), Stage::World, applyHome, true},
        {"food", "X,Y", QStringLiteral("Food cell (default N-1,N-1)."), Stage::World, applyFood, true},
        {"alpha", "A", QStringLiteral("Weight of the pheromone, 0 to 100 (default 2)."), Stage::World, applyAlpha, true},
        {"beta", "B", QStringLiteral("Weight of the heuristic, 0 to 100 (default 1)."), Stage::World, applyBeta, true},
        {"ro", "R", QStringLiteral("Pheromone evaporation per generation, 0 to 1 (default 0.1)."), Stage::World,
         applyRo, true},
        {"rule", "NAME",
         QStringLiteral("How the ants choose and the pheromone changes: vormis (the window's, default), as (Ant "
                        "System), acs (Ant Colony System), mmas (MAX-MIN Ant System), eas (Elitist Ant System), "
                        "ras (Rank-based Ant System) or bwas (Best-Worst Ant System)."),
         Stage::World, applyRule, true},
        {"q0", "Q", QStringLiteral("Ant Colony System: chance of taking the best cell outright, 0 to 1 (default 0.9)."),
         Stage::RuleParameters, applyQ0, true},
        {"xi", "X", QStringLiteral("Ant Colony System: weight of the local pheromone update, 0 to 1 (default 0.1)."),
         Stage::RuleParameters, applyXi, true},
        {"elite", "E",
         QStringLiteral("Elitist Ant System: extra deposits of the best path so far each generation, %1 to %2 "
                        "(default %3).")
             .arg(kMinElite)
             .arg(kMaxElite)
             .arg(kDefaultElite),
         Stage::RuleParameters, applyElite, true},
        {"rank", "W",
         QStringLiteral("Rank-based Ant System: the W - 1 best ants of a generation deposit, weighted by rank, and "
                        "the best so far with weight W; %1 to %2 (default %3).")
             .arg(kMinRank)
             .arg(kMaxRank)
             .arg(kDefaultRank),
         Stage::RuleParameters, applyRank, true},
        {"restart", "G",
         QStringLiteral("MAX-MIN Ant System: the pheromone starts afresh at tau_max after G generations without a "
                        "shorter path, %1 to %2, 0 never (default %3).")
             .arg(kMinRestart)
             .arg(kMaxRestart)
             .arg(kDefaultRestart),
         Stage::RuleParameters, applyRestart, true},
        {"obstacle", "X,Y", QStringLiteral("An obstacle cell; repeatable."), Stage::Obstacles, applyObstacle, true},
        {"example", nullptr,
         QStringLiteral("The example world: 8x8, 4 ants, three walls, alpha 0, beta 2, ro 0.2."), Stage::Source,
         applyExample, true},
        {"world", "FILE",
         QStringLiteral("A world drawn as text: N lines of N characters, . free, # obstacle, H home, F food."),
         Stage::Source, applyWorldFile, true},
    };
}

// The options of the runs and their outputs, listed after those of the world.
std::vector<OptionSpec> runOptionSpecs()
{
    return {
        {"generations", "G", QStringLiteral("Generations per run, 1 to %1 (default 100).").arg(kMaxGenerations),
         Stage::Run, applyGenerations},
        {"seed", "S",
         QStringLiteral("Seed of the first run, 0 to 4294967295 (default: from the clock, always reported)."),
         Stage::Run, applySeed, true},
        {"repeat", "R",
         QStringLiteral("Runs, each from a fresh colony, with seeds S, S+1, ...; 1 to %1 (default 1).").arg(kMaxRepeat),
         Stage::Run, applyRepeat},
        {"jobs", "N",
         QStringLiteral("Runs at a time, in threads, 1 to %1 (default: the number of cores); the outputs are the "
                        "same for every N.")
             .arg(kMaxJobs),
         Stage::Run, applyJobs},
        {"shard", "K/N",
         QStringLiteral("Do only runs K, K+N, K+2N, ... of the sweep (needs --seed); the CSV is then a shard file "
                        "for --merge."),
         Stage::Run, applyShard},
        {"merge", nullptr,
         QStringLiteral("Merge the shard files named after the options into what the whole sweep writes; only "
                        "--csv, --summary-csv, --chart, --chart-x, --chart-y and --jobs go with it."),
         Stage::Merge, nullptr},
        {"csv", "FILE",
         QStringLiteral("One line per run and generation; - for standard output (the summary then goes to standard "
                        "error)."),
         Stage::Outputs, applyCsv},
        {"png", "FILE", QStringLiteral("Picture of the last run's final world, 610x610."), Stage::Outputs, applyPng},
        {"chart", "FILE",
         QStringLiteral("Chart of the path lengths per generation, or of a sweep's settings; 900x500 PNG."),
         Stage::Outputs, applyChart},
        {"chart-x", "PARAM",
         QStringLiteral("The parameter along a sweep's chart (default: the swept one with the most values); the "
                        "others make a line each."),
         Stage::Outputs, applyChartAxis},
        {"chart-y", "MEASURE",
         QStringLiteral("What a sweep's chart shows: best (mean best length, default), late (late mean length), "
                        "first (generation the shortest path was first found) or arrived (share of ants at the "
                        "food)."),
         Stage::Outputs, applyChartMeasure},
        {"gif", "FILE",
         QStringLiteral("Animated picture of the first run: the world every K generations and at the last, with "
                        "its generation, best path and the shortest possible."),
         Stage::Outputs, applyGif},
        {"gif-every", "K",
         QStringLiteral("A frame of --gif every K generations (default: about 100 frames over the run)."),
         Stage::Outputs, applyGifEvery},
        {"summary-csv", "FILE",
         QStringLiteral("One line per setting: its parameters and the statistics of its runs."), Stage::Outputs,
         applySummaryCsv},
        {"dump", "tables|map|path",
         QStringLiteral("After the last generation, print the engine's tables, the map of an ant's path or the path "
                        "itself; not with --csv -."),
         Stage::Dump, applyDump},
        {"ant", "K", QStringLiteral("The ant --dump map|path shows (default 0)."), Stage::Dump, applyDumpAnt},
    };
}

// Every option, in the order --help lists them.
const std::vector<OptionSpec> &optionTable()
{
    static const std::vector<OptionSpec> table = [] {
        std::vector<OptionSpec> specs = worldOptionSpecs();
        const std::vector<OptionSpec> run = runOptionSpecs();
        specs.insert(specs.end(), run.begin(), run.end());
        return specs;
    }();
    return table;
}

bool offered(const OptionSpec &spec, Program program)
{
    return program == Program::Runner || spec.window;
}

// The window states its own limits and keeps one colony.
QString helpFor(const OptionSpec &spec, const WindowProfile *window)
{
    if (!window)
        return spec.help;
    for (const WindowLimit &limit : window->limits)
        if (limit.option == QLatin1String(spec.name))
            return limit.help;
    if (qstrcmp(spec.name, "seed") == 0)
        return window->seedHelp;
    return spec.help;
}

void addOptions(QCommandLineParser &parser, Program program, const WindowProfile *window)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (window)
        parser.setApplicationDescription(window->description);
    else
        parser.setApplicationDescription(QStringLiteral(
        "Runs Vormis's ant colony without its window: a number of generations, once or\n"
        "repeated with consecutive seeds, and writes a summary, a CSV of every\n"
        "generation, the engine's dumps or pictures of the result.\n"
        "--ants, --alpha, --beta, --ro, --q0, --xi, --elite, --rank and --restart\n"
        "also take a list A,B,... or a range FROM:TO:STEP, and --rule a list of\n"
        "rules: a sweep over every combination, each run --repeat times with the\n"
        "same seeds."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const OptionSpec &spec : optionTable()) {
        if (!offered(spec, program))
            continue;
        const QString valueName = spec.valueName ? QString::fromLatin1(spec.valueName) : QString();
        parser.addOption(QCommandLineOption(QString::fromLatin1(spec.name), helpFor(spec, window), valueName));
    }
}

// Applies the options of one stage in the table's order, each of its values
// in the order given.
bool applyStage(Parsing &p, Stage stage, QString &error)
{
    for (const OptionSpec &spec : optionTable()) {
        if (spec.stage != stage || !offered(spec, p.program) || !p.parser.isSet(QString::fromLatin1(spec.name)))
            continue;
        const QStringList values = spec.valueName ? p.parser.values(QString::fromLatin1(spec.name)) : QStringList{{}};
        for (const QString &value : values)
            if (!spec.apply(p, value, error))
                return false;
    }
    return true;
}

// Only --obstacle may be given more than once.
bool rejectRepeats(const QCommandLineParser &parser, Program program, QString &error)
{
    for (const OptionSpec &spec : optionTable()) {
        const QString name = QString::fromLatin1(spec.name);
        if (spec.stage == Stage::Obstacles || !offered(spec, program))
            continue;
        if (parser.values(name).size() > 1 || parser.optionNames().count(name) > 1) {
            error = QStringLiteral("--%1: given more than once").arg(name);
            return false;
        }
    }
    return true;
}

bool checkHomeAndFood(const Parsing &p, QString &error)
{
    const World &world = p.config.world;
    if (world.home != world.food)
        return true;
    const bool foodGiven = p.parser.isSet(QStringLiteral("food"));
    return reject(error, foodGiven ? QStringLiteral("food") : QStringLiteral("home"), cellText(world.home),
                  foodGiven ? QStringLiteral("the same cell as home") : QStringLiteral("the same cell as food"));
}

// An obstacle of the example or the file under a moved home or food.
bool checkCellsFree(const World &world, QString &error)
{
    if (world.isObstacle(world.home))
        return reject(error, QStringLiteral("home"), cellText(world.home), QStringLiteral("on an obstacle"));
    if (world.isObstacle(world.food))
        return reject(error, QStringLiteral("food"), cellText(world.food), QStringLiteral("on an obstacle"));
    return true;
}

bool checkPicturesGoToFiles(const RunConfig &config, QString &error)
{
    for (const auto &[option, path] : {std::pair{QStringLiteral("png"), config.pngPath},
                                       std::pair{QStringLiteral("chart"), config.chartPath},
                                       std::pair{QStringLiteral("gif"), config.gifPath}}) {
        if (path == QLatin1String("-"))
            return reject(error, option, path, QStringLiteral("pictures go to a file, not to standard output"));
    }
    return true;
}

bool checkChartAxis(const RunConfig &config, QString &error)
{
    Parameter axis = Parameter::Rule;
    return config.chartPath.isEmpty() || chartAxis(config, axis, error);
}

// Checked last: a stray word is often the value of an option that took the
// next option for its own, and that option's error says more.
bool rejectPositional(const QCommandLineParser &parser, QString &error)
{
    if (parser.positionalArguments().isEmpty())
        return true;
    error = QStringLiteral("unexpected argument '%1' (options start with --; see --help)")
                .arg(parser.positionalArguments().first());
    return false;
}

// The parameters not given are the world's; the settings are all their
// combinations, within the limits.
bool buildSettings(Parsing &p, QString &error)
{
    RunConfig &config = p.config;
    const ParameterValues own = worldParameters(config.world);
    for (std::size_t i = 0; i < own.size(); ++i)
        if (!config.parameterGiven[i])
            config.parameters[i] = own[i];
    const long long count = settingCount(config.parameters);
    if (count > kMaxSettings) {
        const QString counted = count < kUncountedSettings ? QString::number(count) : QStringLiteral("over 10^18");
        error = QStringLiteral("the sweep has %1 settings; at most %2").arg(counted).arg(kMaxSettings);
        return false;
    }
    config.settings = allSettings(config.parameters);
    return true;
}

bool checkRunCount(const RunConfig &config, QString &error)
{
    if (config.runCount() <= kMaxRuns)
        return true;
    error = QStringLiteral("the sweep has %1 settings x %2 runs = %3 runs; at most %4")
                .arg(config.settings.size())
                .arg(config.repeat)
                .arg(config.runCount())
                .arg(kMaxRuns);
    return false;
}

// --png and --dump show the shard's last run: an empty shard has none.
// --gif shows the first run of the sweep, which only the first shard has.
bool checkShardHasRuns(const RunConfig &config, QString &error)
{
    if (config.sharded && config.shard != 1 && !config.gifPath.isEmpty()) {
        error = QStringLiteral("--gif: shard %1/%2 does not run run 1, the one the animation shows")
                    .arg(config.shard)
                    .arg(config.shards);
        return false;
    }
    if (!config.sharded || config.shard <= config.runCount() || (config.pngPath.isEmpty() && config.dump == Dump::None))
        return true;
    error = QStringLiteral("--%1: shard %2/%3 has no runs to show (the sweep has %4)")
                .arg(config.pngPath.isEmpty() ? QStringLiteral("dump") : QStringLiteral("png"))
                .arg(config.shard)
                .arg(config.shards)
                .arg(config.runCount());
    return false;
}

// The options that made the world, as given: the start of the command that
// repeats one run of a sweep.
QString worldOptions(const QCommandLineParser &parser)
{
    QStringList arguments;
    for (const char *name : {"example", "world", "size", "home", "food", "obstacle"}) {
        const QString option = QString::fromLatin1(name);
        if (!parser.isSet(option))
            continue;
        if (option == QLatin1String("example")) {
            arguments << QStringLiteral("--example");
            continue;
        }
        for (const QString &value : parser.values(option))
            arguments << QStringLiteral("--") + option << value;
    }
    return shellQuoted(arguments);
}

// --merge: the shard files carry the sweep, so only the outputs go with it.
bool readMergeOptions(Parsing &p, QString &error)
{
    for (const OptionSpec &spec : optionTable()) {
        const QString name = QString::fromLatin1(spec.name);
        const bool picture = name == QLatin1String("png") || name.startsWith(QLatin1String("gif"));
        const bool allowed = (spec.stage == Stage::Outputs && !picture)
                          || spec.stage == Stage::Merge || name == QLatin1String("jobs");
        if (!allowed && p.parser.isSet(name)) {
            error = QStringLiteral("--%1: not with --merge (the shard files hold the sweep)").arg(name);
            return false;
        }
    }
    p.config.mergeFiles = p.parser.positionalArguments();
    if (p.config.mergeFiles.isEmpty()) {
        error = QStringLiteral("--merge: expected the shard files to merge");
        return false;
    }
    return applyStage(p, Stage::Run, error) && applyStage(p, Stage::Outputs, error)
        && checkPicturesGoToFiles(p.config, error);
}

// The window's options: a world, its rule and a seed.
bool readWindowOptions(Parsing &p, QString &error)
{
    return rejectRepeats(p.parser, p.program, error) && applyStage(p, Stage::Source, error)
        && applyStage(p, Stage::World, error) && applyStage(p, Stage::RuleParameters, error)
        && checkHomeAndFood(p, error) && applyStage(p, Stage::Obstacles, error)
        && checkCellsFree(p.config.world, error) && applyStage(p, Stage::Run, error)
        && rejectPositional(p.parser, error);
}

bool readOptions(Parsing &p, QString &error)
{
    if (!rejectRepeats(p.parser, p.program, error))
        return false;
    if (p.parser.isSet(QStringLiteral("merge")))
        return readMergeOptions(p, error);
    p.config.worldOptions = worldOptions(p.parser);
    return applyStage(p, Stage::Source, error) && applyStage(p, Stage::World, error)
        && applyStage(p, Stage::RuleParameters, error) && buildSettings(p, error) && checkHomeAndFood(p, error)
        && applyStage(p, Stage::Obstacles, error) && checkCellsFree(p.config.world, error)
        && applyStage(p, Stage::Run, error) && checkRunCount(p.config, error)
        && applyStage(p, Stage::Outputs, error) && checkPicturesGoToFiles(p.config, error)
        && checkChartAxis(p.config, error) && applyStage(p, Stage::Dump, error)
        && checkShardHasRuns(p.config, error) && rejectPositional(p.parser, error);
}

// What a file may give of a sweep: its parameters, generations, seeds, runs
// and shard; never an output, a world option or --merge.
bool isSweepField(const OptionSpec &spec)
{
    for (int p = 0; p < kParameterCount; ++p)
        if (qstrcmp(spec.name, parameterName(static_cast<Parameter>(p))) == 0)
            return true;
    for (const char *name : {"generations", "seed", "repeat", "shard"})
        if (qstrcmp(spec.name, name) == 0)
            return true;
    return false;
}

// The state of a reading that has no command line: a sweep from a file.
Parsing fileParsing(const RunConfig &config)
{
    static const QCommandLineParser noCommandLine;
    return Parsing{noCommandLine, Program::Runner, nullptr, config, QStringLiteral("the file's world"), QString()};
}

int defaultJobs()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, static_cast<unsigned>(kMaxJobs)));
}

QString parserError(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return unknownOptionMessage(unknown.first());
    QString message = parser.errorText();
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    if (!message.isEmpty())
        message[0] = message[0].toLower();
    return message;
}

// Help, version and the faults the parser itself finds; Run when the
// options are left to read.
ParseOutcome parseStart(QCommandLineParser &parser, const QStringList &arguments, QString &message)
{
    if (!parser.parse(arguments)) {
        message = parserError(parser);
        return ParseOutcome::Error;
    }
    // The help option also brings --help-all, which asks for the same text.
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        message = parser.helpText();
        return ParseOutcome::Help;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        message = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                QCoreApplication::applicationVersion());
        return ParseOutcome::Version;
    }
    return ParseOutcome::Run;
}

} // namespace

const char *chartMeasureName(ChartMeasure measure)
{
    switch (measure) {
    case ChartMeasure::Late:
        return "late";
    case ChartMeasure::First:
        return "first";
    case ChartMeasure::Arrived:
        return "arrived";
    case ChartMeasure::Best:
        break;
    }
    return "best";
}

bool chartAxis(const RunConfig &config, Parameter &axis, QString &error)
{
    const auto values = [&config](int p) { return config.parameters[static_cast<std::size_t>(p)]; };
    const auto everyRuleTakes = [&config](int p) {
        return std::all_of(config.settings.begin(), config.settings.end(),
                           [p](const Setting &setting) { return !setting[static_cast<std::size_t>(p)].isEmpty(); });
    };
    if (!config.isSweep() && (!config.chartAxis.isEmpty() || config.chartMeasureGiven)) {
        const bool x = !config.chartAxis.isEmpty();
        return reject(error, x ? QStringLiteral("chart-x") : QStringLiteral("chart-y"),
                      x ? config.chartAxis : QString::fromLatin1(chartMeasureName(config.chartMeasure)),
                      QStringLiteral("only for the chart of a sweep (one setting's chart shows the generations)"));
    }
    int chosen = -1;
    for (int p = 0; p < kParameterCount; ++p) {
        const bool named = config.chartAxis == QLatin1String(parameterName(static_cast<Parameter>(p)));
        if (named && (values(p).size() < 2 || !everyRuleTakes(p)))
            return reject(error, QStringLiteral("chart-x"), config.chartAxis,
                          values(p).size() < 2 ? QStringLiteral("not swept (it has one value)")
                                               : QStringLiteral("not taken by every rule of the sweep"));
        if (named || (config.chartAxis.isEmpty() && values(p).size() > 1 && everyRuleTakes(p)
                      && (chosen < 0 || values(p).size() > values(chosen).size())))
            chosen = p;
    }
    axis = static_cast<Parameter>(std::max(chosen, 0));
    return true;
}

int defaultGifEvery(int generations)
{
    constexpr int kFramesInADefaultRun = 100;
    return std::max(1, (generations + kFramesInADefaultRun - 1) / kFramesInADefaultRun);
}

int gifFrameCount(int generations, int every)
{
    return generations / every + (generations % every != 0 ? 1 : 0);
}

ParseOutcome parseCommandLine(const QStringList &arguments, RunConfig &config, QString &message)
{
    QCommandLineParser parser;
    addOptions(parser, Program::Runner, nullptr);
    const ParseOutcome outcome = parseStart(parser, arguments, message);
    if (outcome != ParseOutcome::Run)
        return outcome;
    Parsing parsing{parser, Program::Runner, nullptr, RunConfig{}, QString(), QString()};
    parsing.config.jobs = defaultJobs();
    if (!readOptions(parsing, message))
        return ParseOutcome::Error;
    config = parsing.config;
    return ParseOutcome::Run;
}

ParseOutcome parseWindowCommandLine(const QStringList &arguments, const WindowProfile &window, WindowStart &start,
                                    QString &message)
{
    QCommandLineParser parser;
    addOptions(parser, Program::Window, &window);
    const ParseOutcome outcome = parseStart(parser, arguments, message);
    start.unknownOption = outcome == ParseOutcome::Error && !parser.unknownOptionNames().isEmpty();
    start.unknownOptions = parser.unknownOptionNames();
    if (outcome != ParseOutcome::Run)
        return outcome;
    Parsing parsing{parser, Program::Window, &window, RunConfig{}, QString(), QString()};
    if (!readWindowOptions(parsing, message))
        return ParseOutcome::Error;
    start = WindowStart();
    start.given = arguments.size() > 1;
    start.world = parsing.config.world;
    start.worldFile = parsing.worldFile;
    if (parsing.config.seedGiven)
        start.seed = parsing.config.seed;
    return ParseOutcome::Run;
}

bool setSweepField(RunConfig &config, const QString &name, const QString &value, QString &error)
{
    const std::vector<OptionSpec> &table = optionTable();
    const auto spec = std::find_if(table.begin(), table.end(),
                                   [&](const OptionSpec &option) { return name == QLatin1String(option.name); });
    if (spec == table.end() || !isSweepField(*spec)) {
        error = QStringLiteral("%1: not a value of a sweep").arg(name);
        return false;
    }
    Parsing parsing = fileParsing(config);
    if (!spec->apply(parsing, value, error))
        return false;
    config = parsing.config;
    return true;
}

bool finishSweep(RunConfig &config, QString &error)
{
    Parsing parsing = fileParsing(config);
    if (!buildSettings(parsing, error) || !checkRunCount(parsing.config, error))
        return false;
    config = parsing.config;
    return true;
}

QString unknownOptionMessage(const QString &name)
{
    return QStringLiteral("unknown option %1%2 (see --help)")
        .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
}

QString oneLine(QString message)
{
    for (qsizetype i = 0; i < message.size(); ++i) {
        if (message[i].category() != QChar::Other_Control)
            continue;
        const QString escape = QStringLiteral("\\x%1").arg(message[i].unicode(), 2, 16, QLatin1Char('0'));
        message.replace(i, 1, escape);
        i += escape.size() - 1;
    }
    return message;
}
