#ifndef VORMIS_TEXTBOOK_H
#define VORMIS_TEXTBOOK_H

// The textbook rules inside the engine: Ant System and its elitist,
// rank-based, MAX-MIN and best-worst variants, and Ant Colony System.  They
// walk as the window's rule walks (one ant after another, the ant's own path
// as its tabu list, the step back after a dead end, the N x N dead-end
// limit, the free food taken at once) and choose among the admissible
// neighbours c with probability proportional to
//
//     w(c) = (tau(c) / tau_ref)^alpha * eta(c)^beta,   eta(c) = 1 / (1 + d(c)),
//
// d being the king-move distance from c to the food, obstacles ignored.
// Dividing by tau_ref changes no probability and keeps the powers finite:
// it is the largest tau for every rule but Ant Colony System, and Q (which
// no tau of Ant Colony System exceeds) for Ant Colony System.  The colony's
// tables hold tau (pheromone), eta (heuristic) and w (routing).  ro, q0 and
// xi are taken within 0 to 1 (NaN as 0), alpha, beta and elite below 0 as 0,
// rank below 1 as 1.  The pheromone updates are in textbook_update.cpp.

#include "colony.h"
#include "world.h"

#include <iosfwd>
#include <vector>

// What the textbook rules remember between generations.
struct TextbookMemory
{
    double tau0 = 0.0;         // the starting tau; Ant Colony System's local update pulls towards it
    double tauReference = 1.0; // tau_ref of the weights
    int etaFoodX = -1;         // the food cell and beta that eta^beta was worked out for
    int etaFoodY = -1;
    int etaBeta = 0;
    std::vector<double> etaPower; // eta^beta, [x * N + y]
    int bestLength = 0;           // the shortest arrival since the reset; 0: none yet
    std::vector<Cell> bestPath;
    double tauMin = 0.0; // MAX-MIN Ant System's bounds
    double tauMax = 0.0;
    int restarts = 0;         // MAX-MIN and Best-Worst: pheromone started afresh since the reset
    int sinceRestart = 0;     // generations since the reset or the last restart
    int sinceImprovement = 0; // generations since the best path got shorter, the reset or the last restart
};

class Colony::Textbook
{
public:
    static void reset(Colony &c);
    static void refresh(Colony &c);
    static void runGeneration(Colony &c);
    static bool chooseNextCell(Colony &c, int ant, int &nextX, int &nextY);
    static void printTables(const Colony &c, std::ostream &out);

    // The constants of the rules, lengths in cells.
    static constexpr double kDeposit = 1.0;        // Q: an ant leaves Q / L on each cell of its path
    static constexpr double kBestChance = 0.05;    // MAX-MIN's p_best
    static constexpr double kChoicesPerStep = 4.0; // MAX-MIN's avg: half of the eight neighbours
    static constexpr double kLeastRo = 0.01;       // ro is taken as at least this where it divides
    // Best-Worst Ant System: the chance of each row of tau to have a cell
    // mutated in a generation, sigma, the generations the mutation takes to
    // grow to its full strength, and the restart when at most one in
    // kRestartShare of the worst path's cells is off the best path.
    static constexpr double kMutationChance = 0.3;
    static constexpr double kMutationStrength = 4.0;
    static constexpr int kMutationRamp = 100;
    static constexpr int kRestartShare = 20;

    struct Choice;
    class Wheel;

private:
    static double rate(double value);
    static int straightLength(const Colony &c);
    static double startingTau(const Colony &c);
    static void refreshEta(Colony &c);
    static void refreshWeights(Colony &c);
    static void setWeight(Colony &c, int x, int y);
    static double weight(const Colony &c, int x, int y, double tauReference);
    static int pick(Colony &c, const Choice &choice);
    static double rescue(const Colony &c, const Choice &choice, double *weights);
    static int heaviest(Colony &c, const double *weights, int count);
    static void enter(Colony &c, int x, int y);

    // The pheromone updates after the walks, in textbook_update.cpp.
    static void updateTau(Colony &c);
    static void updateAntSystem(Colony &c);
    static void updateColonySystem(Colony &c);
    static void updateRankBased(Colony &c);
    static void updateMaxMin(Colony &c);
    static void updateBestWorst(Colony &c);
    static bool keepBest(Colony &c);
    static void evaporate(Colony &c, double keep);
    static void depositOn(Colony &c, const AntState &ant, double amount);
    static void depositOnBest(Colony &c, double amount);
    static void clampTau(Colony &c);
    static void restart(Colony &c, double tau);
    static void mutate(Colony &c);
};

#endif
