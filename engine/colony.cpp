#include "colony.h"

#include "textbook.h"
#include "walk.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iomanip>
#include <iostream>
#include <utility>

namespace {

// The engine holds one N x N path table per ant; these bounds keep a careless
// caller from asking for more memory than any world on screen could use.
constexpr int kMaxSize = 1000;
constexpr int kMaxAnts = 100000;

} // namespace

Colony::Colony(const int &size, const int &antCount)
{
    seedRandom(static_cast<unsigned>(std::time(nullptr)));
    setSize(size);
    m_foodX = m_foodY = m_size - 1;
    m_homeX = m_homeY = 0;
    m_antCount = std::clamp(antCount, 0, kMaxAnts);
    m_alpha = 2;
    m_beta = 1;
    m_ro = 0.1;
    reset();
}

Colony::Colony()
{
    seedRandom(static_cast<unsigned>(std::time(nullptr)));
    setSize(5);
    m_foodX = m_foodY = 4;
    m_homeX = m_homeY = 0;
    m_antCount = 5;
    m_alpha = 1;
    m_beta = 1;
    m_ro = 0.06;
    reset();
}

Colony::~Colony() = default;

Table<double> Colony::newDoubleTable(const int &rows, const int &cols)
{
    return Table<double>(rows, cols);
}

Table<int> Colony::newIntTable(const int &rows, const int &cols)
{
    return Table<int>(rows, cols);
}

void Colony::reset()
{
    // A size change since the last reset may have left food or home outside
    // the new grid; bring them back in the way the setters would.  The old
    // rule's memory goes first: the new one is worked out below.
    m_textbook.reset();
    setFood(m_foodX, m_foodY);
    setHome(m_homeX, m_homeY);

    m_arrivals = 0;
    m_choices = 0;
    const int n = m_size;
    m_routing = newDoubleTable(n, n);
    m_pheromone = newDoubleTable(n, n);
    m_heuristic = newDoubleTable(n, n);
    m_obstacles = newIntTable(2, m_deadEndLimit);

    m_ants.clear();
    m_ants.resize(static_cast<std::size_t>(m_antCount));
    for (AntState &ant : m_ants)
        ant.path = newIntTable(2, m_cellCount);
    resetAnts();
    m_obstacleCount = 0;

    m_gridSide = n;
    for (int i = 0; i < 8; ++i)
        m_neighbourOffset[i] = kNeighbourDx[i] * (n + 2) + kNeighbourDy[i];
    m_cellFlags.assign(static_cast<std::size_t>(n + 2) * static_cast<std::size_t>(n + 2), Blocked);
    m_gridRouting.assign(m_cellFlags.size(), 0.0);
    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            m_cellFlags[static_cast<std::size_t>(flagIndex(x, y))] = 0;

    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            m_pheromone[x][y] = m_initialPheromone;
            m_heuristic[x][y] = m_initialHeuristic;
            setRouting(x, y, m_initialRouting);
        }
    }
    setRouting(m_foodX, m_foodY, m_foodRouting);

    m_tablesRule = m_rule;
    m_textbook.reset();
    if (m_tablesRule != Rule::Vormis)
        Textbook::reset(*this);
}

void Colony::resetAnts()
{
    for (AntState &ant : m_ants) {
        ant.pathLength = 1;
        ant.steps = 1;
        ant.x = m_homeX;
        ant.y = m_homeY;
        ant.path[0][0] = m_homeX;
        ant.path[1][0] = m_homeY;
        ant.atFood = false;
    }
}

void Colony::setSize(const int &n)
{
    m_size = std::clamp(n, 1, kMaxSize);
    m_cellCount = m_deadEndLimit = m_size * m_size;
}

void Colony::setFood(const int &x, const int &y)
{
    m_foodX = (x >= 0 && x < m_size) ? x : m_size - 1;
    m_foodY = (y >= 0 && y < m_size) ? y : m_size - 1;
    refreshRule();
}

void Colony::setHome(const int &x, const int &y)
{
    m_homeX = (x >= 0 && x < m_size) ? x : 0;
    m_homeY = (y >= 0 && y < m_size) ? y : 0;
    refreshRule();
}

void Colony::setAntCount(const int &n)
{
    m_antCount = std::clamp(n, 0, kMaxAnts);
}

void Colony::setAlpha(const int &a)
{
    m_alpha = a;
    refreshRule();
}

void Colony::setBeta(const int &b)
{
    m_beta = b;
    refreshRule();
}

