// The world changed between generations, as the window's editor changes it:
// walls taken away, home and food moved, and the best path kept only while
// it can still be walked.
#include "engine_test_support.h"

#include "generationtracker.h"

#include <algorithm>

TEST(Editing, RemovedWallsOpenTheWayAndKeepThePheromone)
{
    auto colony = colonyFromRows({
        "H#..",
        "##..",
        "....",
        "...F",
    }, 3);
    colony->addObstacle(1, 0); // listed twice: both entries go
    colony->seedRandom(5);
    colony->runGeneration();
    EXPECT_EQ(colony->arrivals(), 0);
    colony->pheromoneTable()[3][3] = 8.0;
    const double *const *table = colony->pheromoneTable();

    colony->removeObstacle(1, 0);
    colony->removeObstacle(2, 2); // no obstacle: nothing happens
    EXPECT_FALSE(colony->isObstacle(1, 0));
    EXPECT_TRUE(colony->isObstacle(0, 1));
    EXPECT_TRUE(colony->isObstacle(1, 1));
    colony->runGeneration();
    EXPECT_EQ(colony->arrivals(), 3);
    for (int ant = 0; ant < 3; ++ant) {
        expectSoundPath(*colony, ant);
        EXPECT_EQ(colony->m_ants[static_cast<std::size_t>(ant)].path[0][1], 1); // through the opened cell
    }
    EXPECT_EQ(colony->pheromoneTable(), table);
    EXPECT_GT(colony->pheromoneTable()[3][3], 8.0 * (1.0 - colony->ro()));
}

TEST(Editing, HomeAndFoodMoveOnlyToFreeCells)
{
    for (Rule rule : {Rule::Vormis, Rule::ElitistAntSystem}) {
        auto colony = colonyFromRows({
            "H...",
            ".#..",
            "....",
            "...F",
        }, 4);
        colony->setRule(rule);
        colony->reset();
        colony->addObstacle(1, 1);
        for (int g = 0; g < 5; ++g)
            colony->runGeneration();
        EXPECT_FALSE(colony->moveHome(1, 1));  // a wall
        EXPECT_FALSE(colony->moveHome(3, 3));  // the food
        EXPECT_FALSE(colony->moveFood(0, 0));  // home
        EXPECT_FALSE(colony->moveFood(4, 0));  // outside
        EXPECT_FALSE(colony->moveFood(-1, 2)); // outside
        EXPECT_EQ(colony->foodX(), 3);
        EXPECT_EQ(colony->homeX(), 0);

        ASSERT_TRUE(colony->moveHome(0, 3));
        ASSERT_TRUE(colony->moveFood(3, 0));
        const int before = colony->arrivals();
        colony->runGeneration();
        EXPECT_EQ(colony->arrivals(), before + 4) << ruleName(rule);
        for (int ant = 0; ant < 4; ++ant)
            expectSoundPath(*colony, ant);
    }
}

// The food's routing bonus of the window's rule goes with the food, so that
// the old food cell draws the ants no more than the cells around it.
TEST(Editing, FoodTakesItsRoutingBonusAlong)
{
    auto colony = colonyFromRows({
        "H..",
        "...",
        "..F",
    });
    colony->seedRandom(2);
    colony->runGeneration();
    const double oldFood = colony->routingTable()[2][2];
    const double newFood = colony->routingTable()[2][0];
    ASSERT_TRUE(colony->moveFood(2, 0));
    EXPECT_DOUBLE_EQ(colony->routingTable()[2][2], oldFood - 99.0);
    EXPECT_DOUBLE_EQ(colony->routingTable()[2][0], newFood + 99.0);
}

TEST(Editing, TheBestPathIsDroppedOnlyWhenItCannotBeWalked)
{
    auto colony = colonyFromRows({
        "H....",
        ".....",
        ".....",
        ".....",
        "....F",
    }, 5);
    colony->seedRandom(9);
    GenerationTracker tracker;
    while (tracker.best() == 0)
        tracker.observe((colony->runGeneration(), *colony));
    const std::vector<Cell> best = tracker.bestPath();
    const Cell middle = best[best.size() / 2];
    Cell aside{0, 0};
    while (aside == Cell{0, 0} || std::find(best.begin(), best.end(), aside) != best.end())
        aside = {aside.x + 1, 4 - aside.x - 1};
    ASSERT_LT(aside.x, 5);
    colony->addObstacle(aside.x, aside.y);
    EXPECT_FALSE(tracker.dropBrokenBest(*colony));
    EXPECT_EQ(tracker.bestPath(), best);

    colony->addObstacle(middle.x, middle.y);
    EXPECT_TRUE(tracker.dropBrokenBest(*colony));
    EXPECT_EQ(tracker.best(), 0);
    EXPECT_TRUE(tracker.bestPath().empty());
    EXPECT_FALSE(tracker.dropBrokenBest(*colony)); // nothing left to drop

    colony->removeObstacle(middle.x, middle.y);
    while (tracker.best() == 0)
        tracker.observe((colony->runGeneration(), *colony));
    EXPECT_FALSE(tracker.dropBrokenBest(*colony));
    ASSERT_TRUE(colony->moveFood(4, 3));
    EXPECT_TRUE(tracker.dropBrokenBest(*colony));
}
