// Drives the colony engine through its public interface with calls taken from
// the fuzzer's bytes, and stops the run (abort) when the engine breaks one of
// its promises.  AddressSanitizer and UBSan watch the memory on the way.
//
// The bytes are read as a program: one byte picks the call (its value modulo
// the number of calls, in the order of the Op list below), the bytes after it
// give its arguments.  The program starts with a colony from one of the two
// constructors, seeded from the input.  FuzzedDataProvider takes the bytes
// from the end of the input backwards; engine_seeds.py writes seeds that way.
// At most kMaxOps calls are made.  Sizes and ant counts given to the
// constructors, setSize and setAntCount are kept to 1..40 and 0..40: the
// engine accepts up to 1000 x 1000 cells and 100000 ants, and a world that
// large is a legitimate allocation of gigabytes, not a fault.  Every other
// argument is taken as it comes: negative, huge, NaN and infinities included.

#include "colony.h"
#include "linear_colony.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <streambuf>
#include <vector>

namespace {

constexpr int kMaxFuzzSize = 40;
constexpr int kMaxFuzzAnts = 40;
constexpr int kMaxOps = 200;
// Generations, the comparison with the reference and the dumps are the
// expensive calls; a budget of work per input (about ants x cells for a
// generation) keeps one input in the milliseconds, so that the fuzzer runs
// on at a thousand or more inputs a second.  Calls over the budget are left
// out.
constexpr int kMaxGenerations = 8;
constexpr long long kWorkBudget = 25000;

// Everything written to std::cout goes here and nowhere.
class NullBuffer : public std::streambuf
{
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
};

NullBuffer nullBuffer;

// CHECK(condition [, a [, b]]): a and b are printed with the condition.
void check(const char *what, bool holds, long long a = 0, long long b = 0)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz_engine: broken promise: CHECK(%s) with %lld, %lld\n", what, a, b);
    std::fflush(stderr);
    std::abort();
}

#define CHECK(...) check(#__VA_ARGS__, __VA_ARGS__)

// With VORMIS_FUZZ_TRACE set, every call is printed as the C++ statement it
// is, so that a finding replays as a plain program.
bool tracing = false;

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void trace(const char *format, ...)
{
    if (!tracing)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
}

// A double as C++ source.
std::string cpp(double v)
{
    if (std::isnan(v))
        return "std::numeric_limits<double>::quiet_NaN()";
    if (std::isinf(v))
        return v > 0 ? "std::numeric_limits<double>::infinity()" : "-std::numeric_limits<double>::infinity()";
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// What the harness knows independently of the engine: the grid the tables
// were built for at the last reset and the obstacles the engine accepted
// since then.
struct Model
{
    int gridSide = 0;
    int obstacleCapacity = 0;
    std::vector<unsigned char> obstacle; // gridSide x gridSide, [x * side + y]
    std::vector<std::pair<int, int>> obstacleList;
    int generations = 0;
    long long work = 0;
    Rule tablesRule = Rule::Vormis; // the rule of the last reset, the one walked
    bool pheromoneWritten = false;  // by hand since that reset

    bool spend(long long cost)
    {
        if (work + cost > kWorkBudget)
            return false;
        work += cost;
        return true;
    }

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < gridSide && y < gridSide; }
    bool isObstacle(int x, int y) const
    {
        if (inside(x, y))
            return obstacle[static_cast<std::size_t>(x) * static_cast<std::size_t>(gridSide) + static_cast<std::size_t>(y)] != 0;
        // Outside the tables (a size grown since the reset): only the list knows.
        return std::find(obstacleList.begin(), obstacleList.end(), std::make_pair(x, y)) != obstacleList.end();
    }
};

int fuzzSize(FuzzedDataProvider &data)
{
    return data.ConsumeIntegralInRange<int>(1, kMaxFuzzSize);
}

int fuzzAnts(FuzzedDataProvider &data)
{
    return data.ConsumeIntegralInRange<int>(0, kMaxFuzzAnts);
}