void Colony::setRo(const double &r)
{
    m_ro = r;
    refreshRule();
}

// What the textbook rules worked out from the setters' values, afresh.
void Colony::refreshRule()
{
    if (m_textbook)
        Textbook::refresh(*this);
}

int Colony::restarts() const
{
    return m_textbook ? m_textbook->restarts : 0;
}

void Colony::addObstacle(const int &x, const int &y)
{
    if (x < 0 || y < 0 || x >= m_size || y >= m_size)
        return;
    if (m_obstacleCount >= m_obstacles.columnCount())
        return;
    m_obstacles[0][m_obstacleCount] = x;
    m_obstacles[1][m_obstacleCount] = y;
    ++m_obstacleCount;
    if (insideGrid(x, y))
        m_cellFlags[static_cast<std::size_t>(flagIndex(x, y))] |= Blocked;
    if (m_textbook && std::find(m_textbook->bestPath.begin(), m_textbook->bestPath.end(), Cell{x, y}) !=
                          m_textbook->bestPath.end())
        forgetTextbookBest();
}

// Every entry of the cell goes (the list may hold it twice); the order of the
// others stays.
void Colony::removeObstacle(const int &x, const int &y)
{
    int kept = 0;
    for (int i = 0; i < m_obstacleCount; ++i) {
        if (m_obstacles[0][i] == x && m_obstacles[1][i] == y)
            continue;
        m_obstacles[0][kept] = m_obstacles[0][i];
        m_obstacles[1][kept] = m_obstacles[1][i];
        ++kept;
    }
    m_obstacleCount = kept;
    if (insideGrid(x, y))
        m_cellFlags[static_cast<std::size_t>(flagIndex(x, y))] &= static_cast<unsigned char>(~Blocked);
}

bool Colony::isFreeCell(int x, int y) const
{
    return insideGrid(x, y) && x < m_size && y < m_size && !isObstacle(x, y);
}

bool Colony::moveHome(const int &x, const int &y)
{
    if (!isFreeCell(x, y) || (x == m_foodX && y == m_foodY))
        return false;
    setHome(x, y);
    forgetTextbookBest();
    return true;
}

// The window's rule gives the food cell a routing value of its own at the
// reset; the old cell keeps what the ants added to it.
bool Colony::moveFood(const int &x, const int &y)
{
    if (!isFreeCell(x, y) || (x == m_homeX && y == m_homeY))
        return false;
    if (m_tablesRule == Rule::Vormis && insideGrid(m_foodX, m_foodY)) {
        const double bonus = m_foodRouting - m_initialRouting;
        setRouting(m_foodX, m_foodY, m_routing[m_foodX][m_foodY] - bonus);
        setRouting(x, y, m_routing[x][y] + bonus);
    }
    setFood(x, y);
    forgetTextbookBest();
    return true;
}

void Colony::forgetTextbookBest()
{
    if (!m_textbook)
        return;
    m_textbook->bestLength = 0;
    m_textbook->bestPath.clear();
}

bool Colony::isObstacle(const int &x, const int &y) const
{
    for (int i = 0; i < m_obstacleCount; ++i) {
        if (m_obstacles[0][i] == x && m_obstacles[1][i] == y)
            return true;
    }
    return false;
}

bool Colony::isOnAntPath(const int &ant, const int &x, const int &y) const
{
    if (ant < 0 || ant >= m_antCount || ant >= static_cast<int>(m_ants.size()))
        return false;
    const AntState &a = m_ants[static_cast<std::size_t>(ant)];
    const int length = std::min(a.pathLength, a.path.columnCount());
    for (int k = 0; k < length; ++k) {
        if (a.path[0][k] == x && a.path[1][k] == y)
            return true;
    }
    return false;
}

void Colony::seedRandom(unsigned seed)
{
    m_randomState = seed;
}

void Colony::setRandomSource(std::function<int()> source)
{
    m_randomSource = std::move(source);
}

int Colony::nextRandom()
{
    if (m_randomSource)
        return std::clamp(m_randomSource(), 0, 32767);
    m_randomState = m_randomState * 1103515245u + 12345u;
    return static_cast<int>((m_randomState / 65536u) % 32768u);
}

