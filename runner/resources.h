#ifndef VORMIS_RUNNER_RESOURCES_H
#define VORMIS_RUNNER_RESOURCES_H

#include "options.h"

#include <QString>

// What a sweep asks of the machine, checked before any run starts.

// --jobs beyond the cores only keeps more colonies in memory at once: it is
// lowered to the cores, with a line saying so in notice; empty when jobs
// stays as it was.
void fitJobsToCores(RunConfig &config, int cores, QString &notice);

// The bytes one colony of the largest setting takes: the ants' paths (two
// ints per cell each) and the tables (a few doubles per cell).
long long colonyBytes(const RunConfig &config);

// Whether the colonies alive at once (one per thread) fit in the available
// bytes; 0 means unknown, and fits.  Otherwise error says what they need.
bool coloniesFit(const RunConfig &config, long long available, QString &error);

#endif
