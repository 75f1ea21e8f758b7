#ifndef VORMIS_ENGINE_TEST_SUPPORT_H
#define VORMIS_ENGINE_TEST_SUPPORT_H

#include "colony.h"
#include "scripted_draws.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// The colony of a world drawn as text rows (see worldFromRows in
// tests/support), with the given number of ants.  Defined out of line, so
// that the tests' own names do not meet world.h's.
std::unique_ptr<Colony> colonyFromRows(const std::vector<std::string> &rows, int ants = 1);

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
