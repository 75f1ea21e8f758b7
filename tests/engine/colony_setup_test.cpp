#include "engine_test_support.h"

TEST(ColonySetup, ConstructorsGiveTheirDefaults)
{
    Colony plain;
    EXPECT_EQ(plain.size(), 5);
    EXPECT_EQ(plain.antCount(), 5);
    EXPECT_EQ(plain.foodX(), 4);
    EXPECT_EQ(plain.foodY(), 4);
    EXPECT_EQ(plain.homeX(), 0);
    EXPECT_EQ(plain.homeY(), 0);
    EXPECT_EQ(plain.alpha(), 1);
    EXPECT_EQ(plain.beta(), 1);
    EXPECT_DOUBLE_EQ(plain.ro(), 0.06);

    Colony sized(10, 5);
    EXPECT_EQ(sized.size(), 10);
    EXPECT_EQ(sized.antCount(), 5);
    EXPECT_EQ(sized.foodX(), 9);
    EXPECT_EQ(sized.foodY(), 9);
    EXPECT_EQ(sized.homeX(), 0);
    EXPECT_EQ(sized.homeY(), 0);
    EXPECT_EQ(sized.alpha(), 2);
    EXPECT_EQ(sized.beta(), 1);
    EXPECT_DOUBLE_EQ(sized.ro(), 0.1);
    EXPECT_EQ(static_cast<int>(sized.m_ants.size()), 5);
}

TEST(ColonySetup, FoodAndHomeAreClampedCoordinateByCoordinate)
{
    Colony colony(10, 5);
    colony.setFood(-1, 7);
    EXPECT_EQ(colony.foodX(), 9);
    EXPECT_EQ(colony.foodY(), 7);
    colony.setFood(10, 10);
    EXPECT_EQ(colony.foodX(), 9);
    EXPECT_EQ(colony.foodY(), 9);
    colony.setHome(12, 3);
    EXPECT_EQ(colony.homeX(), 0);
    EXPECT_EQ(colony.homeY(), 3);
    colony.setHome(4, -2);
    EXPECT_EQ(colony.homeX(), 4);
    EXPECT_EQ(colony.homeY(), 0);
}

TEST(ColonySetup, ResetFillsTablesAndPutsAntsHome)
{
    Colony colony(10, 5);
    colony.setHome(2, 3);
    colony.addObstacle(5, 5);
    colony.runGeneration();
    colony.reset();

    double **pheromone = colony.pheromoneTable();
    const double *const *routing = colony.routingTable();
    const double *const *heuristic = colony.heuristicTable();
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 10; ++y) {
            EXPECT_EQ(pheromone[x][y], 0.0);
            EXPECT_EQ(heuristic[x][y], 1.0);
            EXPECT_EQ(routing[x][y], (x == 9 && y == 9) ? 100.0 : 1.0);
        }
    }
    EXPECT_FALSE(colony.isObstacle(5, 5));
    EXPECT_EQ(colony.arrivals(), 0);
    for (const AntState &ant : colony.m_ants) {
        EXPECT_EQ(ant.x, 2);
        EXPECT_EQ(ant.y, 3);
        EXPECT_EQ(ant.path[0][0], 2);
        EXPECT_EQ(ant.path[1][0], 3);
        EXPECT_EQ(ant.pathLength, 1);
        EXPECT_EQ(ant.steps, 1);
        EXPECT_FALSE(ant.atFood);
    }
}

TEST(ColonySetup, SizeAndAntCountTakeEffectAtReset)
{
    Colony colony(10, 5);
    double **before = colony.pheromoneTable();
    colony.setSize(7);
    colony.setAntCount(3);
    EXPECT_EQ(colony.size(), 7);
    EXPECT_EQ(colony.pheromoneTable(), before);
    EXPECT_EQ(colony.m_ants.size(), 5u);
    colony.reset();
    EXPECT_EQ(colony.m_ants.size(), 3u);
    EXPECT_EQ(colony.m_ants[0].path.columnCount(), 49);
}

