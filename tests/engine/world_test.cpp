#include "engine_test_support.h"

#include "generationtracker.h"
#include "world.h"

#include <tuple>

namespace {

// Puts ant i at the food with a path of lengths[i] cells (0: not at the food).
void arrive(Colony &colony, const std::vector<int> &lengths)
{
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        AntState &ant = colony.m_ants[i];
        ant.atFood = lengths[i] > 0;
        ant.pathLength = std::max(lengths[i], 1);
        for (int k = 0; k < ant.pathLength; ++k) {
            ant.path[0][k] = k;
            ant.path[1][k] = static_cast<int>(i);
        }
    }
}

} // namespace

TEST(World, ExampleAppliedIsTheWindowsOldSequence)
{
    // The window's example as it used to be set up, call by call.
    Colony byHand(10, 5);
    byHand.setSize(8);
    byHand.setAntCount(4);
    byHand.setHome(0, 4);
    byHand.setFood(7, 4);
    byHand.setAlpha(0);
    byHand.setBeta(2);
    byHand.setRo(0.2);
    byHand.reset();
    const int walls[20][2] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {2, 3}, {3, 3}, {4, 3}, {5, 3},
                              {2, 4}, {3, 4}, {4, 4}, {5, 4}, {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}};
    for (const auto &cell : walls)
        byHand.addObstacle(cell[0], cell[1]);

    Colony applied(10, 5);
    World::example().applyTo(applied);
    EXPECT_EQ(applied.size(), 8);
    EXPECT_EQ(applied.antCount(), 4);
    EXPECT_EQ(applied.alpha(), 0);
    EXPECT_EQ(applied.beta(), 2);
    EXPECT_EQ(applied.ro(), 0.2);
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            EXPECT_EQ(applied.isObstacle(x, y), byHand.isObstacle(x, y)) << x << "," << y;

    byHand.seedRandom(3);
    applied.seedRandom(3);
    for (int g = 0; g < 20; ++g) {
        byHand.runGeneration();
        applied.runGeneration();
    }
    EXPECT_EQ(applied.arrivals(), byHand.arrivals());
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y)
            EXPECT_EQ(applied.routingTable()[x][y], byHand.routingTable()[x][y]);
}

// What the window reads back before it changes a world: everything applyTo
// set, with home and food where the colony moved them.
TEST(World, ReadBackFromTheColonyItWasAppliedTo)
{
    World world = World::startUp(9);
    world.ants = 7;
    world.home = {1, 2};
    world.food = {12, 3}; // outside: the colony takes the last column
    world.alpha = 3;
    world.beta = 4;
    world.ro = 0.35;
    world.rule = Rule::AntColonySystem;
    world.q0 = 0.4;
    world.xi = 0.2;
    world.obstacles = {{4, 4}, {0, 8}, {4, 5}};
    Colony colony;
    world.applyTo(colony);
    const World back = World::of(colony);
    EXPECT_EQ(back.size, 9);
    EXPECT_EQ(back.ants, 7);
    EXPECT_EQ(back.home, (Cell{1, 2}));
    EXPECT_EQ(back.food, (Cell{8, 3}));
    EXPECT_EQ(std::make_tuple(back.alpha, back.beta, back.ro), std::make_tuple(3, 4, 0.35));
    EXPECT_EQ(std::make_tuple(back.rule, back.q0, back.xi), std::make_tuple(Rule::AntColonySystem, 0.4, 0.2));
    EXPECT_EQ(back.obstacles, (std::vector<Cell>{{0, 8}, {4, 4}, {4, 5}}));
}

TEST(GenerationTracker, ShortestArrivalTiesToTheLowerIndexAndOnlyAShorterOneIsBest)
{
    Colony colony(10, 4);
    GenerationTracker tracker;

    arrive(colony, {0, 6, 0, 6});
    GenerationResult g = tracker.observe(colony);
    EXPECT_EQ(g.generation, 1);
    EXPECT_EQ(g.shortestAnt, 1);
    EXPECT_EQ(g.antsAtFood, 2);
    EXPECT_EQ(g.lengthSum, 12);
    EXPECT_TRUE(g.improved);
    EXPECT_EQ(tracker.best(), 6);
    EXPECT_EQ(tracker.bestPath(), pathCells(colony.m_ants[1], 6));

    arrive(colony, {9, 0, 6, 0}); // as short as the best: the best stays ant 1's of generation 1
    g = tracker.observe(colony);
    EXPECT_EQ(g.shortestAnt, 2);
    EXPECT_FALSE(g.improved);
    EXPECT_EQ(tracker.bestGeneration(), 1);
    EXPECT_EQ(tracker.bestPath().front().y, 1);

    arrive(colony, {0, 0, 0, 0}); // nobody arrives
    g = tracker.observe(colony);
    EXPECT_EQ(g.shortestAnt, -1);
    EXPECT_EQ(g.shortest, 0);
    EXPECT_EQ(tracker.best(), 6);

    arrive(colony, {1, 5, 0, 0}); // a single cell is no path
    g = tracker.observe(colony);
    EXPECT_EQ(g.shortestAnt, 0);
    EXPECT_FALSE(g.improved);
    EXPECT_EQ(tracker.best(), 6);

    arrive(colony, {0, 5, 0, 0});
    EXPECT_TRUE(tracker.observe(colony).improved);
    EXPECT_EQ(tracker.bestGeneration(), 5);

    tracker.reset();
    EXPECT_EQ(tracker.best(), 0);
    EXPECT_EQ(tracker.observe(colony).generation, 1);
}