// Mostly coordinates near the grid, sometimes any int at all.
int fuzzCoordinate(FuzzedDataProvider &data)
{
    const uint8_t kind = data.ConsumeIntegral<uint8_t>();
    if (kind < 200)
        return static_cast<int>(kind % (kMaxFuzzSize + 4)) - 2;
    if (kind < 240)
        return data.ConsumeIntegral<int>();
    static const int extremes[] = {std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), -1, 1000, 1001};
    return extremes[kind % 5];
}

// An ant's index: mostly a real one, sometimes far out.
int fuzzAntIndex(FuzzedDataProvider &data)
{
    const uint8_t kind = data.ConsumeIntegral<uint8_t>();
    if (kind < 220)
        return static_cast<int>(kind % (kMaxFuzzAnts + 4)) - 2;
    if (kind < 250)
        return data.ConsumeIntegral<int>();
    return kind % 2 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
}

int fuzzInt(FuzzedDataProvider &data)
{
    const uint8_t kind = data.ConsumeIntegral<uint8_t>();
    if (kind < 128)
        return static_cast<int>(kind % 12) - 2;
    if (kind < 250)
        return data.ConsumeIntegral<int>();
    return kind % 2 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
}

double fuzzDouble(FuzzedDataProvider &data)
{
    const uint8_t kind = data.ConsumeIntegral<uint8_t>();
    switch (kind % 12) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return std::numeric_limits<double>::infinity();
    case 2: return -std::numeric_limits<double>::infinity();
    case 3: return 0.0;
    case 4: return 1.0;
    case 5: return -1.0;
    case 6: return std::numeric_limits<double>::max();
    case 7: return std::numeric_limits<double>::denorm_min();
    case 8: return data.ConsumeProbability<double>();
    default: return data.ConsumeFloatingPoint<double>();
    }
}

void checkSetters(const Colony &colony)
{
    CHECK(colony.size() >= 1 && colony.size() <= 1000, colony.size());
    CHECK(colony.antCount() >= 0 && colony.antCount() <= 100000, colony.antCount());
    CHECK(colony.foodX() >= 0 && colony.foodX() < colony.size(), colony.foodX(), colony.size());
    CHECK(colony.foodY() >= 0 && colony.foodY() < colony.size(), colony.foodY(), colony.size());
    CHECK(colony.homeX() >= 0 && colony.homeX() < colony.size(), colony.homeX(), colony.size());
    CHECK(colony.homeY() >= 0 && colony.homeY() < colony.size(), colony.homeY(), colony.size());
}

void checkAntsAtHome(const Colony &colony)
{
    for (const AntState &ant : colony.m_ants) {
        CHECK(ant.x == colony.homeX() && ant.y == colony.homeY(), ant.x, ant.y);
        CHECK(ant.pathLength == 1 && ant.steps == 1, ant.pathLength, ant.steps);
        CHECK(!ant.atFood);
        CHECK(ant.path[0][0] == colony.homeX() && ant.path[1][0] == colony.homeY(), ant.path[0][0], ant.path[1][0]);
    }
}

// The state every reset promises: a fresh grid of the current size, the ants
// at home, untouched tables and no obstacles.
void checkAfterReset(Colony &colony, Model &model)
{
    checkSetters(colony);
    CHECK(colony.arrivals() == 0, colony.arrivals());
    const int n = colony.size();
    CHECK(static_cast<int>(colony.m_ants.size()) == colony.antCount(), static_cast<long long>(colony.m_ants.size()),
          colony.antCount());
    for (const AntState &ant : colony.m_ants)
        CHECK(ant.path.rowCount() == 2 && ant.path.columnCount() == n * n, ant.path.rowCount(), ant.path.columnCount());
    checkAntsAtHome(colony);

    double **pheromone = colony.pheromoneTable();
    const double *const *routing = colony.routingTable();
    const double *const *heuristic = colony.heuristicTable();
    CHECK(pheromone && routing && heuristic);
    const bool textbook = colony.rule() != Rule::Vormis;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            if (textbook) {
                // tau0 everywhere, eta by the king-move distance to the food.
                CHECK(pheromone[x][y] == pheromone[0][0] && pheromone[x][y] > 0.0, x, y);
                const int d = std::max(std::abs(x - colony.foodX()), std::abs(y - colony.foodY()));
                CHECK(heuristic[x][y] == 1.0 / (1 + d), x, y);
                CHECK(routing[x][y] >= 0.0 && std::isfinite(routing[x][y]), x, y);
                continue;
            }
            CHECK(pheromone[x][y] == 0.0, x, y);
            CHECK(heuristic[x][y] == 1.0, x, y);
            const bool food = x == colony.foodX() && y == colony.foodY();
            CHECK(routing[x][y] == (food ? 100.0 : 1.0), x, y);
        }
    }
    CHECK(!colony.isObstacle(colony.homeX(), colony.homeY()));
    CHECK(!colony.isObstacle(colony.foodX(), colony.foodY()));

    model.tablesRule = colony.rule();
    model.pheromoneWritten = false;
    model.gridSide = n;
    model.obstacleCapacity = n * n;
    model.obstacle.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0);
    model.obstacleList.clear();
}

