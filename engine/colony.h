#ifndef VORMIS_COLONY_H
#define VORMIS_COLONY_H

#include "rule.h"
#include "table.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <vector>

struct TextbookMemory;

// One ant of the colony.  path[0][k] and path[1][k] are the x and y of the
// k-th cell it recorded in this generation; entries 0 .. pathLength - 1 are
// valid and entry 0 is the home cell.
struct AntState
{
    int x = 0;
    int y = 0;
    int steps = 1;
    int pathLength = 1;
    bool atFood = false;
    Table<int> path;
};

// The ant-colony optimisation engine: an N x N world with a home cell, a
// food cell and obstacles, the routing, pheromone and heuristic tables, and
// the ants.  Every table is indexed [x][y].
class Colony
{
public:
    std::vector<AntState> m_ants;

    Colony(const int &size, const int &antCount);
    Colony();
    ~Colony();

    void reset();
    void resetAnts();

    // The setters.  The size, the number of ants and the rule make the
    // colony's tables and ants, and take effect at the next reset.  Every
    // other setter takes effect at once: the next choice and the next update
    // use the new value, and what a textbook rule worked out from it (its
    // choice weights, eta, tau0) is worked out again on the spot.
    void setSize(const int &n);
    void setFood(const int &x, const int &y);
    void setHome(const int &x, const int &y);
    int foodX() const { return m_foodX; }
    int foodY() const { return m_foodY; }
    int homeX() const { return m_homeX; }
    int homeY() const { return m_homeY; }
    void setAntCount(const int &n);
    void setAlpha(const int &a);
    void setBeta(const int &b);
    void setRo(const double &r);
    int alpha() const { return m_alpha; }
    int beta() const { return m_beta; }
    int antCount() const { return m_antCount; }
    int size() const { return m_size; }
    double ro() const { return m_ro; }
    int arrivals() const { return m_arrivals; }

    // The rule the ants follow; like the size, a new rule takes effect at the
    // next reset.  q0 and xi are Ant Colony System's own parameters, elite
    // Elitist Ant System's, rank Rank-based Ant System's and restartAfter
    // (generations without a shorter path; 0 or less: never) MAX-MIN Ant
    // System's.
    void setRule(const Rule &rule) { m_rule = rule; }
    Rule rule() const { return m_rule; }
    void setQ0(const double &q0) { m_q0 = q0; }
    double q0() const { return m_q0; }
    void setXi(const double &xi) { m_xi = xi; }
    double xi() const { return m_xi; }
    void setElite(const int &elite) { m_elite = elite; }
    int elite() const { return m_elite; }
    void setRank(const int &rank) { m_rank = rank; }
    int rank() const { return m_rank; }
    void setRestartAfter(const int &generations) { m_restartAfter = generations; }
    int restartAfter() const { return m_restartAfter; }

    // How often the pheromone started afresh on stagnation since the reset
    // (the rules for which ruleRestarts() holds; 0 for the others).
    int restarts() const;

    // How often the walks worked the rule out or spun a remembered wheel
    // since the reset; the other steps were known in advance.  For the
    // benchmarks.
    long long choices() const { return m_choices; }

    // The live table, not a copy: valid until the next reset or destruction.
    double **pheromoneTable() { return m_pheromone.rows(); }
    const double *const *pheromoneTable() const { return m_pheromone.rows(); }
    // Read-only views of the other two tables, for tests and experiments.
    const double *const *routingTable() const { return m_routing.rows(); }
    const double *const *heuristicTable() const { return m_heuristic.rows(); }

    void addObstacle(const int &x, const int &y);
    bool isObstacle(const int &x, const int &y) const;

    // Live editing between generations: the tables, the pheromone and the
    // ants' last walks stay as they are, and the next generation walks the
    // changed world.  A cell that is no obstacle is left alone.
    void removeObstacle(const int &x, const int &y);
    // Home or food to another cell of the grid that is neither an obstacle
    // nor the other one; false, and nothing changed, for any other cell.
    // The food's routing bonus goes with the food.
    bool moveHome(const int &x, const int &y);
    bool moveFood(const int &x, const int &y);
    bool isOnAntPath(const int &ant, const int &x, const int &y) const;

    double randomValue(double low, double span);
    void seedRandom(unsigned seed);
    // The generator's state: seeding a colony with it repeats what this one
    // draws from now on.
    std::uint32_t randomState() const { return m_randomState; }
    void setRandomSource(std::function<int()> source);

    bool chooseNextCell(const int &ant, int &nextX, int &nextY);
    void runGeneration();

