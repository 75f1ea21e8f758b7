#ifndef VORMIS_WORLD_H
#define VORMIS_WORLD_H

#include "rule.h"

#include <vector>

class Colony;

struct Cell
{
    int x = 0;
    int y = 0;
    bool operator==(const Cell &other) const { return x == other.x && y == other.y; }
    bool operator!=(const Cell &other) const { return !(*this == other); }
};

// Everything a colony is built from: the grid, its special cells, the ants
// and the parameters of the transition rule.  A plain value: the window's
// "Example", the runner, the benchmarks and the tests all reach a colony
// through applyTo().
struct World
{
    int size = 10;
    int ants = 5;
    Cell home{0, 0};
    Cell food{9, 9};
    int alpha = 2;
    int beta = 1;
    double ro = 0.1;
    std::vector<Cell> obstacles; // no duplicates
    Rule rule = Rule::Vormis;
    double q0 = kDefaultQ0; // Ant Colony System only
    double xi = kDefaultXi; // Ant Colony System only
    int elite = kDefaultElite;     // Elitist Ant System only
    int rank = kDefaultRank;       // Rank-based Ant System only
    int restart = kDefaultRestart; // MAX-MIN Ant System only

    // The world the program starts with: open, home in one corner, food in
    // the opposite one.
    static World startUp(int size = 10);
    // The window's example: 8 x 8, three walls between home and food.
    static World example();

    bool contains(Cell cell) const { return cell.x >= 0 && cell.y >= 0 && cell.x < size && cell.y < size; }
    bool isObstacle(Cell cell) const;
    // Makes the cell an obstacle; one that is already is left alone.
    void setObstacle(Cell cell);

    // Sets the colony up for this world the way the window does: the
    // setters, a reset, then the obstacles.  The generator is left alone.
    void applyTo(Colony &colony) const;
    // Takes the colony's rule and the rule's own parameters.
    void takeRuleOf(const Colony &colony);
    // The world a colony was set up for, read back from it, with the home
    // and food where the colony moved them.  It looks at every cell for
    // obstacles: meant for worlds the size of the window's.
    static World of(const Colony &colony);
    // Takes the obstacles of a world before this one, if it had the same
    // size, except those on this world's home or food.
    void keepObstaclesOf(const World &before);
};

// The fewest cells, home and food included, on a path from home to food that
// moves to one of the 8 neighbours at each step and never enters an
// obstacle; 0 when there is no such path (also when home or food is an
// obstacle).  The same unit as an ant's pathLength.
int shortestPathCells(const World &world);

#endif
