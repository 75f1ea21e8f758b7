#ifndef VORMIS_RUNNER_MERGE_H
#define VORMIS_RUNNER_MERGE_H

#include "experiment.h"
#include "options.h"

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

// A shard file is the CSV that `--shard K/N --csv FILE` writes: the rows of
// the sweep's runs K, K + N, ..., exactly as the whole sweep writes them, with
// what the merge needs besides in lines that start with '#':
//
//   #vormis-run shard 2/8 of the sweep: --size 10 --home 0,0 --food 9,9 ...
//   #world options as given: --example
//   #parameters as given: alpha ro
//   run,seed,generation,...            the CSV's header
//   2,1,1,...                          the rows of run 2
//   #run 2 late 5210 402 restarts 0    its late path lengths and arrivals, and
//                                      how often its pheromone started afresh
//   ...                                the next run of the shard
//   #end
//
// The first line is the whole sweep as options (the world drawn cell by
// cell, every parameter's values, the generations, seeds and runs), so the
// merge needs nothing but the files.  The late lengths are there because the
// rows give the mean lengths only to two decimals, the restarts because the
// rows do not give them at all.  "#end" marks a file that was written to
// its end.

std::string shardPreamble(const RunConfig &config);
std::string shardRunLine(const RunResult &result);
std::string shardEnd();

// Where a run's rows are: bytes [offset, offset + length) of a file.
struct ShardRun
{
    int file = -1;
    qint64 offset = 0;
    qint64 length = 0;
};

struct ShardSet
{
    QStringList files;
    RunConfig config;            // the sweep, unsharded
    std::vector<ShardRun> runs; // index run - 1
};

// Called for each run as it is read, in the files' order.
using ShardRunHandler = std::function<void(const RunResult &result, const std::vector<int> &bestSoFar,
                                           const std::vector<int> &generationBest)>;

// Reads the sweep from the files' first lines: they must all describe the
// same sweep.
bool readShardSweep(const QStringList &files, ShardSet &set, QString &error);
// Reads every row and checks that together the files hold each run of the
// sweep once and whole.
bool readShardRuns(ShardSet &set, const ShardRunHandler &onRun, QString &error);
// The rows of every run, in run order, as the unsharded sweep writes them.
bool copyShardRows(const ShardSet &set, const std::function<void(const QByteArray &)> &write, QString &error);

#endif