// Moves the generator on by `count` draws, as that many nextRandom() calls
// would; an installed source is called as often.  The built-in one applies
// x -> a x + c `count` times in a few steps: (a, c) composed with itself is
// (a a, (a + 1) c).
void Colony::skipDraws(int count)
{
    if (m_randomSource) {
        for (int i = 0; i < count; ++i)
            m_randomSource();
        return;
    }
    uint32_t multiplier = 1103515245u;
    uint32_t increment = 12345u;
    for (; count > 0; count >>= 1) {
        if (count & 1)
            m_randomState = m_randomState * multiplier + increment;
        increment = (multiplier + 1u) * increment;
        multiplier *= multiplier;
    }
}

double Colony::randomValue(double low, double span)
{
    return low + span * (nextRandom() / 32767.0);
}

// The transition rule: a roulette wheel over the admissible neighbours,
// weighted by their routing values, except that a free food cell is taken at
// once.  Sums and fractions are single precision on purpose: they decide
// which cell a given draw picks.
//
// gatherCandidates() collects the neighbours of the flag index `cell` that
// are admissible in the rule's order and returns their number, or -1 when
// one of them is the food, at the flag index `food`.
template <typename Admissible>
int Colony::gatherCandidates(int cell, int food, Candidates &candidates, Admissible admissible) const
{
    const double *routing = m_gridRouting.data(); // not fetched again after each store
    int count = 0;
    float total = 0.0f;
    for (int i = 0; i < 8; ++i) {
        const int neighbour = cell + m_neighbourOffset[i];
        if (!admissible(i, neighbour))
            continue;
        if (neighbour == food)
            return -1;
        const double weight = routing[neighbour];
        candidates.neighbour[count] = static_cast<unsigned char>(i);
        candidates.sums[count] = total + weight;
        total = static_cast<float>(total + weight);
        ++count;
    }
    candidates.count = count;
    candidates.total = total;
    return count;
}

// Spins the wheel over at least one candidate; a single one needs no draw.
// Only the fractions up to the chosen cell are needed, so the draw comes
// first; the choice is the same as with all fractions computed.
int Colony::spinWheel(const Candidates &candidates)
{
    int chosen = 0;
    if (candidates.count > 1) {
        const float r = static_cast<float>(randomValue(0.0, 1.0));
        for (; chosen < candidates.count - 1; ++chosen) {
            const float fraction = static_cast<float>(candidates.sums[chosen] / candidates.total);
            if (r <= fraction)
                break;
        }
    }
    return chosen;
}

bool Colony::chooseNextCell(const int &ant, int &nextX, int &nextY)
{
    const bool known = ant >= 0 && ant < static_cast<int>(m_ants.size());
    if (!known || !insideGrid(m_ants[static_cast<std::size_t>(ant)].x, m_ants[static_cast<std::size_t>(ant)].y)) {
        nextX = nextY = -1;
        return false;
    }
    if (m_tablesRule != Rule::Vormis)
        return Textbook::chooseNextCell(*this, ant, nextX, nextY);
    const AntState &a = m_ants[static_cast<std::size_t>(ant)];
    Candidates candidates;
    const int count = gatherCandidates(flagIndex(a.x, a.y), foodIndex(), candidates, [&](int i, int) {
        const int cx = a.x + kNeighbourDx[i];
        const int cy = a.y + kNeighbourDy[i];
        return insideGrid(cx, cy) && !isObstacle(cx, cy) && !isOnAntPath(ant, cx, cy);
    });
    if (count < 0) {
        nextX = m_foodX;
        nextY = m_foodY;
        return true;
    }
    if (count == 0) {
        nextX = nextY = -1;
        return false;
    }
    const int chosen = candidates.neighbour[spinWheel(candidates)];
    nextX = a.x + kNeighbourDx[chosen];
    nextY = a.y + kNeighbourDy[chosen];
    return true;
}

void Colony::runGeneration()
{
    if (m_tablesRule != Rule::Vormis) {
        Textbook::runGeneration(*this);
        return;
    }
    resetAnts();
    for (int a = 0; a < static_cast<int>(m_ants.size()); ++a) {
        walk(a);
        const AntState &ant = m_ants[static_cast<std::size_t>(a)];
        if (ant.atFood && ant.pathLength > 0)
            deposit(ant);
    }
    const double keep = 1.0 - m_ro;
    for (int x = 0; x < m_gridSide; ++x)
        for (int y = 0; y < m_gridSide; ++y)
            m_pheromone[x][y] *= keep;
}

// The window's rule as a wheel for the walk: the admissible neighbours
// weighted by their routing values, in single precision.
class Colony::RoutingWheel
{
public:
    using Choice = Candidates;

