// Feeds the fuzzer's bytes to vormis-run's world-file reader and to its
// command-line handling.  Both must answer every input with a world (a run
// configuration) or with a clear error: no crash, no hang, no leak.
//
// Input layout: an optional block of arguments, one per line, ended by a
// line "%%"; everything after it (or the whole input, without such a line)
// is the text of a world file.
//
//     --size
//     7
//     --world=@W
//     %%
//     H..
//     .#.
//     ..F
//
// The world text is parsed directly, then read again as a file with
// readWorldFile; that file (in memory, so nothing is written to disk) is what
// the placeholder "@W" in an argument stands for.  Every '/' is taken out of the arguments first, so --world can name
// no file but that one and names in the current folder: never /dev/stdin or
// another file that would block or be large.  The options are only parsed:
// parseCommandLine reads --world but opens none of the outputs.

#include "application.h"
#include "colony.h"
#include "options.h"
#include "worldfile.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace {

QString worldFilePath; // "/proc/self/fd/N" of the in-memory file
int worldFileFd = -1;

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz_world: broken promise: CHECK(%s) %s\n", what, detail.toLocal8Bit().constData());
    std::fflush(stderr);
    std::abort();
}

// CHECK(condition, detail): the detail (a QString) is worked out only when
// the condition fails.
#define CHECK(condition, ...)                              \
    do {                                                   \
        if (!(condition))                                  \
            fail(#condition, QString(__VA_ARGS__));        \
    } while (false)

// What a world file means, worked out line by line without the reader: the
// lines (a final newline dropped, one '\r' taken off each line end), and
// whether they make a world: N lines of N characters from ". # H F", N from
// 3 to 100, exactly one H and one F.
struct Drawing
{
    std::vector<std::string> lines;
    bool valid = false;
    World world;
};

Drawing readDrawing(const std::string &text)
{
    Drawing d;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        d.lines.push_back(line);
        start = end + 1;
    }
    const std::size_t n = d.lines.empty() ? 0 : d.lines.front().size();
    if (n < 3 || n > 100 || d.lines.size() != n)
        return d;
    int homes = 0;
    int foods = 0;
    World w = World::startUp();
    w.size = static_cast<int>(n);
    for (std::size_t y = 0; y < n; ++y) {
        if (d.lines[y].size() != n)
            return d;
        for (std::size_t x = 0; x < n; ++x) {
            const Cell cell{static_cast<int>(x), static_cast<int>(y)};
            switch (d.lines[y][x]) {
            case '.': break;
            case '#': w.obstacles.push_back(cell); break;
            case 'H': ++homes; w.home = cell; break;
            case 'F': ++foods; w.food = cell; break;
            default: return d;
            }
        }
    }
    if (homes != 1 || foods != 1)
        return d;
    d.valid = true;
    d.world = w;
    return d;
}

bool sameCells(std::vector<Cell> a, std::vector<Cell> b)
{
    const auto less = [](Cell p, Cell q) { return p.x != q.x ? p.x < q.x : p.y < q.y; };
    std::sort(a.begin(), a.end(), less);
    std::sort(b.begin(), b.end(), less);
    return a == b;
}

bool sameWorld(const World &a, const World &b)
{
    return a.size == b.size && a.ants == b.ants && a.home == b.home && a.food == b.food && a.alpha == b.alpha
        && a.beta == b.beta && a.ro == b.ro && sameCells(a.obstacles, b.obstacles);
}

