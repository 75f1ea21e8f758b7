#ifndef VORMIS_GENERATIONTRACKER_H
#define VORMIS_GENERATIONTRACKER_H

#include "world.h"

#include <vector>

class Colony;
struct AntState;

// The best length the window shows while no path is known since the last
// reset: longer than any path can be.
constexpr int kNoPathYet = 32000;

// What one generation left behind.  Lengths are in cells, home and food
// included; 0 means there is none.
struct GenerationResult
{
    int generation = 0;      // from 1 since the last reset
    int arrivals = 0;        // the colony's running total since its reset
    int antsAtFood = 0;
    long long lengthSum = 0; // of the paths of the ants at the food
    int shortest = 0;        // the generation's shortest arrival
    int shortestAnt = -1;    // its ant, the lowest index on ties
    bool improved = false;   // it replaced the best so far
};

// Follows a colony generation by generation and keeps the best path so far.
// A generation's shortest arrival (ties to the lower index) replaces the best
// only when it is strictly shorter and has at least one step (2 cells); the
// best remembers the generation it was first found in.
class GenerationTracker
{
public:
    // Forgets everything, for a colony that has just been reset.
    void reset();
    // To be called after each runGeneration.
    const GenerationResult &observe(const Colony &colony);
    // After the colony's world was edited: forgets the best path when it no
    // longer leads from home to food or crosses an obstacle, so that any
    // later arrival can replace it.  True when it was forgotten.
    bool dropBrokenBest(const Colony &colony);

    const GenerationResult &last() const { return m_last; }
    int best() const { return m_best; } // 0 while none is known
    int bestGeneration() const { return m_bestGeneration; }
    const std::vector<Cell> &bestPath() const { return m_bestPath; }

private:
    GenerationResult m_last;
    int m_best = 0;
    int m_bestGeneration = 0;
    std::vector<Cell> m_bestPath;
};

// The first `length` cells of an ant's recorded path (fewer if it has fewer).
std::vector<Cell> pathCells(const AntState &ant, int length);

#endif
