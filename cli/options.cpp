#include "options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

namespace {

// Thrown inside the parser only, to leave it at the first fault.
struct OptionError
{
    QString message;
};

[[noreturn]] void reject(const QString &option, const QString &value, const QString &expected)
{
    throw OptionError{QStringLiteral("--%1 %2: %3").arg(option, value, expected)};
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

long long numberOption(const QString &option, const QString &text, long long low, long long high,
                       const QString &note = QString())
{
    const std::optional<long long> value = wholeNumber(text);
    if (!value || *value < low || *value > high) {
        QString expected = QStringLiteral("expected a whole number from %1 to %2").arg(low).arg(high);
        if (!note.isEmpty())
            expected += QStringLiteral(" (%1)").arg(note);
        reject(option, text, expected);
    }
    return *value;
}

double fractionOption(const QString &option, const QString &text, double low, double high)
{
    static const QRegularExpression decimal(QStringLiteral("^([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][-+]?[0-9]+)?$"));
    bool ok = false;
    const double value = decimal.match(text).hasMatch() ? text.toDouble(&ok) : 0.0;
    if (!ok || !(value >= low && value <= high))
        reject(option, text, QStringLiteral("expected a number from %1 to %2").arg(low).arg(high));
    return value;
}

Cell cellOption(const QString &option, const QString &text, int size)
{
    const QString expected = QStringLiteral("expected X,Y with X and Y whole numbers from 0 to %1").arg(size - 1);
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        reject(option, text, expected);
    const std::optional<long long> x = wholeNumber(parts[0]);
    const std::optional<long long> y = wholeNumber(parts[1]);
    if (!x || !y)
        reject(option, text, expected);
    if (*x < 0 || *y < 0 || *x >= size || *y >= size)
        reject(option, text, QStringLiteral("outside the %1x%1 grid (%2)").arg(size).arg(expected));
    return {static_cast<int>(*x), static_cast<int>(*y)};
}

QString cellText(Cell cell)
{
    return QStringLiteral("%1,%2").arg(cell.x).arg(cell.y);
}

} // namespace

ParseOutcome parseCommandLine(const QStringList &arguments, RunConfig &config, QString &message)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Runs Vormis's ant colony without its window: a number of generations, once or\n"
        "repeated with consecutive seeds, and writes a summary, a CSV of every\n"
        "generation, the engine's dumps or pictures of the result."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();

    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Cells a side, 3 to 100 (default 10)."),
                                  QStringLiteral("N"));
    const QCommandLineOption ants(QStringLiteral("ants"), QStringLiteral("Ants in the colony, 1 to 1000 (default 5)."),
                                  QStringLiteral("K"));
    const QCommandLineOption home(QStringLiteral("home"), QStringLiteral("Home cell (default 0,0)."),
                                  QStringLiteral("X,Y"));
    const QCommandLineOption food(QStringLiteral("food"), QStringLiteral("Food cell (default N-1,N-1)."),
                                  QStringLiteral("X,Y"));
    const QCommandLineOption alpha(QStringLiteral("alpha"),
                                   QStringLiteral("Weight of the pheromone, 0 to 100 (default 2)."), QStringLiteral("A"));
    const QCommandLineOption beta(QStringLiteral("beta"),
                                  QStringLiteral("Weight of the heuristic, 0 to 100 (default 1)."), QStringLiteral("B"));
    const QCommandLineOption ro(QStringLiteral("ro"),
                                QStringLiteral("Pheromone evaporation per generation, 0 to 1 (default 0.1)."),
                                QStringLiteral("R"));
    const QCommandLineOption obstacle(QStringLiteral("obstacle"), QStringLiteral("An obstacle cell; repeatable."),
                                      QStringLiteral("X,Y"));
    const QCommandLineOption example(QStringLiteral("example"),
                                     QStringLiteral("The example world: 8x8, 4 ants, three walls, alpha 0, beta 2, "
                                                    "ro 0.2."));
    const QCommandLineOption worldFile(QStringLiteral("world"),
                                       QStringLiteral("A world drawn as text: N lines of N characters, . free, "
                                                      "# obstacle, H home, F food."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption generations(QStringLiteral("generations"),
                                         QStringLiteral("Generations per run, 1 to %1 (default 100).")
                                             .arg(kMaxGenerations),
                                         QStringLiteral("G"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the first run, 0 to 4294967295 (default: from the clock, "
                                                 "always reported)."),
                                  QStringLiteral("S"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Runs, each from a fresh colony, with seeds S, S+1, ...; 1 to %1 "
                                                   "(default 1).")
                                        .arg(kMaxRepeat),
                                    QStringLiteral("R"));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 QStringLiteral("One line per run and generation; - for standard output (the "
                                                "summary then goes to standard error)."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption png(QStringLiteral("png"),
                                 QStringLiteral("Picture of the last run's final world, 610x610."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption chart(QStringLiteral("chart"),
                                   QStringLiteral("Chart of the path lengths per generation, 900x500 PNG."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption dump(QStringLiteral("dump"),
                                  QStringLiteral("After the last generation, print the engine's tables, the map "
                                                 "of an ant's path or the path itself; not with --csv -."),
                                  QStringLiteral("tables|map|path"));
    const QCommandLineOption dumpAnt(QStringLiteral("ant"), QStringLiteral("The ant --dump map|path shows (default 0)."),
                                     QStringLiteral("K"));
    for (const QCommandLineOption *option : {&size, &ants, &home, &food, &alpha, &beta, &ro, &obstacle, &example,
                                             &worldFile, &generations, &seed, &repeat, &csv, &png, &chart, &dump,
                                             &dumpAnt})
        parser.addOption(*option);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString &name = unknown.first();
            message = QStringLiteral("unknown option %1%2 (see --help)")
                          .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        } else {
            message = parser.errorText();
            if (message.endsWith(QLatin1Char('.')))
                message.chop(1);
            if (!message.isEmpty())
                message[0] = message[0].toLower();
        }
        return ParseOutcome::Error;
    }
    // The help option also brings --help-all, which asks for the same text.
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        message = parser.helpText();
        return ParseOutcome::Help;
    }
    if (parser.isSet(versionOption)) {
        message = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                QCoreApplication::applicationVersion());
        return ParseOutcome::Version;
    }
    try {
        for (const QCommandLineOption *option : {&size, &ants, &home, &food, &alpha, &beta, &ro, &example, &worldFile,
                                                 &generations, &seed, &repeat, &csv, &png, &chart, &dump, &dumpAnt}) {
            if (parser.values(*option).size() > 1 || parser.optionNames().count(option->names().first()) > 1)
                throw OptionError{QStringLiteral("--%1: given more than once").arg(option->names().first())};
        }

        RunConfig result;
        // The world's source first; the options below override its parameters.
        if (parser.isSet(example) && parser.isSet(worldFile))
            throw OptionError{QStringLiteral("--example and --world: choose one world")};
        World &world = result.world;
        QString source;
        if (parser.isSet(example)) {
            world = exampleWorld();
            source = QStringLiteral("the example world");
        } else if (parser.isSet(worldFile)) {
            const QString path = parser.value(worldFile);
            WorldFileError error;
            if (!readWorldFile(path, world, error)) {
                if (error.unreadable)
                    reject(QStringLiteral("world"), path, error.message);
                throw OptionError{error.text(path)};
            }
            source = QStringLiteral("the world file");
        }
        if (parser.isSet(size)) {
            const int n = static_cast<int>(numberOption(QStringLiteral("size"), parser.value(size), 3, 100));
            if (!source.isEmpty() && n != world.size) {
                reject(QStringLiteral("size"), parser.value(size),
                       QStringLiteral("%1 is %2x%2").arg(source).arg(world.size));
            }
            if (source.isEmpty())
                world = startUpWorld(n);
        }
        if (parser.isSet(ants))
            world.ants = static_cast<int>(numberOption(QStringLiteral("ants"), parser.value(ants), 1, 1000));
        if (parser.isSet(alpha))
            world.alpha = static_cast<int>(numberOption(QStringLiteral("alpha"), parser.value(alpha), 0, 100));
        if (parser.isSet(beta))
            world.beta = static_cast<int>(numberOption(QStringLiteral("beta"), parser.value(beta), 0, 100));
        if (parser.isSet(ro))
            world.ro = fractionOption(QStringLiteral("ro"), parser.value(ro), 0.0, 1.0);
        if (parser.isSet(home))
            world.home = cellOption(QStringLiteral("home"), parser.value(home), world.size);
        if (parser.isSet(food))
            world.food = cellOption(QStringLiteral("food"), parser.value(food), world.size);
        if (world.home == world.food) {
            const bool foodGiven = parser.isSet(food);
            reject(foodGiven ? QStringLiteral("food") : QStringLiteral("home"), cellText(world.home),
                   foodGiven ? QStringLiteral("the same cell as home") : QStringLiteral("the same cell as food"));
        }
        for (const QString &value : parser.values(obstacle)) {
            const Cell cell = cellOption(QStringLiteral("obstacle"), value, world.size);
            if (cell == world.home)
                reject(QStringLiteral("obstacle"), value, QStringLiteral("on the home cell"));
            if (cell == world.food)
                reject(QStringLiteral("obstacle"), value, QStringLiteral("on the food cell"));
            world.addObstacle(cell);
        }
        // An obstacle of the example or the file under a moved home or food.
        if (world.isObstacle(world.home))
            reject(QStringLiteral("home"), cellText(world.home), QStringLiteral("on an obstacle"));
        if (world.isObstacle(world.food))
            reject(QStringLiteral("food"), cellText(world.food), QStringLiteral("on an obstacle"));

        if (parser.isSet(generations)) {
            result.generations = static_cast<int>(
                numberOption(QStringLiteral("generations"), parser.value(generations), 1, kMaxGenerations));
        }
        if (parser.isSet(seed)) {
            result.seed = static_cast<std::uint32_t>(
                numberOption(QStringLiteral("seed"), parser.value(seed), 0, 4294967295LL));
            result.seedGiven = true;
        }
        if (parser.isSet(repeat))
            result.repeat = static_cast<int>(numberOption(QStringLiteral("repeat"), parser.value(repeat), 1, kMaxRepeat));

        result.csvPath = parser.value(csv);
        result.pngPath = parser.value(png);
        result.chartPath = parser.value(chart);
        for (const auto &[option, path] : {std::pair{&csv, result.csvPath}, std::pair{&png, result.pngPath},
                                           std::pair{&chart, result.chartPath}}) {
            if (parser.isSet(*option) && path.isEmpty())
                reject(option->names().first(), QStringLiteral("''"), QStringLiteral("expected a file name"));
        }
        if (result.pngPath == QLatin1String("-") || result.chartPath == QLatin1String("-")) {
            const QString name = result.pngPath == QLatin1String("-") ? QStringLiteral("png") : QStringLiteral("chart");
            reject(name, QStringLiteral("-"), QStringLiteral("pictures go to a file, not to standard output"));
        }

        if (parser.isSet(dump)) {
            const QString kind = parser.value(dump);
            if (kind == QLatin1String("tables"))
                result.dump = Dump::Tables;
            else if (kind == QLatin1String("map"))
                result.dump = Dump::Map;
            else if (kind == QLatin1String("path"))
                result.dump = Dump::Path;
            else
                reject(QStringLiteral("dump"), kind, QStringLiteral("expected tables, map or path"));
            if (result.csvToStandardOutput())
                reject(QStringLiteral("dump"), kind, QStringLiteral("cannot share standard output with --csv -"));
        }
        if (parser.isSet(dumpAnt)) {
            if (result.dump != Dump::Map && result.dump != Dump::Path)
                reject(QStringLiteral("ant"), parser.value(dumpAnt), QStringLiteral("only used with --dump map or path"));
            result.dumpAnt = static_cast<int>(numberOption(QStringLiteral("ant"), parser.value(dumpAnt), 0,
                                                           world.ants - 1,
                                                           QStringLiteral("the colony has %1 ants").arg(world.ants)));
        }

        // Checked last: a stray word is often the value of an option that
        // took the next option for its own, and that option's error says more.
        if (!parser.positionalArguments().isEmpty()) {
            throw OptionError{QStringLiteral("unexpected argument '%1' (options start with --; see --help)")
                                  .arg(parser.positionalArguments().first())};
        }

        config = result;
        return ParseOutcome::Run;
    } catch (const OptionError &error) {
        message = error.message;
        return ParseOutcome::Error;
    }
}