// A recorded path, entries 0 .. length - 1: from home, a chain of distinct
// 8-neighbours inside the grid that enters no obstacle (home itself may be
// one in a careless world).
void checkPath(const Colony &colony, const Model &model, const AntState &ant, int length)
{
    CHECK(ant.path[0][0] == colony.homeX() && ant.path[1][0] == colony.homeY(), ant.path[0][0], ant.path[1][0]);
    const int side = model.gridSide;
    std::vector<unsigned char> seen(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0);
    for (int k = 0; k < length; ++k) {
        const int x = ant.path[0][k];
        const int y = ant.path[1][k];
        if (k == 0 && !model.inside(x, y)) {
            // Home moved outside the tables by a size grown without a reset:
            // the ant cannot leave it.
            CHECK(length == 1, length);
            return;
        }
        CHECK(model.inside(x, y), x, y);
        unsigned char &cell = seen[static_cast<std::size_t>(x) * static_cast<std::size_t>(side) + static_cast<std::size_t>(y)];
        CHECK(cell == 0, x, y); // no cell twice
        cell = 1;
        if (k > 0) {
            const int dx = std::abs(x - ant.path[0][k - 1]);
            const int dy = std::abs(y - ant.path[1][k - 1]);
            CHECK(dx <= 1 && dy <= 1 && dx + dy > 0, k, dx * 10 + dy);
            CHECK(!model.isObstacle(x, y), x, y);
        }
    }
}

void checkGeneration(const Colony &colony, const Model &model, int arrivalsBefore)
{
    const int side = model.gridSide;
    const long long capacity = static_cast<long long>(side) * side;
    const long long deadEndLimit = static_cast<long long>(colony.size()) * colony.size();
    int atFood = 0;
    for (std::size_t a = 0; a < colony.m_ants.size(); ++a) {
        const AntState &ant = colony.m_ants[a];
        CHECK(ant.pathLength <= capacity, ant.pathLength, capacity);
        CHECK(ant.path.columnCount() == capacity, ant.path.columnCount(), capacity);
        // Every dead end costs a step and forgets a cell, every move costs a
        // step and records one: steps - pathLength is twice the dead ends.
        const long long deadEnds2 = static_cast<long long>(ant.steps) - ant.pathLength;
        CHECK(deadEnds2 >= 0 && deadEnds2 % 2 == 0 && deadEnds2 <= 2 * deadEndLimit, ant.steps, ant.pathLength);
        if (ant.atFood) {
            ++atFood;
            CHECK(ant.pathLength >= 1, ant.pathLength);
            CHECK(ant.x == colony.foodX() && ant.y == colony.foodY(), ant.x, ant.y);
            CHECK(ant.path[0][ant.pathLength - 1] == colony.foodX(), ant.path[0][ant.pathLength - 1], colony.foodX());
            CHECK(ant.path[1][ant.pathLength - 1] == colony.foodY(), ant.path[1][ant.pathLength - 1], colony.foodY());
            checkPath(colony, model, ant, ant.pathLength);
        } else {
            // An ant that did not arrive either never left a home outside
            // the tables or used up all its dead ends.
            const bool stuckAtHome = !model.inside(colony.homeX(), colony.homeY());
            CHECK(stuckAtHome ? deadEnds2 == 0 : deadEnds2 == 2 * deadEndLimit, ant.steps, ant.pathLength);
            if (ant.pathLength >= 1)
                checkPath(colony, model, ant, ant.pathLength);
        }
    }
    CHECK(colony.arrivals() - arrivalsBefore == atFood, colony.arrivals() - arrivalsBefore, atFood);
    // The textbook rules keep tau and their weights finite and not negative,
    // whatever the parameters (the window's rule keeps what ro makes of
    // them), as long as nobody wrote into tau by hand.
    if (model.tablesRule == Rule::Vormis || model.pheromoneWritten)
        return;
    for (int x = 0; x < side; ++x) {
        for (int y = 0; y < side; ++y) {
            const double tau = colony.pheromoneTable()[x][y];
            const double weight = colony.routingTable()[x][y];
            CHECK(tau >= 0.0 && std::isfinite(tau) && weight >= 0.0 && std::isfinite(weight), x, y);
        }
    }
}

