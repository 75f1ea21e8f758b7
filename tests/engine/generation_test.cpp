#include "engine_test_support.h"

namespace {

int antsAtFood(const Colony &colony)
{
    int count = 0;
    for (const AntState &ant : colony.m_ants)
        count += ant.atFood ? 1 : 0;
    return count;
}

} // namespace

TEST(Generation, WalledInAntsGiveUpAfterTheDeadEndLimit)
{
    auto colony = colonyFromRows({
        "H#..",
        "##..",
        "....",
        "...F",
    }, 2);
    colony->runGeneration();
    for (const AntState &ant : colony->m_ants) {
        EXPECT_FALSE(ant.atFood);
        EXPECT_EQ(ant.pathLength, 1 - 16);
        EXPECT_EQ(ant.steps, 1 + 16);
    }
    EXPECT_EQ(colony->arrivals(), 0);
}

TEST(Generation, AntStepsBackOutOfAClosedCorridor)
{
    // The only way leads into a dead end at (0, 2): the ant goes in, forgets
    // two cells, steps back to (0, 1) and, the cell it left being admissible
    // again, walks in once more, until nine dead ends are spent.
    auto colony = colonyFromRows({
        "H#.",
        ".#.",
        ".#F",
    });
    ScriptedDraws draws;
    draws.install(*colony, {});
    colony->runGeneration();
    const AntState &ant = colony->m_ants[0];
    EXPECT_FALSE(ant.atFood);
    EXPECT_EQ(ant.steps, 20);     // 2 moves in, 4 rounds of 2 dead ends and 2 moves, 1 dead end
    EXPECT_EQ(ant.pathLength, 2); // standing on (0, 2), which the last dead end forgot
    EXPECT_EQ(ant.x, 0);
    EXPECT_EQ(ant.y, 2);
    EXPECT_EQ(ant.path[1][1], 1);
    EXPECT_EQ(*draws.taken, 0);
}

TEST(Generation, DepositFollowsTheArrivingAntsPath)
{
    // The first ant of a fresh colony meets untouched tables, so each cell of
    // its path ends with pheromone 1 * (1 - ro), heuristic 1 + N / steps and
    // routing 1 + alpha * 1 + beta * heuristic (the food cell from 100).
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Colony colony(10, 1);
        colony.seedRandom(seed);
        colony.runGeneration();
        const AntState &ant = colony.m_ants[0];
        if (!ant.atFood)
            continue;
        expectSoundPath(colony, 0);
        const double heuristic = 1.0 + 10.0 / ant.steps;
        for (int k = 0; k < ant.pathLength; ++k) {
            const int x = ant.path[0][k];
            const int y = ant.path[1][k];
            const double base = (x == 9 && y == 9) ? 100.0 : 1.0;
            EXPECT_DOUBLE_EQ(colony.pheromoneTable()[x][y], 0.9);
            EXPECT_DOUBLE_EQ(colony.heuristicTable()[x][y], heuristic);
            EXPECT_DOUBLE_EQ(colony.routingTable()[x][y], base + 2.0 + heuristic);
        }
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y)
                if (!colony.isOnAntPath(0, x, y)) {
                    EXPECT_EQ(colony.pheromoneTable()[x][y], 0.0);
                }
    }
}

TEST(Generation, StraightCorridorGivesTheWorkedFigures)
{
    // No choice and no dead end: 9 moves, 10 cells, 10 steps, so every cell
    // gains heuristic 10 / 10 and routing 2 * 1 + 1 * 2.
    std::vector<std::string> rows(10, "##########");
    rows[0] = "H........F";
    auto colony = colonyFromRows(rows);
    ScriptedDraws draws;
    draws.install(*colony, {});
    colony->runGeneration();
    const AntState &ant = colony->m_ants[0];
    ASSERT_TRUE(ant.atFood);
    EXPECT_EQ(ant.pathLength, 10);
    EXPECT_EQ(ant.steps, 10);
    EXPECT_EQ(colony->heuristicTable()[4][0], 2.0);
    EXPECT_EQ(colony->routingTable()[4][0], 5.0);
    EXPECT_EQ(colony->routingTable()[9][0], 104.0);
    EXPECT_DOUBLE_EQ(colony->pheromoneTable()[4][0], 0.9);
    EXPECT_EQ(colony->pheromoneTable()[4][1], 0.0);
}

