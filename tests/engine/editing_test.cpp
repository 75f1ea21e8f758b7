// The world changed between generations, as the window's editor changes it.
#include "engine_test_support.h"

TEST(Editing, RemovedWallsOpenTheWayAndKeepThePheromone)
{
    auto colony = colonyFromRows({"H#..", "##..", "....", "...F"}, 3);
    colony->addObstacle(1, 0); // listed twice: both entries go
    colony->seedRandom(5);
    colony->runGeneration();
    EXPECT_EQ(colony->arrivals(), 0);
    colony->pheromoneTable()[3][3] = 8.0;
    colony->removeObstacle(1, 0);
    EXPECT_TRUE(colony->isObstacle(0, 1) && colony->isObstacle(1, 1) && !colony->isObstacle(1, 0));
    colony->runGeneration();
    EXPECT_EQ(colony->arrivals(), 3);
    for (int ant = 0; ant < 3; ++ant) {
        expectSoundPath(*colony, ant);
        EXPECT_EQ(colony->m_ants[static_cast<std::size_t>(ant)].path[0][1], 1); // through the opened cell
    }
    EXPECT_GT(colony->pheromoneTable()[3][3], 8.0 * (1.0 - colony->ro()));
}

// Home and food go only to free cells; the food's routing bonus of the
// window's rule goes with it, so that the old cell draws no more ants.
TEST(Editing, HomeAndFoodMoveOnlyToFreeCells)
{
    for (Rule rule : {Rule::Vormis, Rule::ElitistAntSystem}) {
        auto colony = colonyFromRows({"H...", ".#..", "....", "...F"}, 4);
        colony->setRule(rule);
        colony->reset();
        colony->addObstacle(1, 1);
        colony->seedRandom(4);
        for (int g = 0; g < 5; ++g)
            colony->runGeneration();
        EXPECT_FALSE(colony->moveHome(1, 1) || colony->moveHome(3, 3) || colony->moveFood(0, 0) ||
                     colony->moveFood(4, 0) || colony->moveFood(-1, 2));
        EXPECT_TRUE(colony->foodX() == 3 && colony->homeX() == 0);

        const double oldFood = colony->routingTable()[3][3];
        const double newFood = colony->routingTable()[3][0];
        ASSERT_TRUE(colony->moveHome(0, 3) && colony->moveFood(3, 0));
        if (rule == Rule::Vormis) {
            EXPECT_DOUBLE_EQ(colony->routingTable()[3][3], oldFood - 99.0);
            EXPECT_DOUBLE_EQ(colony->routingTable()[3][0], newFood + 99.0);
        }
        const int before = colony->arrivals();
        colony->runGeneration();
        EXPECT_GT(colony->arrivals(), before) << ruleName(rule);
        for (int ant = 0; ant < 4; ++ant)
            if (colony->m_ants[static_cast<std::size_t>(ant)].atFood)
                expectSoundPath(*colony, ant);
    }
}
