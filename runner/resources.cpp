#include "resources.h"

#include <algorithm>

namespace {

// The engine's tables of a cell: routing, pheromone and heuristic, and the
// textbook rules' tau, eta^beta and weights, as doubles; its lookup grid and
// list of dead ends are smaller.
constexpr long long kTableBytesPerCell = 6 * sizeof(double) + 2 * sizeof(int) + 1;
// An ant records its path in two ints per cell of the grid.
constexpr long long kAntBytesPerCell = 2 * sizeof(int);

QString gigabytes(long long bytes)
{
    return QString::number(static_cast<double>(bytes) / (1LL << 30), 'f', 1) + QStringLiteral(" GB");
}

} // namespace

void fitJobsToCores(RunConfig &config, int cores, QString &notice)
{
    notice.clear();
    if (config.jobs <= cores)
        return;
    notice = QStringLiteral("--jobs %1: this machine has %2 cores; running %2 runs at a time").arg(config.jobs).arg(cores);
    config.jobs = cores;
}

long long colonyBytes(const RunConfig &config)
{
    int ants = 0;
    for (const Setting &setting : config.settings)
        ants = std::max(ants, settingWorld(config.world, setting).ants);
    const long long cells = static_cast<long long>(config.world.size) * config.world.size;
    return cells * (kTableBytesPerCell + ants * kAntBytesPerCell);
}

bool coloniesFit(const RunConfig &config, long long available, QString &error)
{
    const long long colonies = std::min<long long>(config.jobs, config.runCount() / config.shards + 1);
    const long long needed = colonies * colonyBytes(config);
    if (available <= 0 || needed <= available)
        return true;
    error = QStringLiteral("colonies of %1x%1 cells, %2 at a time, need about %3; about %4 of memory is free "
                           "(fewer --jobs or --ants)")
                .arg(config.world.size)
                .arg(colonies)
                .arg(gigabytes(needed), gigabytes(available));
    return false;
}
