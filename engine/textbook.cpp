#include "textbook.h"

#include "walk.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <ostream>

namespace {

// x^n for a whole n by repeated squaring, the same on every machine; an
// exponent below 0 counts as 0.
double power(double x, int n)
{
    double result = 1.0;
    for (; n > 0; n >>= 1) {
        if (n & 1)
            result *= x;
        x *= x;
    }
    return result;
}

int kingDistance(int x, int y, int toX, int toY)
{
    return std::max(std::abs(x - toX), std::abs(y - toY));
}

// Weights from their logarithms, the heaviest at 1; with no finite one,
// every candidate counts the same.
void fromLogarithms(double *weights, const double *logWeights, int count)
{
    double largest = -std::numeric_limits<double>::infinity();
    for (int i = 0; i < count; ++i)
        largest = std::max(largest, logWeights[i]);
    for (int i = 0; i < count; ++i)
        weights[i] = std::isfinite(largest) ? std::exp(logWeights[i] - largest) : 1.0;
}

} // namespace

// The admissible neighbours of one choice from the cell (x, y), by their
// number in the rule's order, and their weights; only the first `count`
// entries are ever read.
struct Colony::Textbook::Choice
{
    int x = 0;
    int y = 0;
    int count = 0;
    unsigned char neighbour[8];
    double weight[8];
    double total = 0.0;

    void start(int fromX, int fromY)
    {
        x = fromX;
        y = fromY;
        count = 0;
        total = 0.0;
    }
    void add(int number, double w)
    {
        neighbour[count] = static_cast<unsigned char>(number);
        weight[count] = w;
        total += w;
        ++count;
    }
    int cellX(int k) const { return x + kNeighbourDx[neighbour[k]]; }
    int cellY(int k) const { return y + kNeighbourDy[neighbour[k]]; }
};

// The textbook rules as a wheel for the shared walk.  Ant Colony System's
// weights change under the ants' feet, so its walk keeps no candidates.
class Colony::Textbook::Wheel
{
public:
    using Choice = Textbook::Choice;

    explicit Wheel(Colony &colony)
        : m_c(colony), m_flags(colony.m_cellFlags.data()), m_weights(colony.m_gridRouting.data()),
          m_food(colony.foodIndex()),
          m_local(colony.m_tablesRule == Rule::AntColonySystem)
    {
        std::copy(colony.m_neighbourOffset, colony.m_neighbourOffset + 8, m_offsets);
    }

    // Count and total are kept in locals: the stores into the choice would
    // make the compiler fetch them, and the grids, again for each neighbour.
    int gather(int x, int y, Choice &choice) const
    {
        const int cell = m_c.flagIndex(x, y);
        const unsigned char *flags = m_flags;
        const double *weights = m_weights;
        int count = 0;
        double total = 0.0;
        for (int i = 0; i < 8; ++i) {
            const int neighbour = cell + m_offsets[i];
            if (flags[neighbour] != 0)
                continue;
            if (neighbour == m_food)
                return -1;
            choice.neighbour[count] = static_cast<unsigned char>(i);
            choice.weight[count] = weights[neighbour];
            total += weights[neighbour];
            ++count;
        }
        choice.x = x;
        choice.y = y;
        choice.count = count;
        choice.total = total;
        return count;
    }
    int spin(const Choice &choice) { return pick(m_c, choice); }
    // Only the rules that keep their weights spin a remembered wheel again,
    // and their pick() draws once, or never for a single candidate.
    void skipSpins(const Choice &choice, int spins)
    {
        if (choice.count > 1)
            m_c.skipDraws(spins);
    }
    void entered(int x, int y)
    {
        if (m_local)
            enter(m_c, x, y);
    }
    bool keepsWeights() const { return !m_local; }

private:
    Colony &m_c;
    const unsigned char *m_flags;
    const double *m_weights;
    int m_offsets[8];
    int m_food;
    bool m_local;
};

// ---- weights ---------------------------------------------------------------

// A rate as the rules use it: within 0 to 1, no rate at all counting as 0.
double Colony::Textbook::rate(double value)
{
    return std::isnan(value) ? kLowestRate : std::clamp(value, kLowestRate, kHighestRate);
}

// L0: the straight distance between home and food in cells; no path is shorter.
int Colony::Textbook::straightLength(const Colony &c)
{
    return kingDistance(c.m_homeX, c.m_homeY, c.m_foodX, c.m_foodY) + 1;
}

double Colony::Textbook::weight(const Colony &c, int x, int y, double tauReference)
{
    const TextbookMemory &memory = *c.m_textbook;
    const std::size_t cell = static_cast<std::size_t>(x) * static_cast<std::size_t>(c.m_gridSide) + y;
    return power(c.m_pheromone[x][y] / tauReference, c.m_alpha) * memory.etaPower[cell];
}

