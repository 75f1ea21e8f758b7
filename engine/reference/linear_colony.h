#ifndef VORMIS_LINEAR_COLONY_H
#define VORMIS_LINEAR_COLONY_H

#include "world.h"

#include <vector>

// The straightforward form of the colony's walk, kept as the reference the
// engine is measured and checked against: every neighbour test scans the
// obstacle list and the ant's whole path.  It reads the world's values and
// deliberately shares no behaviour with the engine.
class LinearColony
{
public:
    struct Ant
    {
        int x = 0, y = 0, steps = 1, pathLength = 1;
        bool atFood = false;
        std::vector<int> pathX, pathY;
    };

    LinearColony(const World &world, unsigned seed);
    void runGeneration();

    std::vector<Ant> ants;
    std::vector<std::vector<double>> routing, pheromone, heuristic;
    int arrivals = 0;

private:
    bool isObstacle(int x, int y) const;
    bool isOnPath(const Ant &ant, int x, int y) const;
    bool chooseNextCell(const Ant &ant, int &nextX, int &nextY);
    double nextFraction();

    World m_world;
    unsigned m_state;
};

#endif