void checkWorld(const World &w)
{
    const auto where = [&w] {
        return QStringLiteral("size %1 home %2 food %3").arg(w.size).arg(cellText(w.home), cellText(w.food));
    };
    CHECK(w.size >= 3 && w.size <= 100, where());
    CHECK(w.contains(w.home) && w.contains(w.food) && !(w.home == w.food), where());
    CHECK(!w.isObstacle(w.home) && !w.isObstacle(w.food), where());
    std::vector<unsigned char> seen(static_cast<std::size_t>(w.size) * static_cast<std::size_t>(w.size), 0);
    for (const Cell &cell : w.obstacles) {
        CHECK(w.contains(cell), cellText(cell));
        unsigned char &mark = seen[static_cast<std::size_t>(cell.y) * static_cast<std::size_t>(w.size) + static_cast<std::size_t>(cell.x)];
        CHECK(mark == 0, cellText(cell)); // no obstacle twice
        mark = 1;
    }
    CHECK(w.ants >= 1 && w.ants <= 1000, QString::number(w.ants));
    CHECK(w.alpha >= 0 && w.alpha <= 100 && w.beta >= 0 && w.beta <= 100, where());
    CHECK(w.ro >= 0.0 && w.ro <= 1.0, QString::number(w.ro));

    // No ant path can beat the shortest one, and the shortest one is at
    // least as long as the king's-move distance.
    const int shortest = shortestPathCells(w);
    const int distance = std::max(std::abs(w.home.x - w.food.x), std::abs(w.home.y - w.food.y)) + 1;
    CHECK(shortest == 0 || (shortest >= distance && shortest <= w.size * w.size), QString::number(shortest));
    if (static_cast<long long>(w.size) * w.size * w.ants > 20000)
        return; // a generation on a large world costs too much time per input
    Colony colony(w.size, w.ants);
    w.applyTo(colony);
    colony.seedRandom(7);
    colony.runGeneration();
    for (const AntState &ant : colony.m_ants) {
        if (!ant.atFood)
            continue;
        CHECK(shortest > 0, QString::number(ant.pathLength));
        CHECK(ant.pathLength >= shortest, QStringLiteral("%1 < %2").arg(ant.pathLength).arg(shortest));
    }
}

void setWorldFile(const std::string &text)
{
    CHECK(ftruncate(worldFileFd, 0) == 0, QStringLiteral("ftruncate"));
    if (!text.empty())
        CHECK(pwrite(worldFileFd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()), QStringLiteral("pwrite"));
}

void fuzzWorldText(const std::string &text)
{
    World world = World::startUp();
    world.size = -1; // a failure leaves the caller's world as it was
    const World before = world;
    WorldFileError error;
    const bool ok = parseWorldText(QByteArray(text.data(), static_cast<qsizetype>(text.size())), world, error);
    const Drawing drawing = readDrawing(text);
    CHECK(ok == drawing.valid, error.message);

    // The same text as a file: the same answer.
    setWorldFile(text);
    World fromFile = before;
    WorldFileError fileError;
    const bool fileOk = readWorldFile(worldFilePath, fromFile, fileError);
    CHECK(fileOk == ok && sameWorld(fromFile, world), fileError.message);
    CHECK(fileError.message == error.message && fileError.line == error.line && fileError.column == error.column,
          fileError.message);

    if (ok) {
        CHECK(sameWorld(world, drawing.world), QString::number(world.size));
        checkWorld(world);
        return;
    }
    CHECK(sameWorld(world, before), QStringLiteral("the world changed on an error"));
    // One clear line that says where.
    CHECK(!error.message.isEmpty() && !error.message.contains(QLatin1Char('\n')) && !error.unreadable, error.message);
    const int lines = static_cast<int>(drawing.lines.size());
    CHECK(error.line >= 0 && error.line <= std::max(lines, 1), error.text(QStringLiteral("w")));
    if (error.line > 0 && error.column > 0) {
        const int length = static_cast<int>(drawing.lines[static_cast<std::size_t>(error.line - 1)].size());
        CHECK(error.column <= length + 1, error.text(QStringLiteral("w")));
    }
    CHECK(error.column == 0 || error.line > 0, error.text(QStringLiteral("w")));
}

// Whether the command line asks for help: one of the help options stands
// where an option may stand (not as the value of the option before it, not
// after "--").  The parser offers -h, --help and --help-all (and the
// single-dash forms of the long names).
bool asksForHelp(const QStringList &arguments)
{
    static const QStringList withValue = {
        QStringLiteral("size"), QStringLiteral("ants"), QStringLiteral("home"), QStringLiteral("food"),
        QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("ro"), QStringLiteral("obstacle"),
        QStringLiteral("world"), QStringLiteral("generations"), QStringLiteral("seed"), QStringLiteral("repeat"),
        QStringLiteral("csv"), QStringLiteral("png"), QStringLiteral("chart"), QStringLiteral("dump"),
        QStringLiteral("ant"), QStringLiteral("rule"), QStringLiteral("q0"), QStringLiteral("xi"),
        QStringLiteral("jobs"), QStringLiteral("shard"), QStringLiteral("summary-csv")};
    static const QStringList help = {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("help-all")};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--"))
            return false;
        QString name = argument;
        if (name.startsWith(QLatin1String("--")))
            name.remove(0, 2);
        else if (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        else
            continue;
        if (help.contains(name))
            return true;
        if (withValue.contains(name))
            ++i; // its value
    }
    return false;
}