void Colony::Textbook::setWeight(Colony &c, int x, int y)
{
    c.setRouting(x, y, weight(c, x, y, c.m_textbook->tauReference));
}

// eta and eta^beta for the food where it is now.
void Colony::Textbook::refreshEta(Colony &c)
{
    TextbookMemory &memory = *c.m_textbook;
    const int n = c.m_gridSide;
    memory.etaPower.resize(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const double eta = 1.0 / (1.0 + kingDistance(x, y, c.m_foodX, c.m_foodY));
            c.m_heuristic[x][y] = eta;
            memory.etaPower[static_cast<std::size_t>(x) * static_cast<std::size_t>(n) + y] = power(eta, c.m_beta);
        }
    }
    memory.etaFoodX = c.m_foodX;
    memory.etaFoodY = c.m_foodY;
    memory.etaBeta = c.m_beta;
}

// Every weight afresh, from tau as it is now.
void Colony::Textbook::refreshWeights(Colony &c)
{
    TextbookMemory &memory = *c.m_textbook;
    if (memory.etaFoodX != c.m_foodX || memory.etaFoodY != c.m_foodY || memory.etaBeta != c.m_beta)
        refreshEta(c);
    const int n = c.m_gridSide;
    double reference = kDeposit;
    if (c.m_tablesRule != Rule::AntColonySystem) {
        reference = 0.0;
        for (int x = 0; x < n; ++x)
            for (int y = 0; y < n; ++y)
                reference = std::max(reference, c.m_pheromone[x][y]);
    }
    memory.tauReference = reference > 0.0 && std::isfinite(reference) ? reference : 1.0;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            setWeight(c, x, y);
}

// ---- the choice ------------------------------------------------------------

// Picks one candidate: Ant Colony System takes the heaviest outright with
// probability q0; otherwise a roulette wheel over the weights.  A single
// candidate needs no draw.  Weights that all vanished or overflowed are
// worked out again in logarithms, so that the heaviest still wins.
int Colony::Textbook::pick(Colony &c, const Choice &choice)
{
    if (choice.count == 1)
        return 0;
    const double *weights = choice.weight;
    double total = choice.total;
    double rescued[8];
    if (!(total > 0.0) || !std::isfinite(total)) {
        total = rescue(c, choice, rescued);
        weights = rescued;
    }
    if (c.m_tablesRule == Rule::AntColonySystem && c.nextRandom() / 32768.0 < rate(c.m_q0))
        return heaviest(c, weights, choice.count);
    const double r = c.nextRandom() / 32768.0 * total;
    double sum = 0.0;
    for (int i = 0; i < choice.count - 1; ++i) {
        sum += weights[i];
        if (r < sum)
            return i;
    }
    return choice.count - 1;
}

// The choice's weights worked out in logarithms, into `weights`; returns
// their total.
double Colony::Textbook::rescue(const Colony &c, const Choice &choice, double *weights)
{
    double logWeights[8];
    for (int i = 0; i < choice.count; ++i) {
        const double tau = c.m_pheromone[choice.cellX(i)][choice.cellY(i)];
        const double eta = c.m_heuristic[choice.cellX(i)][choice.cellY(i)];
        logWeights[i] = (c.m_alpha > 0 ? c.m_alpha * std::log(tau) : 0.0)
            + (c.m_beta > 0 ? c.m_beta * std::log(eta) : 0.0);
    }
    fromLogarithms(weights, logWeights, choice.count);
    double total = 0.0;
    for (int i = 0; i < choice.count; ++i)
        total += weights[i];
    return total;
}

// The heaviest candidate; among equals, each with the same chance (one more
// draw, only when there are equals).
int Colony::Textbook::heaviest(Colony &c, const double *weights, int count)
{
    const double most = *std::max_element(weights, weights + count);
    int equals = 0;
    for (int i = 0; i < count; ++i)
        equals += weights[i] == most ? 1 : 0;
    int wanted = equals > 1 ? c.nextRandom() * equals / 32768 : 0;
    for (int i = 0; i < count; ++i) {
        if (weights[i] != most)
            continue;
        if (wanted == 0)
            return i;
        --wanted;
    }
    return 0;
}

// Ant Colony System's local update: a cell an ant enters gives up some of
// its pheromone, tau <- (1 - xi) tau + xi tau0, and its weight follows.
void Colony::Textbook::enter(Colony &c, int x, int y)
{
    const double xi = rate(c.m_xi);
    double &tau = c.m_pheromone[x][y];
    tau = (1.0 - xi) * tau + xi * c.m_textbook->tau0;
    setWeight(c, x, y);
}

// ---- the generation --------------------------------------------------------

