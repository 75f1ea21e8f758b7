#ifndef VORMIS_ENGINE_TEST_SUPPORT_H
#define VORMIS_ENGINE_TEST_SUPPORT_H

#include "colony.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

// A world drawn as text: one string per row y, one character per column x.
// '.' free, '#' obstacle, 'H' home, 'F' food, 'B' home and food together.
inline std::unique_ptr<Colony> colonyFromRows(const std::vector<std::string> &rows, int ants = 1)
{
    const int n = static_cast<int>(rows.size());
    auto colony = std::make_unique<Colony>(n, ants);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const char c = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
            if (c == 'H' || c == 'B')
                colony->setHome(x, y);
            if (c == 'F' || c == 'B')
                colony->setFood(x, y);
        }
    }
    colony->reset();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (rows[static_cast<size_t>(y)][static_cast<size_t>(x)] == '#')
                colony->addObstacle(x, y);
    return colony;
}

// Replaces the colony's generator by a fixed list of draws and counts how
// many were taken; running out of draws fails the test.
struct ScriptedDraws
{
    std::shared_ptr<std::deque<int>> draws = std::make_shared<std::deque<int>>();
    std::shared_ptr<int> taken = std::make_shared<int>(0);

    void install(Colony &colony, std::vector<int> values)
    {
        draws->assign(values.begin(), values.end());
        auto queue = draws;
        auto count = taken;
        colony.setRandomSource([queue, count]() {
            ++*count;
            if (queue->empty()) {
                ADD_FAILURE() << "the rule drew more random numbers than expected";
                return 0;
            }
            const int value = queue->front();
            queue->pop_front();
            return value;
        });
    }
};

// What every path of an arriving ant must be: from home to food, a chain of
// neighbours, no cell twice, no obstacle after the start.
inline void expectSoundPath(Colony &colony, int index)
{
    const AntState &ant = colony.m_ants[static_cast<size_t>(index)];
    ASSERT_GE(ant.pathLength, 1);
    ASSERT_LE(ant.pathLength, colony.size() * colony.size());
    EXPECT_EQ(ant.path[0][0], colony.homeX());
    EXPECT_EQ(ant.path[1][0], colony.homeY());
    EXPECT_EQ(ant.path[0][ant.pathLength - 1], colony.foodX());
    EXPECT_EQ(ant.path[1][ant.pathLength - 1], colony.foodY());
    for (int k = 0; k < ant.pathLength; ++k) {
        const int x = ant.path[0][k];
        const int y = ant.path[1][k];
        // Home is where every ant starts, even when a careless world blocks it.
        if (k > 0) {
            EXPECT_FALSE(colony.isObstacle(x, y)) << "ant " << index << " crossed an obstacle at " << x << "," << y;
        }
        if (k > 0) {
            const int dx = std::abs(x - ant.path[0][k - 1]);
            const int dy = std::abs(y - ant.path[1][k - 1]);
            EXPECT_TRUE(dx <= 1 && dy <= 1 && dx + dy > 0) << "ant " << index << " jumped at step " << k;
        }
        for (int j = 0; j < k; ++j)
            EXPECT_FALSE(ant.path[0][j] == x && ant.path[1][j] == y) << "ant " << index << " repeated a cell";
    }
}

#endif