bool sameValue(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// A fresh colony set up from the current one's parameters and the obstacles
// accepted so far, run side by side with the linear-scan reference: for the
// same seed the two must agree to the bit on every ant and every table.
void compareWithReference(const Colony &current, const Model &model, uint32_t seed, int generations)
{
    Colony engine(1, 0);
    engine.setSize(current.size());
    engine.setAntCount(current.antCount());
    engine.setHome(current.homeX(), current.homeY());
    engine.setFood(current.foodX(), current.foodY());
    engine.setAlpha(current.alpha());
    engine.setBeta(current.beta());
    engine.setRo(current.ro());
    engine.reset();

    World world;
    world.size = engine.size();
    world.ants = engine.antCount();
    world.home = {engine.homeX(), engine.homeY()};
    world.food = {engine.foodX(), engine.foodY()};
    world.alpha = engine.alpha();
    world.beta = engine.beta();
    world.ro = engine.ro();
    const int n = world.size;
    for (const auto &cell : model.obstacleList) {
        if (cell.first < n && cell.second < n && static_cast<int>(world.obstacles.size()) < n * n) {
            engine.addObstacle(cell.first, cell.second);
            world.obstacles.push_back({cell.first, cell.second});
        }
    }
    engine.seedRandom(seed);
    LinearColony reference(world, seed);
    trace("// compared with the linear reference: %d x %d, %d ants, home %d,%d, food %d,%d, %zu obstacles, "
          "seed %u, %d generations",
          n, n, world.ants, world.home.x, world.home.y, world.food.x, world.food.y, world.obstacles.size(), seed,
          generations);

    for (int g = 0; g < generations; ++g) {
        engine.runGeneration();
        reference.runGeneration();
        CHECK(engine.arrivals() == reference.arrivals, engine.arrivals(), reference.arrivals);
        for (std::size_t a = 0; a < reference.ants.size(); ++a) {
            const AntState &ours = engine.m_ants[a];
            const LinearColony::Ant &theirs = reference.ants[a];
            CHECK(ours.steps == theirs.steps, ours.steps, theirs.steps);
            CHECK(ours.pathLength == theirs.pathLength, ours.pathLength, theirs.pathLength);
            CHECK(ours.atFood == theirs.atFood, static_cast<long long>(a), g);
            CHECK(ours.x == theirs.x && ours.y == theirs.y, ours.x * 1000LL + ours.y, theirs.x * 1000LL + theirs.y);
            for (int k = 0; k < ours.pathLength; ++k) {
                CHECK(ours.path[0][k] == theirs.pathX[static_cast<std::size_t>(k)], static_cast<long long>(a), k);
                CHECK(ours.path[1][k] == theirs.pathY[static_cast<std::size_t>(k)], static_cast<long long>(a), k);
            }
        }
        for (int x = 0; x < n; ++x) {
            for (int y = 0; y < n; ++y) {
                const auto cx = static_cast<std::size_t>(x);
                const auto cy = static_cast<std::size_t>(y);
                CHECK(sameValue(engine.routingTable()[x][y], reference.routing[cx][cy]), x, y);
                CHECK(sameValue(engine.pheromoneTable()[x][y], reference.pheromone[cx][cy]), x, y);
                CHECK(sameValue(engine.heuristicTable()[x][y], reference.heuristic[cx][cy]), x, y);
            }
        }
    }
}

bool antIsListed(const Colony &colony, int ant)
{
    return ant >= 0 && ant < colony.antCount() && ant < static_cast<int>(colony.m_ants.size());
}

bool onPathByHand(const Colony &colony, int ant, int x, int y)
{
    if (!antIsListed(colony, ant))
        return false;
    const AntState &a = colony.m_ants[static_cast<std::size_t>(ant)];
    const int length = std::min(a.pathLength, a.path.columnCount());
    for (int k = 0; k < length; ++k)
        if (a.path[0][k] == x && a.path[1][k] == y)
            return true;
    return false;
}

void checkChoice(Colony &colony, const Model &model, int ant)
{
    int nx = 12345;
    int ny = 12345;
    const bool moved = colony.chooseNextCell(ant, nx, ny);
    const bool known = ant >= 0 && ant < static_cast<int>(colony.m_ants.size());
    if (!moved) {
        CHECK(nx == -1 && ny == -1, nx, ny);
        if (known) {
            // No admissible neighbour may have been left out.
            const AntState &a = colony.m_ants[static_cast<std::size_t>(ant)];
            if (model.inside(a.x, a.y)) {
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy) {
                        const int cx = a.x + dx;
                        const int cy = a.y + dy;
                        if ((dx || dy) && model.inside(cx, cy))
                            CHECK(model.isObstacle(cx, cy) || onPathByHand(colony, ant, cx, cy), cx, cy);
                    }
            }
        }
        return;
    }
    CHECK(known, ant);
    const AntState &a = colony.m_ants[static_cast<std::size_t>(ant)];
    const int dx = std::abs(nx - a.x);
    const int dy = std::abs(ny - a.y);
    CHECK(dx <= 1 && dy <= 1 && dx + dy > 0, nx, ny);
    CHECK(model.inside(nx, ny), nx, ny);
    CHECK(!model.isObstacle(nx, ny), nx, ny);
    CHECK(!onPathByHand(colony, ant, nx, ny), nx, ny);
    // A free food cell next to the ant is taken at once.
    const int fx = colony.foodX();
    const int fy = colony.foodY();
    const bool foodNext = std::abs(fx - a.x) <= 1 && std::abs(fy - a.y) <= 1 && (fx != a.x || fy != a.y);
    if (foodNext && model.inside(fx, fy) && !model.isObstacle(fx, fy) && !onPathByHand(colony, ant, fx, fy))
        CHECK(nx == fx && ny == fy, nx, ny);
}

