#ifndef VORMIS_SHARDS_MERGE_H
#define VORMIS_SHARDS_MERGE_H

#include "options.h"
#include "shardheader.h"
#include "shardlines.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A shard file is the CSV that `--shard K/N --csv FILE` writes: its header
// (shardheader.h), then the rows of the sweep's runs K, K + N, ..., exactly
// as the whole sweep writes them, each run closed by a line with what its
// rows cannot give exactly, and the file closed by its checksum:
//
//   2,1,1,...                 the rows of run 2
//   #run 2 late 5210 402 restarts 0
//                             its path lengths and arrivals over the late
//                             generations, and how often its pheromone
//                             started afresh
//   ...                       the next run of the shard
//   #end crc32 89abcdef       the CRC-32 of every byte before this line
//
// The merge takes a file only if every row is where the sweep puts it, every
// number is one a run can give (no path shorter than the shortest possible or
// longer than the free cells, no more ants at the food than the colony has,
// arrivals that add up, a best that is the best so far, late totals that
// match the rows' means) and the checksum matches.

std::string shardRunLine(long long run, long long lateLengthSum, long long lateArrivals, int restarts);
std::string shardEnd(const ShardChecksum &checksum);

// What the merge takes of a run: its totals and, for the chart of one
// setting, its lengths per generation.
struct ShardRun
{
    int run = 0;
    std::uint32_t seed = 0;
    int best = 0;           // 0 when no ant reached the food
    int bestGeneration = 0; // where best was first reached
    long long lateLengthSum = 0;
    long long lateArrivals = 0;
    int restarts = 0;
    long long arrivals = 0;          // over the whole run
    std::vector<int> bestSoFar;      // per generation, 0 while there is none
    std::vector<int> generationBest; // the generation's shortest, 0 for none
};

// Where a run's rows are, and their checksum, which finds a file changed
// between its readings.
struct ShardSpan
{
    int file = -1;
    qint64 offset = 0;
    qint64 length = 0;
    std::uint32_t checksum = 0;
};

struct ShardSet
{
    QStringList files;
    std::string csvHeader;
    RunConfig config;             // the sweep, unsharded
    QByteArray sweep;             // its fields, the same in every file
    std::vector<ShardSpan> runs;  // index run - 1
};

using ShardRunHandler = std::function<void(const ShardRun &run)>;

// Reads the sweep from the files' headers, whose CSV header must be
// csvHeader: they must all hold the same sweep.
bool readShardSweep(const QStringList &files, const std::string &csvHeader, ShardSet &set, QString &error);
// Reads and checks every run, calling onRun for each in the files' order;
// together the files must hold each run of the sweep once and whole.  The
// last lateGenerations generations of a run are its late ones.
bool readShardRuns(ShardSet &set, int lateGenerations, const ShardRunHandler &onRun, QString &error);
// The CSV's header and the rows of every run, in run order, as the
// unsharded sweep writes them, in pieces of at most a megabyte.
bool copyShardRows(const ShardSet &set, const std::function<void(const QByteArray &)> &write, QString &error);

#endif
