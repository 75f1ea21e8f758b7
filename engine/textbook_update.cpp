// The textbook rules' pheromone updates, after all ants of a generation
// have walked.
#include "textbook.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool arrivedWithPath(const AntState &ant)
{
    return ant.atFood && ant.pathLength >= 2;
}

// The shortest arrival of the generation, the lower index on ties; -1 for none.
int shortestArrival(const std::vector<AntState> &ants)
{
    int shortest = -1;
    for (std::size_t i = 0; i < ants.size(); ++i) {
        const AntState &ant = ants[i];
        if (arrivedWithPath(ant)
            && (shortest < 0 || ant.pathLength < ants[static_cast<std::size_t>(shortest)].pathLength))
            shortest = static_cast<int>(i);
    }
    return shortest;
}

// The longest arrival of the generation, the lower index on ties; -1 for none.
int longestArrival(const std::vector<AntState> &ants)
{
    int longest = -1;
    for (std::size_t i = 0; i < ants.size(); ++i) {
        const AntState &ant = ants[i];
        if (arrivedWithPath(ant)
            && (longest < 0 || ant.pathLength > ants[static_cast<std::size_t>(longest)].pathLength))
            longest = static_cast<int>(i);
    }
    return longest;
}

// The arrivals of the generation, shortest first, the lower index first
// among equals.
std::vector<std::size_t> arrivalsByLength(const std::vector<AntState> &ants)
{
    std::vector<std::size_t> arrivals;
    for (std::size_t i = 0; i < ants.size(); ++i)
        if (arrivedWithPath(ants[i]))
            arrivals.push_back(i);
    std::stable_sort(arrivals.begin(), arrivals.end(),
                     [&ants](std::size_t a, std::size_t b) { return ants[a].pathLength < ants[b].pathLength; });
    return arrivals;
}

// MAX-MIN's schedule: the best path so far deposits instead of the
// generation's best in every k-th generation since the reset or the last
// restart, k growing less as the search goes on; 0: never.
int bestSoFarEvery(int generation)
{
    struct Stage
    {
        int until;
        int every;
    };
    constexpr Stage kSchedule[] = {{25, 0}, {75, 5}, {125, 3}, {250, 2}};
    for (const Stage &stage : kSchedule)
        if (generation <= stage.until)
            return stage.every;
    return 1;
}

} // namespace

// After all ants have walked; every rule but Ant Colony System (whose
// weights follow each cell it changes) then works all weights out afresh.
void Colony::Textbook::updateTau(Colony &c)
{
    switch (c.m_tablesRule) {
    case Rule::AntColonySystem:
        updateColonySystem(c);
        return;
    case Rule::AntSystem:
    case Rule::ElitistAntSystem:
        updateAntSystem(c);
        break;
    case Rule::RankBasedAntSystem:
        updateRankBased(c);
        break;
    case Rule::MaxMinAntSystem:
        updateMaxMin(c);
        break;
    case Rule::BestWorstAntSystem:
        updateBestWorst(c);
        break;
    case Rule::Vormis:
        break;
    }
    refreshWeights(c);
}

// Ant System: every cell evaporates, tau <- (1 - ro) tau, then every
// arriving ant leaves Q / L on each cell of its path.  Elitist Ant System:
// the best path so far then gets e Q / L_best more.
void Colony::Textbook::updateAntSystem(Colony &c)
{
    evaporate(c, 1.0 - rate(c.m_ro));
    for (const AntState &ant : c.m_ants)
        if (ant.atFood && ant.pathLength > 0)
            depositOn(c, ant, kDeposit / ant.pathLength);
    if (c.m_tablesRule != Rule::ElitistAntSystem)
        return;
    keepBest(c);
    if (c.m_textbook->bestLength > 0)
        depositOnBest(c, std::max(c.m_elite, 0) * kDeposit / c.m_textbook->bestLength);
}

// Ant Colony System: the cells of the best path so far, and only they, move
// towards Q / L_best: tau <- (1 - ro) tau + ro Q / L_best.
void Colony::Textbook::updateColonySystem(Colony &c)
{
    TextbookMemory &memory = *c.m_textbook;
    const double ro = rate(c.m_ro);
    const double keep = 1.0 - ro;
    keepBest(c);
    for (const Cell &cell : memory.bestPath) {
        double &tau = c.m_pheromone[cell.x][cell.y];
        tau = keep * tau + ro * kDeposit / memory.bestLength;
        setWeight(c, cell.x, cell.y);
    }
}

