#ifndef VORMIS_OPTIONS_OPTIONS_H
#define VORMIS_OPTIONS_OPTIONS_H

#include "sweep.h"
#include "world.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

enum class Dump { None, Tables, Map, Path };

// What a sweep's chart shows of each setting (--chart-y): the mean best
// length, the late mean length, the mean generation the shortest possible
// path was first found, or the share of the ants that reached the food.
enum class ChartMeasure { Best, Late, First, Arrived };
const char *chartMeasureName(ChartMeasure measure); // as --chart-y takes it: "best", ...

constexpr int kMaxGenerations = 1000000;
// Keeps the integer sums behind the statistics exact (see experiment.cpp).
constexpr int kMaxRepeat = 1000;
constexpr int kMaxJobs = 256;

// What one invocation asks for.
struct RunConfig
{
    World world; // the base of every setting; a plain run's own world
    ParameterValues parameters;                    // each parameter's values
    std::array<bool, kParameterCount> parameterGiven{}; // on the command line
    std::vector<Setting> settings;                 // one for a plain run
    QString worldOptions; // the options that made the world, as given and quoted for a shell
    QString worldFile;    // --world's file, empty for none

    int generations = 100;
    std::uint32_t seed = 0;
    bool seedGiven = false; // otherwise the caller takes one from the clock
    int repeat = 1;
    QString csvPath;   // "-" for standard output, empty for none
    QString pngPath;   // empty for none
    QString chartPath; // empty for none
    QString chartAxis; // --chart-x: a parameter's name; empty: chosen by chartAxis()
    ChartMeasure chartMeasure = ChartMeasure::Best;
    bool chartMeasureGiven = false;
    QString summaryCsvPath; // empty for none
    QString gifPath;        // empty for none
    int gifEvery = 0;       // a frame every gifEvery generations; 0: about 100 frames
    Dump dump = Dump::None;
    int dumpAnt = 0;
    int jobs = 1;       // threads running runs
    int shard = 1;      // this process does runs shard, shard + shards, ...
    int shards = 1;
    bool sharded = false;      // --shard given: the CSV is a shard file
    QStringList mergeFiles;    // --merge: the shard files to merge

    bool csvToStandardOutput() const { return csvPath == QLatin1String("-"); }
    bool isSweep() const { return settings.size() > 1; }
    long long runCount() const { return static_cast<long long>(settings.size()) * repeat; }
    bool merging() const { return !mergeFiles.isEmpty(); }
};

// At most this many frames in --gif: a run's animation is for slides, not a film.
constexpr int kMaxGifFrames = 1000;
// The frame spacing of --gif when --gif-every is not given: about 100 frames.
int defaultGifEvery(int generations);
// Frames of a run of that many generations: every K-th generation and the last.
int gifFrameCount(int generations, int every);

// The parameter along a sweep's chart: --chart-x, or else the swept
// parameter with the most values that every setting has (on a tie, the
// first in the order of the settings).  False, with one line in error, when
// --chart-x is not swept, is not taken by every rule of the sweep, or when
// --chart-x or --chart-y is given for one setting, whose chart shows the
// generations.
bool chartAxis(const RunConfig &config, Parameter &axis, QString &error);

enum class ParseOutcome { Run, Help, Version, Error };

// Which program reads its command line: vormis-run takes every option, the
// window only those of a world, its rule and a seed, within its own limits.
enum class Program { Runner, Window };

// A limit of the window's within the option's own: a value beyond it is
// refused in the window's words.
struct WindowLimit
{
    QString option;  // "size"
    double low = 0;
    double high = 0;
    QString limit;   // the window's, from low (%1) to high (%2): "the window shows %1 to %2 ants"
    QString runner;  // what vormis-run takes instead: "vormis-run takes up to 1000"
    QString help;    // the option's help in the window
};

// What the window takes of the options: its description, limits and help.
struct WindowProfile
{
    QString description;
    std::vector<WindowLimit> limits;
    int largestWorld = 0; // cells a side of a world file
    QString largerWorld;  // why a larger one is refused, after "a 50x50 world; "
    QString seedHelp;
};

// What the window is asked to open.
struct WindowStart
{
    bool given = false; // any option at all; without one the window starts as always
    World world;
    QString worldFile;  // --world's file, empty for none
    std::optional<std::uint32_t> seed;
    bool unknownOption = false; // the error: an option neither program knows (Qt's own, perhaps)
    QStringList unknownOptions; // their names, without dashes
};

// Reads the command line (arguments[0] is the program) into config.  On Help
// and Version, message is the text to print; on Error, it is one line naming
// the option and the value at fault, without the program's name.  A world
// file given with --world is read here.
ParseOutcome parseCommandLine(const QStringList &arguments, RunConfig &config, QString &message);

// A sweep from a file rather than a command line, as a shard file holds it.
// setSweepField reads the value of one option of a sweep (a parameter,
// "generations", "seed", "repeat" or "shard") into config exactly as the
// option reads it; nothing else may be given this way.  Set the world first,
// the rule before q0 and xi, the seed before the shard.  finishSweep then
// works out the settings within the command line's limits.  On failure,
// error is one line in the option's words.
bool setSweepField(RunConfig &config, const QString &name, const QString &value, QString &error);
bool finishSweep(RunConfig &config, QString &error);

// The error for an option neither program knows (name without dashes).
QString unknownOptionMessage(const QString &name);
// A message as one line, whatever a value or a file's name in it holds: a
// control character is shown as an escape ("\x0a").
QString oneLine(QString message);

// The same for the window: the same options mean the same and fail with the
// same words, and a value beyond the window's limits is refused in its words.
ParseOutcome parseWindowCommandLine(const QStringList &arguments, const WindowProfile &window, WindowStart &start,
                                    QString &message);

#endif
