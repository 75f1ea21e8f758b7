#ifndef VORMIS_SHARDS_SHARDHEADER_H
#define VORMIS_SHARDS_SHARDHEADER_H

#include "options.h"
#include "shardlines.h"

#include <QByteArray>
#include <QString>

#include <string>

// The lines of a shard file before the CSV's header: the format and its
// version, the shard, and the sweep as named fields, each once:
//
//   #vormis-run shard file, format 2
//   #shard 2/8
//   #world ........ .######. ........ ..####.. H.####.F ........ ..###### ........
//   #rule vormis
//   #alpha 0
//   #beta 0,1,2,3
//   #ro 0.2
//   #ants 1,2,4,8
//   #generations 100
//   #seed 1
//   #repeat 20
//   #world-options --example
//   #given beta ants
//
// #world draws the grid as a world file does, a row after another, separated
// by spaces.  Each parameter that one of the rules takes has a field with its
// values; a parameter added to the sweep gets one with no change here.
// #world-options are the options that made the world, quoted for a shell
// (the start of the command that repeats a run), #given the parameters the
// command line gave.  Every value is read as its option reads it on the
// command line, with the same limits; no other field is taken.

// The header of the config's shard, each line ending in '\n'.
std::string shardHeader(const RunConfig &config);

// What a shard file's header holds.
struct ShardHeader
{
    RunConfig config; // the whole sweep, unsharded
    int shard = 1;
    int shards = 1;
    QByteArray sweep; // the fields but #shard, as read: the same in every file of a sweep
};

// Reads and checks the header, up to and including the CSV's header line,
// which must be csvHeader.  error is one line naming the file and the line.
bool readShardHeader(LineReader &reader, const std::string &csvHeader, ShardHeader &header, QString &error);

#endif