TEST(Generation, FoodNextToHomeIsReachedInOneMove)
{
    Colony colony(10, 3);
    colony.setFood(1, 1);
    colony.reset();
    colony.runGeneration();
    for (const AntState &ant : colony.m_ants) {
        EXPECT_TRUE(ant.atFood);
        EXPECT_EQ(ant.pathLength, 2);
        EXPECT_EQ(ant.steps, 2);
    }
    EXPECT_EQ(colony.arrivals(), 3);
    // Three ants, each adding N / 2 = 5 to both cells.
    EXPECT_DOUBLE_EQ(colony.heuristicTable()[0][0], 16.0);
    EXPECT_DOUBLE_EQ(colony.heuristicTable()[1][1], 16.0);
}

TEST(Generation, FoodOnAnObstacleIsNeverReached)
{
    Colony colony(6, 4);
    colony.addObstacle(5, 5);
    colony.seedRandom(7);
    colony.runGeneration();
    EXPECT_EQ(antsAtFood(colony), 0);
    EXPECT_EQ(colony.arrivals(), 0);
    for (int x = 0; x < 6; ++x) {
        for (int y = 0; y < 6; ++y) {
            EXPECT_EQ(colony.pheromoneTable()[x][y], 0.0);
            EXPECT_EQ(colony.heuristicTable()[x][y], 1.0);
        }
    }
}

TEST(Generation, HomeOnFoodIsNoArrivalByStandingThere)
{
    auto colony = colonyFromRows({
        "B#.",
        "##.",
        "...",
    }, 3);
    colony->runGeneration();
    EXPECT_EQ(antsAtFood(*colony), 0);
    EXPECT_EQ(colony->arrivals(), 0);
}

TEST(Generation, EvaporationRateBounds)
{
    Colony keep(10, 5);
    keep.setRo(0.0);
    keep.seedRandom(11);
    double previous = 0;
    for (int g = 0; g < 10; ++g) {
        keep.runGeneration();
        EXPECT_GE(keep.pheromoneTable()[0][0], previous);
        previous = keep.pheromoneTable()[0][0];
    }
    EXPECT_GT(previous, 0.0);

    Colony wipe(10, 5);
    wipe.setRo(1.0);
    wipe.seedRandom(11);
    for (int g = 0; g < 5; ++g) {
        wipe.runGeneration();
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 10; ++y)
                ASSERT_EQ(wipe.pheromoneTable()[x][y], 0.0);
    }
}

TEST(Generation, NoAntsOnlyEvaporate)
{
    Colony colony(10, 3);
    colony.seedRandom(5);
    colony.runGeneration();
    const double before = colony.pheromoneTable()[0][0];
    ASSERT_GT(before, 0.0);
    colony.setAntCount(0);
    colony.reset();
    colony.runGeneration();
    EXPECT_TRUE(colony.m_ants.empty());
    EXPECT_EQ(colony.arrivals(), 0);
    EXPECT_EQ(colony.pheromoneTable()[0][0], 0.0);
}

TEST(Generation, InvariantsHoldOverManySeedsAndWorlds)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::srand(seed);
        const int n = 3 + static_cast<int>(seed % 12);
        Colony colony(n, 1 + static_cast<int>(seed % 7));
        colony.setHome(std::rand() % n, std::rand() % n);
        colony.setFood(std::rand() % n, std::rand() % n);
        colony.setAlpha(static_cast<int>(seed % 4));
        colony.setBeta(static_cast<int>(seed % 3));
        colony.reset();
        for (int i = 0; i < n; ++i)
            colony.addObstacle(std::rand() % n, std::rand() % n);
        colony.seedRandom(seed);
        for (int g = 0; g < 10; ++g) {
            const int arrivalsBefore = colony.arrivals();
            colony.runGeneration();
            EXPECT_EQ(colony.arrivals() - arrivalsBefore, antsAtFood(colony));
            for (int a = 0; a < colony.antCount(); ++a) {
                EXPECT_LE(colony.m_ants[static_cast<size_t>(a)].pathLength, n * n);
                if (colony.m_ants[static_cast<size_t>(a)].atFood)
                    expectSoundPath(colony, a);
            }
        }
        colony.reset();
        EXPECT_EQ(colony.arrivals(), 0);
    }
}

TEST(Generation, SameSeedSameRun)
{
    Colony first(12, 8);
    Colony second(12, 8);
    first.seedRandom(99);
    second.seedRandom(99);
    for (int g = 0; g < 15; ++g) {
        first.runGeneration();
        second.runGeneration();
    }
    EXPECT_EQ(first.arrivals(), second.arrivals());
    for (int a = 0; a < 8; ++a) {
        EXPECT_EQ(first.m_ants[a].steps, second.m_ants[a].steps);
        EXPECT_EQ(first.m_ants[a].pathLength, second.m_ants[a].pathLength);
    }
    for (int x = 0; x < 12; ++x)
        for (int y = 0; y < 12; ++y)
            EXPECT_EQ(first.routingTable()[x][y], second.routingTable()[x][y]);
}