enum Op : uint8_t {
    NewSized,
    NewDefault,
    SetSize,
    SetAntCount,
    SetFood,
    SetHome,
    SetAlpha,
    SetBeta,
    SetRo,
    Reset,
    ResetAnts,
    AddObstacle,
    AddObstacles,
    IsObstacle,
    RunGeneration,
    ChooseNextCell,
    IsOnAntPath,
    SeedRandom,
    ScriptRandom,
    DropRandomScript,
    RandomValue,
    PrintAntPath,
    PrintAntMap,
    PrintTables,
    ReadTables,
    WritePheromone,
    CompareWithReference,
    SetRule,
    SetQ0,
    SetXi,
    SetElite,
    SetRank,
    SetRestartAfter,
    OpCount
};

void newColony(std::unique_ptr<Colony> &colony, Model &model, FuzzedDataProvider &data, bool sized)
{
    if (sized) {
        const int size = fuzzSize(data);
        const int ants = fuzzAnts(data);
        trace("colony = std::make_unique<Colony>(%d, %d);", size, ants);
        colony = std::make_unique<Colony>(size, ants);
        CHECK(colony->size() == size && colony->antCount() == ants, colony->size(), colony->antCount());
        CHECK(colony->foodX() == size - 1 && colony->foodY() == size - 1 && colony->homeX() == 0 && colony->homeY() == 0);
    } else {
        trace("colony = std::make_unique<Colony>();");
        colony = std::make_unique<Colony>();
        CHECK(colony->size() == 5 && colony->antCount() == 5, colony->size(), colony->antCount());
    }
    // The constructors seed from the clock; an input must replay exactly.
    const uint32_t seed = data.ConsumeIntegral<uint32_t>();
    trace("colony->seedRandom(%uu);", seed);
    colony->seedRandom(seed);
    checkAfterReset(*colony, model);
}