TEST(ColonySetup, SizeAndAntCountAreHeldToWhatAWorldCanUse)
{
    // Only the setters: a reset at the upper bounds would allocate gigabytes.
    Colony colony(10, 5);
    const int sizes[][2] = {{0, 1}, {-7, 1}, {1000, 1000}, {1001, 1000}, {2147483647, 1000}};
    for (const auto &s : sizes) {
        colony.setSize(s[0]);
        EXPECT_EQ(colony.size(), s[1]) << "setSize(" << s[0] << ")";
    }
    const int ants[][2] = {{-1, 0}, {0, 0}, {100000, 100000}, {100001, 100000}, {2147483647, 100000}};
    for (const auto &a : ants) {
        colony.setAntCount(a[0]);
        EXPECT_EQ(colony.antCount(), a[1]) << "setAntCount(" << a[0] << ")";
    }
    Colony tiny(-3, -3);
    EXPECT_EQ(tiny.size(), 1);
    EXPECT_EQ(tiny.antCount(), 0);
    tiny.runGeneration();
    EXPECT_EQ(tiny.arrivals(), 0);
}

TEST(ColonySetup, ResetAfterShrinkingBringsFoodAndHomeInside)
{
    Colony colony(10, 5);
    colony.setHome(8, 2);
    colony.setSize(5); // food (9, 9) and home x 8 now lie outside
    colony.reset();
    EXPECT_EQ(colony.foodX(), 4);
    EXPECT_EQ(colony.foodY(), 4);
    EXPECT_EQ(colony.homeX(), 0);
    EXPECT_EQ(colony.homeY(), 2);
    EXPECT_EQ(colony.routingTable()[4][4], 100.0);
    colony.runGeneration();
}

TEST(ColonySetup, FoodOutsideTheWalkedGridIsNeverReached)
{
    // The new size waits for the reset, so the food at (0, 15) lies outside
    // the 10 x 10 grid the ants walk until then: nobody arrives anywhere.
    for (const Rule rule : allRules()) {
        Colony colony(10, 20);
        colony.setRule(rule);
        colony.reset();
        colony.setSize(20);
        colony.setFood(0, 15);
        colony.seedRandom(1);
        for (int g = 0; g < 5; ++g)
            colony.runGeneration();
        EXPECT_EQ(colony.arrivals(), 0) << ruleName(rule);
    }
}

TEST(ColonySetup, ObstacleListRefusesWhatItCannotHold)
{
    Colony colony(10, 5);
    colony.addObstacle(10, 2);
    colony.addObstacle(2, 10);
    colony.addObstacle(-1, 2);
    colony.addObstacle(2, -1);
    EXPECT_FALSE(colony.isObstacle(10, 2));
    EXPECT_FALSE(colony.isObstacle(-1, 2));
    colony.addObstacle(3, 3);
    colony.addObstacle(3, 3);
    EXPECT_TRUE(colony.isObstacle(3, 3));

    // A 3 x 3 world's list holds 9 entries; further ones are refused.
    Colony small(3, 1);
    for (int i = 0; i < 20; ++i)
        small.addObstacle(i % 3, 0);
    small.addObstacle(2, 2);
    EXPECT_FALSE(small.isObstacle(2, 2));
}

TEST(ColonySetup, PathMembershipChecksTheAntIndex)
{
    Colony colony(10, 5);
    EXPECT_TRUE(colony.isOnAntPath(4, 0, 0));
    EXPECT_FALSE(colony.isOnAntPath(5, 0, 0));
    EXPECT_FALSE(colony.isOnAntPath(-1, 0, 0));
    colony.m_ants[0].pathLength = 0;
    EXPECT_FALSE(colony.isOnAntPath(0, 0, 0));
}

TEST(ColonyRandom, SeededGeneratorFollowsTheStandardExample)
{
    Colony colony(10, 5);
    colony.seedRandom(1);
    // rand() of the C standard's example seeded with 1: 16838, 5758, 10113.
    EXPECT_DOUBLE_EQ(colony.randomValue(0.0, 32767.0), 16838.0);
    EXPECT_DOUBLE_EQ(colony.randomValue(0.0, 32767.0), 5758.0);
    EXPECT_DOUBLE_EQ(colony.randomValue(0.0, 32767.0), 10113.0);

    Colony other;
    other.seedRandom(1);
    EXPECT_DOUBLE_EQ(other.randomValue(2.0, 32767.0), 16840.0);
}

TEST(ColonyRandom, DrawsMapOntoBothEndsOfTheInterval)
{
    Colony colony(10, 5);
    ScriptedDraws draws;
    draws.install(colony, {32767, 0, 40000, -5});
    EXPECT_EQ(colony.randomValue(0.0, 1.0), 1.0);
    EXPECT_EQ(colony.randomValue(0.0, 1.0), 0.0);
    // Out-of-range substitutes are held to the generator's range.
    EXPECT_EQ(colony.randomValue(0.0, 1.0), 1.0);
    EXPECT_EQ(colony.randomValue(0.0, 1.0), 0.0);
}
