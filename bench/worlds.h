#ifndef VORMIS_BENCH_WORLDS_H
#define VORMIS_BENCH_WORLDS_H

#include "colony.h"
#include "linear_colony.h"

// The worlds the engine is measured on, usable by both colonies.
namespace worlds {

inline LinearWorld startUp()
{
    return LinearWorld{};
}

inline LinearWorld example()
{
    LinearWorld w;
    w.size = 8;
    w.ants = 4;
    w.homeX = 0;
    w.homeY = 4;
    w.foodX = 7;
    w.foodY = 4;
    w.alpha = 0;
    w.beta = 2;
    w.ro = 0.2;
    const int cells[20][2] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {2, 3}, {3, 3}, {4, 3}, {5, 3},
                              {2, 4}, {3, 4}, {4, 4}, {5, 4}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}};
    for (const auto &cell : cells)
        w.obstacles.emplace_back(cell[0], cell[1]);
    return w;
}

inline LinearWorld large()
{
    LinearWorld w;
    w.size = 30;
    w.ants = 30;
    w.foodX = w.foodY = 29;
    return w;
}

// Sets a colony up for a world the way the window does: setters, reset, then
// the obstacles.
inline void apply(Colony &colony, const LinearWorld &w, unsigned seed)
{
    colony.setSize(w.size);
    colony.setAntCount(w.ants);
    colony.setHome(w.homeX, w.homeY);
    colony.setFood(w.foodX, w.foodY);
    colony.setAlpha(w.alpha);
    colony.setBeta(w.beta);
    colony.setRo(w.ro);
    colony.reset();
    for (const auto &cell : w.obstacles)
        colony.addObstacle(cell.first, cell.second);
    colony.seedRandom(seed);
}

} // namespace worlds

#endif