void runOne(std::unique_ptr<Colony> &holder, Model &model, FuzzedDataProvider &data, Op op)
{
    if (op == NewSized || op == NewDefault) {
        newColony(holder, model, data, op == NewSized);
        return;
    }
    Colony &colony = *holder;
    switch (op) {
    case SetSize: {
        const int n = fuzzSize(data);
        trace("colony->setSize(%d);", n);
        colony.setSize(n);
        CHECK(colony.size() == n, colony.size(), n);
        break;
    }
    case SetAntCount: {
        const int n = fuzzAnts(data);
        trace("colony->setAntCount(%d);", n);
        colony.setAntCount(n);
        CHECK(colony.antCount() == n, colony.antCount(), n);
        break;
    }
    case SetFood:
    case SetHome: {
        const int x = fuzzCoordinate(data);
        const int y = fuzzCoordinate(data);
        const int n = colony.size();
        if (op == SetFood) {
            trace("colony->setFood(%d, %d);", x, y);
            colony.setFood(x, y);
            CHECK(colony.foodX() == (x >= 0 && x < n ? x : n - 1), colony.foodX(), x);
            CHECK(colony.foodY() == (y >= 0 && y < n ? y : n - 1), colony.foodY(), y);
        } else {
            trace("colony->setHome(%d, %d);", x, y);
            colony.setHome(x, y);
            CHECK(colony.homeX() == (x >= 0 && x < n ? x : 0), colony.homeX(), x);
            CHECK(colony.homeY() == (y >= 0 && y < n ? y : 0), colony.homeY(), y);
        }
        break;
    }
    case SetAlpha: {
        const int v = fuzzInt(data);
        trace("colony->setAlpha(%d);", v);
        colony.setAlpha(v);
        CHECK(colony.alpha() == v);
        break;
    }
    case SetBeta: {
        const int v = fuzzInt(data);
        trace("colony->setBeta(%d);", v);
        colony.setBeta(v);
        CHECK(colony.beta() == v);
        break;
    }
    case SetRo: {
        const double r = fuzzDouble(data);
        trace("colony->setRo(%s);", cpp(r).c_str());
        colony.setRo(r);
        CHECK(colony.ro() == r || (std::isnan(r) && std::isnan(colony.ro())));
        break;
    }
    case Reset:
        trace("colony->reset();");
        colony.reset();
        checkAfterReset(colony, model);
        break;
    case ResetAnts: {
        const int arrivals = colony.arrivals();
        trace("colony->resetAnts();");
        colony.resetAnts();
        checkAntsAtHome(colony);
        CHECK(colony.arrivals() == arrivals);
        break;
    }
    case AddObstacle:
    case AddObstacles: {
        const int x = fuzzCoordinate(data);
        const int y = fuzzCoordinate(data);
        // Repeats fill the list past its capacity.
        const int times = op == AddObstacle ? 1 : data.ConsumeIntegralInRange<int>(1, 2 * kMaxFuzzSize * kMaxFuzzSize);
        if (times == 1)
            trace("colony->addObstacle(%d, %d);", x, y);
        else
            trace("for (int i = 0; i < %d; ++i) colony->addObstacle(%d, %d);", times, x, y);
        for (int i = 0; i < times; ++i) {
            const bool accepted = x >= 0 && y >= 0 && x < colony.size() && y < colony.size()
                && static_cast<int>(model.obstacleList.size()) < model.obstacleCapacity;
            colony.addObstacle(x, y);
            if (accepted) {
                model.obstacleList.emplace_back(x, y);
                if (model.inside(x, y))
                    model.obstacle[static_cast<std::size_t>(x) * static_cast<std::size_t>(model.gridSide) + static_cast<std::size_t>(y)] = 1;
            }
        }
        CHECK(colony.isObstacle(x, y) == model.isObstacle(x, y), x, y);
        break;
    }
    case IsObstacle: {
        const int x = fuzzCoordinate(data);
        const int y = fuzzCoordinate(data);
        trace("colony->isObstacle(%d, %d);", x, y);
        CHECK(colony.isObstacle(x, y) == model.isObstacle(x, y), x, y);
        break;
    }
    case RunGeneration: {
        const long long cells = static_cast<long long>(model.gridSide) * model.gridSide;
        if (model.generations >= kMaxGenerations || !model.spend((static_cast<long long>(colony.m_ants.size()) + 1) * cells))
            break;
        ++model.generations;
        const int before = colony.arrivals();
        trace("colony->runGeneration();");
        colony.runGeneration();
        checkGeneration(colony, model, before);
        break;
    }
    case ChooseNextCell: {
        const int ant = fuzzAntIndex(data);
        trace("colony->chooseNextCell(%d, nx, ny);", ant);
        checkChoice(colony, model, ant);
        break;
    }
    case IsOnAntPath: {
        const int ant = fuzzAntIndex(data);
        const int x = fuzzCoordinate(data);
        const int y = fuzzCoordinate(data);
        trace("colony->isOnAntPath(%d, %d, %d);", ant, x, y);
        CHECK(colony.isOnAntPath(ant, x, y) == onPathByHand(colony, ant, x, y), ant, x * 100000LL + y);
        break;
    }
    case SeedRandom: {
        const uint32_t seed = data.ConsumeIntegral<uint32_t>();
        trace("colony->seedRandom(%uu);", seed);
        colony.seedRandom(seed);
        break;
    }
    case ScriptRandom: {
        // Draws from the input itself, any int (the engine clamps them).
        auto draws = std::make_shared<std::vector<int>>();
        const int count = data.ConsumeIntegralInRange<int>(1, 16);
        for (int i = 0; i < count; ++i)
            draws->push_back(fuzzInt(data));
        auto next = std::make_shared<std::size_t>(0);
        colony.setRandomSource([draws, next] { return (*draws)[(*next)++ % draws->size()]; });
        if (tracing) {
            std::string list;
            for (int v : *draws)
                list += (list.empty() ? "" : ", ") + std::to_string(v);
            trace("colony->setRandomSource(cycling through {%s});", list.c_str());
        }
        break;
    }
    case DropRandomScript:
        trace("colony->setRandomSource(nullptr);");
        colony.setRandomSource(nullptr);
        break;
    case RandomValue: {
        const double low = fuzzDouble(data);
        const double span = fuzzDouble(data);
        trace("colony->randomValue(%s, %s);", cpp(low).c_str(), cpp(span).c_str());
        const double v = colony.randomValue(low, span);
        if (std::isfinite(low) && std::isfinite(span) && std::isfinite(low + span) && std::isfinite(v))
            CHECK(v >= std::min(low, low + span) && v <= std::max(low, low + span));
        break;
    }
    case PrintAntPath: {
        const int ant = fuzzAntIndex(data);
        std::ostringstream out;
        std::streambuf *old = std::cout.rdbuf(out.rdbuf());
        trace("colony->printAntPath(%d);", ant);
        colony.printAntPath(ant);
        std::cout.rdbuf(old);
        const std::string text = out.str();
        long long expected = 0;
        if (ant >= 0 && ant < static_cast<int>(colony.m_ants.size())) {
            const AntState &a = colony.m_ants[static_cast<std::size_t>(ant)];
            expected = std::max(0, std::min(a.pathLength, a.path.columnCount()));
        }
        CHECK(std::count(text.begin(), text.end(), '\n') == expected, ant, expected);
        break;
    }
    case PrintAntMap: {
        const int ant = fuzzAntIndex(data);
        // Every cell scans the obstacle list and the ant's path.
        const long long cells = static_cast<long long>(model.gridSide) * model.gridSide;
        const long long path = antIsListed(colony, ant) ? std::max(0, colony.m_ants[static_cast<std::size_t>(ant)].pathLength) : 0;
        if (!model.spend(cells * (16 + static_cast<long long>(model.obstacleList.size()) + path) / 16))
            break;
        trace("colony->printAntMap(%d);", ant);
        colony.printAntMap(ant);
        break;
    }
    case PrintTables:
        if (!model.spend(4LL * model.gridSide * model.gridSide))
            break;
        trace("colony->printTables();");
        colony.printTables();
        break;
    case ReadTables: {
        trace("// read the three tables, %d x %d", model.gridSide, model.gridSide);
        double sum = 0.0;
        const double *const *routing = colony.routingTable();
        const double *const *heuristic = colony.heuristicTable();
        double **pheromone = colony.pheromoneTable();
        for (int x = 0; x < model.gridSide; ++x)
            for (int y = 0; y < model.gridSide; ++y)
                sum += routing[x][y] + heuristic[x][y] + pheromone[x][y];
        volatile double sink = sum;
        (void)sink;
        break;
    }
    case WritePheromone: {
        const int x = data.ConsumeIntegralInRange<int>(0, model.gridSide - 1);
        const int y = data.ConsumeIntegralInRange<int>(0, model.gridSide - 1);
        const double v = fuzzDouble(data);
        trace("colony->pheromoneTable()[%d][%d] = %s;", x, y, cpp(v).c_str());
        colony.pheromoneTable()[x][y] = v;
        model.pheromoneWritten = true;
        break;
    }
    case CompareWithReference: {
        const uint32_t seed = data.ConsumeIntegral<uint32_t>();
        const int generations = data.ConsumeIntegralInRange<int>(1, 4);
        // The reference scans the whole path for every neighbour: count it
        // as several generations of the engine.
        const long long side = colony.size();
        if (model.generations + generations > kMaxGenerations
            || !model.spend(8 * generations * (static_cast<long long>(colony.antCount()) + 1) * side * side))
            break;
        model.generations += generations;
        compareWithReference(colony, model, seed, generations);
        break;
    }
    case SetRule: {
        const int last = static_cast<int>(allRules().size()) - 1;
        const Rule rule = allRules()[static_cast<std::size_t>(data.ConsumeIntegralInRange<int>(0, last))];
        trace("colony->setRule(static_cast<Rule>(%d));", static_cast<int>(rule));
        colony.setRule(rule);
        CHECK(colony.rule() == rule);
        break;
    }
    case SetQ0:
    case SetXi: {
        const double v = fuzzDouble(data);
        trace("colony->%s(%s);", op == SetQ0 ? "setQ0" : "setXi", cpp(v).c_str());
        if (op == SetQ0)
            colony.setQ0(v);
        else
            colony.setXi(v);
        break;
    }
    case SetElite:
    case SetRank:
    case SetRestartAfter: {
        const int v = fuzzInt(data);
        const char *name = op == SetElite ? "setElite" : op == SetRank ? "setRank" : "setRestartAfter";
        trace("colony->%s(%d);", name, v);
        if (op == SetElite)
            colony.setElite(v);
        else if (op == SetRank)
            colony.setRank(v);
        else
            colony.setRestartAfter(v);
        break;
    }
    case NewSized:
    case NewDefault:
    case OpCount:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::cout.rdbuf(&nullBuffer);
    tracing = std::getenv("VORMIS_FUZZ_TRACE") != nullptr;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    Model model;
    std::unique_ptr<Colony> colony;
    newColony(colony, model, data, data.ConsumeBool());
    for (int i = 0; i < kMaxOps && data.remaining_bytes() > 0; ++i) {
        const auto op = static_cast<Op>(data.ConsumeIntegralInRange<uint8_t>(0, OpCount - 1));
        runOne(colony, model, data, op);
    }
    return 0;
}