// Rank-based Ant System: every cell evaporates; the w - 1 shortest
// arrivals of the generation leave (w - r) Q / L, r their rank from 1, and
// the best path so far w Q / L_best.
void Colony::Textbook::updateRankBased(Colony &c)
{
    const int w = std::max(c.m_rank, 1);
    evaporate(c, 1.0 - rate(c.m_ro));
    keepBest(c);
    const std::vector<std::size_t> ranked = arrivalsByLength(c.m_ants);
    for (int r = 1; r < w && r <= static_cast<int>(ranked.size()); ++r) {
        const AntState &ant = c.m_ants[ranked[static_cast<std::size_t>(r - 1)]];
        depositOn(c, ant, (w - r) * kDeposit / ant.pathLength);
    }
    if (c.m_textbook->bestLength > 0)
        depositOnBest(c, w * kDeposit / c.m_textbook->bestLength);
}

// MAX-MIN Ant System: every cell evaporates; the generation's best ant
// leaves Q / L on its path, or on the schedule above the best path so far
// Q / L_best; tau is held within its bounds.  After restartAfter
// generations without a shorter path, every cell starts afresh at tau_max.
void Colony::Textbook::updateMaxMin(Colony &c)
{
    TextbookMemory &memory = *c.m_textbook;
    evaporate(c, 1.0 - rate(c.m_ro));
    const int best = shortestArrival(c.m_ants);
    memory.sinceImprovement = keepBest(c) ? 0 : memory.sinceImprovement + 1;
    const int every = bestSoFarEvery(++memory.sinceRestart);
    if (every > 0 && memory.sinceRestart % every == 0 && memory.bestLength > 0) {
        depositOnBest(c, kDeposit / memory.bestLength);
    } else if (best >= 0) {
        const AntState &ant = c.m_ants[static_cast<std::size_t>(best)];
        depositOn(c, ant, kDeposit / ant.pathLength);
    }
    clampTau(c);
    if (c.m_restartAfter > 0 && memory.sinceImprovement >= c.m_restartAfter)
        restart(c, memory.tauMax);
}

// Best-Worst Ant System: every cell evaporates and the best path so far
// leaves Q / L_best; the cells of the generation's longest arrival that are
// not on the best path evaporate once more.  When at most one cell in
// kRestartShare of that path is off the best one, the colony has converged
// and every cell starts afresh at tau0; otherwise the pheromone mutates.
void Colony::Textbook::updateBestWorst(Colony &c)
{
    TextbookMemory &memory = *c.m_textbook;
    const double keep = 1.0 - rate(c.m_ro);
    evaporate(c, keep);
    keepBest(c);
    ++memory.sinceRestart;
    if (memory.bestLength == 0)
        return;
    depositOnBest(c, kDeposit / memory.bestLength);
    const int worst = longestArrival(c.m_ants);
    if (worst < 0) {
        mutate(c);
        return;
    }
    for (const Cell &cell : memory.bestPath)
        c.cellFlag(cell.x, cell.y) |= OnPath;
    const AntState &ant = c.m_ants[static_cast<std::size_t>(worst)];
    int offBest = 0;
    for (int k = 0; k < ant.pathLength; ++k) {
        const int x = ant.path[0][k];
        const int y = ant.path[1][k];
        if (c.cellFlag(x, y) & OnPath)
            continue;
        c.m_pheromone[x][y] *= keep;
        ++offBest;
    }
    for (const Cell &cell : memory.bestPath)
        c.cellFlag(cell.x, cell.y) &= ~OnPath;
    if (offBest * kRestartShare <= ant.pathLength)
        restart(c, memory.tau0);
    else
        mutate(c);
}