void Colony::Textbook::runGeneration(Colony &c)
{
    const TextbookMemory &memory = *c.m_textbook;
    if (memory.etaFoodX != c.m_foodX || memory.etaFoodY != c.m_foodY || memory.etaBeta != c.m_beta)
        refreshWeights(c);
    c.resetAnts();
    for (AntState &ant : c.m_ants)
        if (c.insideGrid(ant.x, ant.y))
            Walk<Wheel>(c, ant, Wheel(c)).run();
    updateTau(c);
}

// ---- reset, the rule on its own, the dump ------------------------------------

// tau0, from the straight distance L0 (no path is shorter), after the
// papers' advice with L0 for the nearest-neighbour tour and the N^2 cells
// for the cities: m / L0 for Ant System, 1 / (N^2 L0) for Ant Colony System,
// (e + m) / (ro L0) for Elitist Ant System, w (w - 1) / (2 ro L0) (at least
// 1 / (ro L0)) for Rank-based, and Q / (ro L0), the level a shortest path
// reinforced in every generation keeps, for MAX-MIN and Best-Worst.
double Colony::Textbook::startingTau(const Colony &c)
{
    const double straight = straightLength(c);
    const double roTimesL0 = std::max(rate(c.m_ro), kLeastRo) * straight;
    const double ants = std::max(c.m_antCount, 1);
    switch (c.m_tablesRule) {
    case Rule::AntSystem:
        return ants / straight;
    case Rule::AntColonySystem:
        return 1.0 / (static_cast<double>(c.m_gridSide) * c.m_gridSide * straight);
    case Rule::ElitistAntSystem:
        return (std::max(c.m_elite, 0) + ants) / roTimesL0;
    case Rule::RankBasedAntSystem: {
        const double w = std::max(c.m_rank, 1);
        return std::max(w * (w - 1) / 2, 1.0) / roTimesL0;
    }
    case Rule::MaxMinAntSystem:
    case Rule::BestWorstAntSystem:
        return kDeposit / roTimesL0;
    case Rule::Vormis:
        break;
    }
    return 1.0;
}

void Colony::Textbook::reset(Colony &c)
{
    c.m_textbook = std::make_unique<TextbookMemory>();
    TextbookMemory &memory = *c.m_textbook;
    memory.tau0 = startingTau(c);
    const int n = c.m_gridSide;
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            c.m_pheromone[x][y] = memory.tau0;
    if (c.m_tablesRule == Rule::MaxMinAntSystem)
        clampTau(c);
    refreshWeights(c);
}

// After a setter: tau0 for where home and food are now, and the weights for
// alpha, beta and the food as they are now.  tau itself is left alone.
void Colony::Textbook::refresh(Colony &c)
{
    c.m_textbook->tau0 = startingTau(c);
    refreshWeights(c);
}

// The rule for one ant as it stands, its weights worked out from tau now
// with the candidates' own strongest tau as tau_ref (the same odds).
bool Colony::Textbook::chooseNextCell(Colony &c, int ant, int &nextX, int &nextY)
{
    const TextbookMemory &memory = *c.m_textbook;
    if (memory.etaFoodX != c.m_foodX || memory.etaFoodY != c.m_foodY || memory.etaBeta != c.m_beta)
        refreshWeights(c);
    const AntState &a = c.m_ants[static_cast<std::size_t>(ant)];
    Choice choice;
    choice.start(a.x, a.y);
    double largest = 0.0;
    for (int i = 0; i < 8; ++i) {
        const int cx = a.x + kNeighbourDx[i];
        const int cy = a.y + kNeighbourDy[i];
        if (!c.insideGrid(cx, cy) || c.isObstacle(cx, cy) || c.isOnAntPath(ant, cx, cy))
            continue;
        if (cx == c.m_foodX && cy == c.m_foodY) {
            nextX = cx;
            nextY = cy;
            return true;
        }
        choice.add(i, 0.0);
        largest = std::max(largest, c.m_pheromone[cx][cy]);
    }
    if (choice.count == 0) {
        nextX = nextY = -1;
        return false;
    }
    const double reference = largest > 0.0 && std::isfinite(largest) ? largest : 1.0;
    for (int i = 0; i < choice.count; ++i) {
        choice.weight[i] = weight(c, choice.cellX(i), choice.cellY(i), reference);
        choice.total += choice.weight[i];
    }
    const int chosen = pick(c, choice);
    nextX = choice.cellX(chosen);
    nextY = choice.cellY(chosen);
    return true;
}

void Colony::Textbook::printTables(const Colony &c, std::ostream &out)
{
    out << "\n--tau, the pheromone (" << ruleTitle(c.m_tablesRule) << "):\n";
    c.printTable(out, c.m_pheromone, 3);
    out << "--eta = 1 / (1 + king-move distance to the food):\n";
    c.printTable(out, c.m_heuristic, 3);
    out << "--choice weights (tau / tau_ref)^alpha * eta^beta:\n";
    c.printTable(out, c.m_routing, 3);
}