// Runs after fuzzWorldText(), which left the world text in the file behind @W.
void fuzzCommandLine(const std::vector<std::string> &lines)
{
    QStringList arguments{QStringLiteral("vormis-run")};
    for (const std::string &line : lines) {
        QString argument = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        argument.remove(QLatin1Char('/'));
        argument.replace(QLatin1String("@W"), worldFilePath); // the file holds the world text already
        arguments.push_back(argument);
    }

    RunConfig config;
    config.generations = -7; // must be untouched unless the outcome is Run
    QString message;
    const ParseOutcome outcome = parseCommandLine(arguments, config, message);
    const auto shown = [&] { return arguments.join(QLatin1Char(' ')) + QStringLiteral(" -> ") + message; };
    switch (outcome) {
    case ParseOutcome::Error:
        CHECK(config.generations == -7, shown());
        CHECK(!message.isEmpty() && !message.contains(QLatin1Char('\n')), shown());
        break;
    case ParseOutcome::Help:
    case ParseOutcome::Version:
        CHECK(config.generations == -7, shown());
        CHECK(!message.isEmpty(), shown());
        break;
    case ParseOutcome::Run: {
        // Help asked for is help given (or an error), never a run.
        CHECK(!asksForHelp(arguments), shown());
        checkWorld(config.world);
        CHECK(config.generations >= 1 && config.generations <= kMaxGenerations, shown());
        CHECK(config.repeat >= 1 && config.repeat <= kMaxRepeat, shown());
        CHECK(config.dumpAnt >= 0 && config.dumpAnt < config.world.ants, shown());
        CHECK(config.dump != Dump::Tables || config.dumpAnt == 0, shown());
        CHECK(!(config.dump != Dump::None && config.csvToStandardOutput()), shown());
        CHECK(config.pngPath != QLatin1String("-") && config.chartPath != QLatin1String("-"), shown());
        CHECK(config.merging() || (!config.settings.empty() && config.settings.size() <= kMaxSettings), shown());
        CHECK(config.runCount() <= kMaxRuns, shown());
        CHECK(config.jobs >= 1 && config.jobs <= kMaxJobs, shown());
        CHECK(config.shard >= 1 && config.shard <= config.shards, shown());
        if (!config.settings.empty()) { // the first and last settings; all would be slow
            checkWorld(settingWorld(config.world, config.settings.front()));
            checkWorld(settingWorld(config.world, config.settings.back()));
        }
        break;
    }
    }
}

// Qt's own warnings (an empty file name given to --world, ...) are about
// inputs the options reject anyway; they would only flood the fuzzer's log.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "fuzz_world: Qt fatal: %s\n", message.toLocal8Bit().constData());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quietMessages);
    ensureApplication<QCoreApplication>("vormis-run");
    QCoreApplication::setApplicationName(QStringLiteral("vormis-run"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.0-fuzz"));

    worldFileFd = memfd_create("vormis-fuzz-world", 0);
    if (worldFileFd < 0) {
        std::perror("fuzz_world: memfd_create");
        std::exit(1);
    }
    worldFilePath = QStringLiteral("/proc/self/fd/%1").arg(worldFileFd);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(bytes), size);
    std::vector<std::string> arguments;
    std::string worldText = input;
    std::size_t separator = std::string::npos;
    if (input.compare(0, 3, "%%\n") == 0)
        separator = 0;
    else if (const std::size_t at = input.find("\n%%\n"); at != std::string::npos)
        separator = at + 1;
    if (separator != std::string::npos) {
        worldText = input.substr(separator + 3);
        std::size_t start = 0;
        while (start < separator) {
            const std::size_t end = input.find('\n', start);
            arguments.push_back(input.substr(start, end - start));
            start = end + 1;
        }
    }

    fuzzWorldText(worldText);
    fuzzCommandLine(arguments);
    return 0;
}