// Best-Worst's mutation: each row x of the pheromone table, with chance
// kMutationChance, has one cell, drawn at random, gain or lose (even odds)
// sigma * tau_best * progress, tau_best being the mean tau of the best
// path's cells and progress growing from 0 at the reset or a restart to 1
// after kMutationRamp generations.  No tau falls below 0.
void Colony::Textbook::mutate(Colony &c)
{
    const TextbookMemory &memory = *c.m_textbook;
    double onBest = 0.0;
    for (const Cell &cell : memory.bestPath)
        onBest += c.m_pheromone[cell.x][cell.y];
    const double progress = std::min(1.0, static_cast<double>(memory.sinceRestart) / kMutationRamp);
    const double strength = kMutationStrength * onBest / static_cast<double>(memory.bestPath.size()) * progress;
    const int n = c.m_gridSide;
    for (int x = 0; x < n; ++x) {
        if (c.nextRandom() / 32768.0 >= kMutationChance)
            continue;
        const int y = static_cast<int>(static_cast<long long>(c.nextRandom()) * n / 32768);
        double &tau = c.m_pheromone[x][y];
        tau = std::max(0.0, c.nextRandom() < 16384 ? tau + strength : tau - strength);
    }
}

// ---- the parts the updates share -------------------------------------------

void Colony::Textbook::evaporate(Colony &c, double keep)
{
    const int n = c.m_gridSide;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            c.m_pheromone[x][y] *= keep;
}

void Colony::Textbook::depositOn(Colony &c, const AntState &ant, double amount)
{
    for (int k = 0; k < ant.pathLength; ++k)
        c.m_pheromone[ant.path[0][k]][ant.path[1][k]] += amount;
}

void Colony::Textbook::depositOnBest(Colony &c, double amount)
{
    for (const Cell &cell : c.m_textbook->bestPath)
        c.m_pheromone[cell.x][cell.y] += amount;
}

// Keeps the generation's shortest arrival when it is shorter than the best
// path so far; returns whether it was.
bool Colony::Textbook::keepBest(Colony &c)
{
    TextbookMemory &memory = *c.m_textbook;
    const int shortest = shortestArrival(c.m_ants);
    if (shortest < 0)
        return false;
    const AntState &ant = c.m_ants[static_cast<std::size_t>(shortest)];
    if (memory.bestLength > 0 && ant.pathLength >= memory.bestLength)
        return false;
    memory.bestLength = ant.pathLength;
    memory.bestPath.clear();
    for (int k = 0; k < ant.pathLength; ++k)
        memory.bestPath.push_back({ant.path[0][k], ant.path[1][k]});
    return true;
}

// tau_max = Q / (ro L_best), with L0 standing in for L_best until a path
// is known; tau_min from p_best, the chance that an ant with tau_max on the
// best path and tau_min on the other avg - 1 choices of each of its n steps
// walks that path: p_best^(1/n) = tau_max^a / (tau_max^a + (avg - 1) tau_min^a),
// so tau_min = tau_max ((1 - p_best^(1/n)) / ((avg - 1) p_best^(1/n)))^(1/a)
// with a = alpha (the paper's alpha 1 for alpha 0, where tau does not count).
void Colony::Textbook::clampTau(Colony &c)
{
    TextbookMemory &memory = *c.m_textbook;
    const double ro = std::max(rate(c.m_ro), kLeastRo);
    const int length = memory.bestLength > 0 ? memory.bestLength : straightLength(c);
    memory.tauMax = kDeposit / (ro * length);
    const double root = std::pow(kBestChance, 1.0 / std::max(length - 1, 1));
    double ratio = (1.0 - root) / ((kChoicesPerStep - 1.0) * root);
    if (c.m_alpha > 1)
        ratio = std::pow(ratio, 1.0 / c.m_alpha);
    memory.tauMin = std::min(memory.tauMax, memory.tauMax * ratio);
    const int n = c.m_gridSide;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            c.m_pheromone[x][y] = std::clamp(c.m_pheromone[x][y], memory.tauMin, memory.tauMax);
}

// Every cell at tau, and the count of the restarts and the generations
// since start again.
void Colony::Textbook::restart(Colony &c, double tau)
{
    TextbookMemory &memory = *c.m_textbook;
    const int n = c.m_gridSide;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            c.m_pheromone[x][y] = tau;
    ++memory.restarts;
    memory.sinceRestart = 0;
    memory.sinceImprovement = 0;
}