    explicit RoutingWheel(Colony &colony)
        : m_colony(colony), m_flags(colony.m_cellFlags.data()), m_food(colony.foodIndex())
    {
    }
    int gather(int x, int y, Candidates &candidates) const
    {
        return m_colony.gatherCandidates(m_colony.flagIndex(x, y), m_food, candidates,
                                         [flags = m_flags](int, int neighbour) { return flags[neighbour] == 0; });
    }
    int spin(const Candidates &candidates) { return m_colony.spinWheel(candidates); }
    void skipSpins(const Candidates &candidates, int spins)
    {
        if (candidates.count > 1)
            m_colony.skipDraws(spins);
    }
    void entered(int, int) {}
    bool keepsWeights() const { return true; } // routing changes only after the walk

private:
    Colony &m_colony;
    const unsigned char *m_flags;
    int m_food;
};

void Colony::walk(int index)
{
    AntState &ant = m_ants[static_cast<std::size_t>(index)];
    if (insideGrid(ant.x, ant.y))
        Walk<RoutingWheel>(*this, ant, RoutingWheel(*this)).run();
}

// An ant at the food reinforces every cell of its path at once: first the
// pheromone and heuristic of all cells, then their routing values from them.
void Colony::deposit(const AntState &ant)
{
    const int length = ant.pathLength;
    const double heuristicGain = static_cast<double>(m_gridSide) / ant.steps;
    for (int k = 0; k < length; ++k) {
        const int px = ant.path[0][k];
        const int py = ant.path[1][k];
        m_pheromone[px][py] += m_depositAmount;
        m_heuristic[px][py] += heuristicGain;
    }
    for (int k = 0; k < length; ++k) {
        const int px = ant.path[0][k];
        const int py = ant.path[1][k];
        setRouting(px, py, m_routing[px][py] + m_alpha * m_pheromone[px][py] + m_beta * m_heuristic[px][py]);
    }
}

namespace {

// Restores a stream's formatting when a dump is done with it.
class FormatGuard
{
public:
    explicit FormatGuard(std::ostream &out) : m_out(out), m_saved(nullptr) { m_saved.copyfmt(out); }
    ~FormatGuard() { m_out.copyfmt(m_saved); }
    FormatGuard(const FormatGuard &) = delete;
    FormatGuard &operator=(const FormatGuard &) = delete;

private:
    std::ostream &m_out;
    std::ios m_saved;
};

} // namespace

// The dumps to standard output leave it at precision 3, as they always have.
void Colony::printAntPath(const int &ant) const
{
    printAntPath(ant, std::cout);
    std::cout.precision(3);
}

void Colony::printAntMap(const int &ant) const
{
    printAntMap(ant, std::cout);
    std::cout.precision(3);
}

void Colony::printTables() const
{
    printTables(std::cout);
    std::cout.precision(3);
}

void Colony::printAntPath(const int &ant, std::ostream &out) const
{
    if (ant < 0 || ant >= static_cast<int>(m_ants.size()))
        return;
    const AntState &a = m_ants[static_cast<std::size_t>(ant)];
    const int length = std::min(a.pathLength, a.path.columnCount());
    for (int k = 0; k < length; ++k)
        out << "(" << a.path[0][k] << ". " << a.path[1][k] << ")\n";
}

void Colony::printAntMap(const int &ant, std::ostream &out) const
{
    out << "--Tabela de rutare" << std::endl;
    for (int x = 0; x < m_gridSide; ++x) {
        for (int y = 0; y < m_gridSide; ++y) {
            const char *symbol = isOnAntPath(ant, x, y) ? "X" : isObstacle(x, y) ? "o" : "_";
            out << symbol << " ";
        }
        out << std::endl;
    }
}

void Colony::printTable(std::ostream &out, const Table<double> &table, int precision) const
{
    out.precision(precision);
    for (int x = 0; x < m_gridSide; ++x) {
        for (int y = 0; y < m_gridSide; ++y)
            out << std::setw(5) << table[x][y] << " ";
        out << std::endl;
    }
}

void Colony::printTables(std::ostream &out) const
{
    const FormatGuard guard(out);
    if (m_tablesRule != Rule::Vormis) {
        Textbook::printTables(*this, out);
        return;
    }
    out << "\n--Tabela de rutare:\n";
    printTable(out, m_routing, 2);
    out << "--Tabela cu feromon:\n";
    printTable(out, m_pheromone, 3);
    out << "--Tabela euristica:\n";
    printTable(out, m_heuristic, 3);
}
