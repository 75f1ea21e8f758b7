#ifndef VORMIS_CLI_OPTIONS_H
#define VORMIS_CLI_OPTIONS_H

#include "world.h"

#include <QString>
#include <QStringList>

#include <cstdint>

enum class Dump { None, Tables, Map, Path };

constexpr int kMaxGenerations = 1000000;
// Keeps the integer sums behind the statistics exact (see experiment.cpp).
constexpr int kMaxRepeat = 1000;

// What one invocation asks for.
struct RunConfig
{
    World world;
    int generations = 100;
    std::uint32_t seed = 0;
    bool seedGiven = false; // otherwise the caller takes one from the clock
    int repeat = 1;
    QString csvPath;   // "-" for standard output, empty for none
    QString pngPath;   // empty for none
    QString chartPath; // empty for none
    Dump dump = Dump::None;
    int dumpAnt = 0;

    bool csvToStandardOutput() const { return csvPath == QLatin1String("-"); }
};

enum class ParseOutcome { Run, Help, Version, Error };

// Reads the command line (arguments[0] is the program) into config.  On Help
// and Version, message is the text to print; on Error, it is one line naming
// the option and the value at fault, without the program's name.  A world
// file given with --world is read here.
ParseOutcome parseCommandLine(const QStringList &arguments, RunConfig &config, QString &message);

#endif
