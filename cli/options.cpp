#include "options.h"

#include "worldfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace {

// What the options read so far, and where the world came from.
struct Parsing
{
    const QCommandLineParser &parser;
    RunConfig config;
    QString source; // "the example world", "the world file", or empty
};

// When an option is applied: the world's source first, then the options that
// change its parameters, then the obstacles, then the run and its outputs.
enum class Stage { Source, World, Obstacles, Run, Outputs, Dump };

using Apply = bool (*)(Parsing &, const QString &value, QString &error);

struct OptionSpec
{
    const char *name;
    const char *valueName; // nullptr: a switch without a value
    QString help;
    Stage stage;
    Apply apply;
};

bool reject(QString &error, const QString &option, const QString &value, const QString &expected)
{
    error = QStringLiteral("--%1 %2: %3").arg(option, value, expected);
    return false;
}

// A whole number in plain decimal digits, optionally negative; nothing else
// (no sign '+', no spaces, no hex).  Too many digits count as not a number
// in range, which the caller reports the same way.
std::optional<long long> wholeNumber(const QString &text)
{
    const qsizetype digitsFrom = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digits = text.size() - digitsFrom;
    if (digits < 1 || digits > 18)
        return std::nullopt;
    long long value = 0;
    for (qsizetype i = digitsFrom; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return digitsFrom ? -value : value;
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

bool readFraction(const QString &option, const QString &text, double low, double high, double &out, QString &error)
{
    static const QRegularExpression decimal(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?$"));
    bool ok = false;
    const double value = decimal.match(text).hasMatch() ? text.toDouble(&ok) : 0.0;
    if (!ok || !(value >= low && value <= high))
        return reject(error, option, text, QStringLiteral("expected a number from %1 to %2").arg(low).arg(high));
    out = value;
    return true;
}

bool readCell(const QString &option, const QString &text, int size, Cell &out, QString &error)
{
    const QString expected = QStringLiteral("expected X,Y with X and Y whole numbers from 0 to %1").arg(size - 1);
    const QStringList parts = text.split(QLatin1Char(','));
    const std::optional<long long> x = parts.size() == 2 ? wholeNumber(parts[0]) : std::nullopt;
    const std::optional<long long> y = parts.size() == 2 ? wholeNumber(parts[1]) : std::nullopt;
    if (!x || !y)
        return reject(error, option, text, expected);
    if (*x < 0 || *y < 0 || *x >= size || *y >= size)
        return reject(error, option, text, QStringLiteral("outside the %1x%1 grid (%2)").arg(size).arg(expected));
    out = {static_cast<int>(*x), static_cast<int>(*y)};
    return true;
}

QString cellText(Cell cell)
{
    return QStringLiteral("%1,%2").arg(cell.x).arg(cell.y);
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
    return true;
}

bool applySize(Parsing &p, const QString &value, QString &error)
{
    World &world = p.config.world;
    int n = 0;
    if (!readWholeNumber(QStringLiteral("size"), value, 3, 100, n, error))
        return false;
    if (p.source.isEmpty())
        world = World::startUp(n);
    else if (n != world.size)
        return reject(error, QStringLiteral("size"), value, QStringLiteral("%1 is %2x%2").arg(p.source).arg(world.size));
    return true;
}

bool applyAnts(Parsing &p, const QString &value, QString &error)
{
    return readWholeNumber(QStringLiteral("ants"), value, 1, 1000, p.config.world.ants, error);
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
    return readWholeNumber(QStringLiteral("alpha"), value, 0, 100, p.config.world.alpha, error);
}

bool applyBeta(Parsing &p, const QString &value, QString &error)
{
    return readWholeNumber(QStringLiteral("beta"), value, 0, 100, p.config.world.beta, error);
}

bool applyRo(Parsing &p, const QString &value, QString &error)
{
    return readFraction(QStringLiteral("ro"), value, 0.0, 1.0, p.config.world.ro, error);
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
    const int ants = config.world.ants;
    return readWholeNumber(QStringLiteral("ant"), value, 0, ants - 1, p.config.dumpAnt, error,
                           QStringLiteral("the colony has %1 ants").arg(ants));
}

// Every option, in the order --help lists them.
const std::vector<OptionSpec> &optionTable()
{
    static const std::vector<OptionSpec> table = {
        {"size", "N", QStringLiteral("Cells a side, 3 to 100 (default 10)."), Stage::World, applySize},
        {"ants", "K", QStringLiteral("Ants in the colony, 1 to 1000 (default 5)."), Stage::World, applyAnts},
        {"home", "X,Y", QStringLiteral("Home cell (default 0,0)."), Stage::World, applyHome},
        {"food", "X,Y", QStringLiteral("Food cell (default N-1,N-1)."), Stage::World, applyFood},
        {"alpha", "A", QStringLiteral("Weight of the pheromone, 0 to 100 (default 2)."), Stage::World, applyAlpha},
        {"beta", "B", QStringLiteral("Weight of the heuristic, 0 to 100 (default 1)."), Stage::World, applyBeta},
        {"ro", "R", QStringLiteral("Pheromone evaporation per generation, 0 to 1 (default 0.1)."), Stage::World,
         applyRo},
        {"obstacle", "X,Y", QStringLiteral("An obstacle cell; repeatable."), Stage::Obstacles, applyObstacle},
        {"example", nullptr,
         QStringLiteral("The example world: 8x8, 4 ants, three walls, alpha 0, beta 2, ro 0.2."), Stage::Source,
         applyExample},
        {"world", "FILE",
         QStringLiteral("A world drawn as text: N lines of N characters, . free, # obstacle, H home, F food."),
         Stage::Source, applyWorldFile},
        {"generations", "G", QStringLiteral("Generations per run, 1 to %1 (default 100).").arg(kMaxGenerations),
         Stage::Run, applyGenerations},
        {"seed", "S",
         QStringLiteral("Seed of the first run, 0 to 4294967295 (default: from the clock, always reported)."),
         Stage::Run, applySeed},
        {"repeat", "R",
         QStringLiteral("Runs, each from a fresh colony, with seeds S, S+1, ...; 1 to %1 (default 1).").arg(kMaxRepeat),
         Stage::Run, applyRepeat},
        {"csv", "FILE",
         QStringLiteral("One line per run and generation; - for standard output (the summary then goes to standard "
                        "error)."),
         Stage::Outputs, applyCsv},
        {"png", "FILE", QStringLiteral("Picture of the last run's final world, 610x610."), Stage::Outputs, applyPng},
        {"chart", "FILE", QStringLiteral("Chart of the path lengths per generation, 900x500 PNG."), Stage::Outputs,
         applyChart},
        {"dump", "tables|map|path",
         QStringLiteral("After the last generation, print the engine's tables, the map of an ant's path or the path "
                        "itself; not with --csv -."),
         Stage::Dump, applyDump},
        {"ant", "K", QStringLiteral("The ant --dump map|path shows (default 0)."), Stage::Dump, applyDumpAnt},
    };
    return table;
}

void addOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Runs Vormis's ant colony without its window: a number of generations, once or\n"
        "repeated with consecutive seeds, and writes a summary, a CSV of every\n"
        "generation, the engine's dumps or pictures of the result."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const OptionSpec &spec : optionTable()) {
        const QString valueName = spec.valueName ? QString::fromLatin1(spec.valueName) : QString();
        parser.addOption(QCommandLineOption(QString::fromLatin1(spec.name), spec.help, valueName));
    }
}

// Applies the options of one stage in the table's order, each of its values
// in the order given.
bool applyStage(Parsing &p, Stage stage, QString &error)
{
    for (const OptionSpec &spec : optionTable()) {
        if (spec.stage != stage || !p.parser.isSet(QString::fromLatin1(spec.name)))
            continue;
        const QStringList values = spec.valueName ? p.parser.values(QString::fromLatin1(spec.name)) : QStringList{{}};
        for (const QString &value : values)
            if (!spec.apply(p, value, error))
                return false;
    }
    return true;
}

// Only --obstacle may be given more than once.
bool rejectRepeats(const QCommandLineParser &parser, QString &error)
{
    for (const OptionSpec &spec : optionTable()) {
        const QString name = QString::fromLatin1(spec.name);
        if (spec.stage == Stage::Obstacles)
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
                                       std::pair{QStringLiteral("chart"), config.chartPath}}) {
        if (path == QLatin1String("-"))
            return reject(error, option, path, QStringLiteral("pictures go to a file, not to standard output"));
    }
    return true;
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

bool readOptions(Parsing &p, QString &error)
{
    return rejectRepeats(p.parser, error) && applyStage(p, Stage::Source, error)
        && applyStage(p, Stage::World, error) && checkHomeAndFood(p, error)
        && applyStage(p, Stage::Obstacles, error) && checkCellsFree(p.config.world, error)
        && applyStage(p, Stage::Run, error) && applyStage(p, Stage::Outputs, error)
        && checkPicturesGoToFiles(p.config, error) && applyStage(p, Stage::Dump, error)
        && rejectPositional(p.parser, error);
}

QString parserError(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString &name = unknown.first();
        return QStringLiteral("unknown option %1%2 (see --help)")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    QString message = parser.errorText();
    if (message.endsWith(QLatin1Char('.')))
        message.chop(1);
    if (!message.isEmpty())
        message[0] = message[0].toLower();
    return message;
}

} // namespace

ParseOutcome parseCommandLine(const QStringList &arguments, RunConfig &config, QString &message)
{
    QCommandLineParser parser;
    addOptions(parser);
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
    Parsing parsing{parser, RunConfig{}, QString()};
    if (!readOptions(parsing, message))
        return ParseOutcome::Error;
    config = parsing.config;
    return ParseOutcome::Run;
}