    // The text dumps, to standard output or to any stream.  A stream given
    // is left formatted as it was found; standard output is left at
    // precision 3.
    void printAntPath(const int &ant) const;
    void printAntMap(const int &ant) const;
    void printTables() const;
    void printAntPath(const int &ant, std::ostream &out) const;
    void printAntMap(const int &ant, std::ostream &out) const;
    void printTables(std::ostream &out) const;

    static Table<double> newDoubleTable(const int &rows, const int &cols);
    static Table<int> newIntTable(const int &rows, const int &cols);

private:
    int m_size;
    int m_cellCount;
    int m_deadEndLimit;
    int m_foodX, m_foodY;
    int m_homeX, m_homeY;
    int m_antCount;
    int m_alpha;
    int m_beta;
    double m_ro;
    int m_depositAmount = 1;
    int m_initialRouting = 1;
    int m_initialPheromone = 0;
    int m_initialHeuristic = 1;
    int m_foodRouting = 100;
    int m_arrivals = 0;
    int m_obstacleCount = 0;
    long long m_choices = 0;
    Rule m_rule = Rule::Vormis;
    double m_q0 = kDefaultQ0;
    double m_xi = kDefaultXi;
    int m_elite = kDefaultElite;
    int m_rank = kDefaultRank;
    int m_restartAfter = kDefaultRestart;
    Table<double> m_routing;
    Table<double> m_pheromone;
    Table<double> m_heuristic;
    Table<int> m_obstacles;
    Rule m_tablesRule = Rule::Vormis; // the rule of the last reset, the one walked
    std::unique_ptr<TextbookMemory> m_textbook;

    // The generator: the C standard's example rand(), 15 bits per draw, so a
    // seed gives the same run everywhere.  m_randomSource replaces it in tests.
    uint32_t m_randomState = 1;
    std::function<int()> m_randomSource;
    int nextRandom();
    void skipDraws(int count);

    // Walk-time lookup grids, one byte per cell with a border of one blocked
    // cell all round, so a neighbour test needs neither a bounds check nor a
    // scan of the obstacle list or of the path.  They mirror the obstacle list
    // and the path of the ant that is walking; the lists stay the contract.
    enum CellFlag : unsigned char { Blocked = 1, OnPath = 2 };
    int m_gridSide = 0;            // N as of the last reset: the tables' real side
    std::vector<unsigned char> m_cellFlags;
    // The routing table (a textbook rule's choice weights) in the same
    // layout, so that a candidate's flag and weight sit at one index;
    // setRouting() writes both.
    std::vector<double> m_gridRouting;
    void setRouting(int x, int y, double value)
    {
        m_routing[x][y] = value;
        m_gridRouting[static_cast<std::size_t>(flagIndex(x, y))] = value;
    }
    int m_neighbourOffset[8] = {};  // from a cell's flag to each neighbour's
    // Neighbours in the order the transition rule examines them.
    static constexpr int kNeighbourDx[8] = {0, -1, 0, +1, -1, -1, +1, +1};
    static constexpr int kNeighbourDy[8] = {-1, -1, +1, +1, 0, +1, 0, -1};
    int flagIndex(int x, int y) const { return (x + 1) * (m_gridSide + 2) + (y + 1); }
    unsigned char &cellFlag(int x, int y) { return m_cellFlags[static_cast<std::size_t>(flagIndex(x, y))]; }
    bool insideGrid(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_gridSide && y < m_gridSide;
    }
    // The food's flag index; -1 while it lies outside the grid the ants walk
    // (a new size waits for the reset, a new food cell does not).
    int foodIndex() const { return insideGrid(m_foodX, m_foodY) ? flagIndex(m_foodX, m_foodY) : -1; }

    // The admissible neighbours of one choice of the window's rule, by their
    // number in the rule's order, and the total of their routing values as
    // it grew: sums[k] is the total with candidate k added, before that
    // addition was rounded to single precision.
    struct Candidates
    {
        int count = 0;
        unsigned char neighbour[8];
        double sums[8];
        float total = 0.0f;
    };
    template <typename Admissible>
    int gatherCandidates(int cell, int food, Candidates &candidates, Admissible admissible) const;
    int spinWheel(const Candidates &candidates);
    template <typename Wheel>
    class Walk; // one ant's walk, in walk.h
    class RoutingWheel;
    void walk(int ant);
    void deposit(const AntState &ant);
    void printTable(std::ostream &out, const Table<double> &table, int precision) const;
    void refreshRule();
    bool isFreeCell(int x, int y) const;
    void forgetTextbookBest(); // a textbook rule's best path, no longer walkable

    class Textbook; // the textbook rules, in textbook.cpp
};

#endif
