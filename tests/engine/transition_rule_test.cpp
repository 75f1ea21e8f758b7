#include "engine_test_support.h"

#include <map>
#include <utility>

namespace {

using Cell = std::pair<int, int>;

Cell choose(Colony &colony, int ant = 0)
{
    int x = 0;
    int y = 0;
    const bool moved = colony.chooseNextCell(ant, x, y);
    EXPECT_EQ(moved, x != -1);
    return {x, y};
}

// Every cell the rule can pick for ant 0, in the order of the draws that
// pick them, with all routing values equal.
std::vector<Cell> reachableInDrawOrder(Colony &colony)
{
    std::vector<Cell> cells;
    ScriptedDraws draws;
    for (int draw = 0; draw <= 32767; draw += 97) {
        draws.install(colony, {draw});
        const Cell cell = choose(colony);
        if (cells.empty() || cells.back() != cell)
            cells.push_back(cell);
    }
    draws.install(colony, {32767});
    const Cell last = choose(colony);
    if (cells.back() != last)
        cells.push_back(last);
    return cells;
}

void placeAnt(Colony &colony, int x, int y)
{
    AntState &ant = colony.m_ants[0];
    ant.x = ant.path[0][0] = x;
    ant.y = ant.path[1][0] = y;
    ant.pathLength = 1;
}

} // namespace

TEST(TransitionRule, NeighboursAreWeighedInTheirFixedOrder)
{
    Colony colony(10, 1);
    ScriptedDraws draws;
    // From (0, 0) the candidates are (0, 1), (1, 1), (1, 0): fractions 1/3, 2/3, 1.
    draws.install(colony, {10922, 10923, 21844, 21845, 0, 32767});
    EXPECT_EQ(choose(colony), Cell(0, 1));
    EXPECT_EQ(choose(colony), Cell(1, 1));
    EXPECT_EQ(choose(colony), Cell(1, 1));
    EXPECT_EQ(choose(colony), Cell(1, 0));
    EXPECT_EQ(choose(colony), Cell(0, 1));
    EXPECT_EQ(choose(colony), Cell(1, 0));
    EXPECT_EQ(*draws.taken, 6);
}

TEST(TransitionRule, CornerBorderAndInnerCellsHaveThreeFiveAndEightNeighbours)
{
    Colony colony(10, 1);
    colony.setFood(9, 0);
    colony.reset();

    placeAnt(colony, 5, 5);
    const std::vector<Cell> inner{{5, 4}, {4, 4}, {5, 6}, {6, 6}, {4, 5}, {4, 6}, {6, 5}, {6, 4}};
    EXPECT_EQ(reachableInDrawOrder(colony), inner);

    placeAnt(colony, 0, 5);
    const std::vector<Cell> border{{0, 4}, {0, 6}, {1, 6}, {1, 5}, {1, 4}};
    EXPECT_EQ(reachableInDrawOrder(colony), border);

    placeAnt(colony, 9, 9);
    const std::vector<Cell> corner{{9, 8}, {8, 8}, {8, 9}};
    EXPECT_EQ(reachableInDrawOrder(colony), corner);
}

TEST(TransitionRule, HeavierRoutingWinsMoreOfTheWheel)
{
    // After a generation the cells of arriving paths weigh more than 1; a draw
    // then lands on a candidate in proportion to its routing value.
    Colony colony(10, 5);
    colony.seedRandom(3);
    for (int g = 0; g < 20; ++g)
        colony.runGeneration();
    colony.resetAnts();
    const double *const *routing = colony.routingTable();
    const double total = routing[0][1] + routing[1][1] + routing[1][0];
    std::map<Cell, int> picks;
    ScriptedDraws draws;
    for (int draw = 0; draw <= 32767; ++draw) {
        draws.install(colony, {draw});
        ++picks[choose(colony)];
    }
    EXPECT_NEAR(picks[Cell(0, 1)] / 32768.0, routing[0][1] / total, 1e-3);
    EXPECT_NEAR(picks[Cell(1, 1)] / 32768.0, routing[1][1] / total, 1e-3);
    EXPECT_NEAR(picks[Cell(1, 0)] / 32768.0, routing[1][0] / total, 1e-3);
}

TEST(TransitionRule, EveryDrawPicksTheFirstCellWhoseFractionItReaches)
{
    // Two generations leave routing values that no float holds exactly, so
    // how the wheel is rounded decides some draws.
    Colony colony(5, 2);
    colony.setAlpha(1);
    colony.setBeta(2);
    colony.setRo(0.1);
    colony.reset();
    colony.seedRandom(181);
    for (int g = 0; g < 2; ++g)
        colony.runGeneration();
    placeAnt(colony, 3, 2);
    const std::vector<Cell> neighbours{{3, 1}, {2, 1}, {3, 3}, {4, 3}, {2, 2}, {2, 3}, {4, 2}, {4, 1}};
    const double *const *routing = colony.routingTable();

    // The rule's wheel: a single-precision running total and running sum,
    // each rounded after every addition of a (double) weight; each fraction
    // the double quotient rounded once; the last fraction exactly 1.  The
    // variants round each weight to float before adding it instead.
    enum Rounding { AsTheRule, WeightsFirst, TotalFromFloats };
    const auto wheel = [&](Rounding rounding) {
        float total = 0.0f;
        for (const Cell &c : neighbours) {
            const double w = routing[c.first][c.second];
            total = rounding == TotalFromFloats ? total + static_cast<float>(w) : static_cast<float>(total + w);
        }
        std::vector<float> fractions;
        float sum = 0.0f;
        for (std::size_t i = 0; i + 1 < neighbours.size(); ++i) {
            const double w = routing[neighbours[i].first][neighbours[i].second];
            fractions.push_back(rounding == WeightsFirst ? (sum + static_cast<float>(w)) / total
                                                         : static_cast<float>((sum + w) / total));
            sum = static_cast<float>(sum + w);
        }
        fractions.push_back(1.0f);
        return fractions;
    };
    const auto pick = [](const std::vector<float> &fractions, float r) {
        std::size_t i = 0;
        while (r > fractions[i])
            ++i;
        return i;
    };
    const std::vector<float> fractions = wheel(AsTheRule);
    const std::vector<float> weightsFirst = wheel(WeightsFirst);
    const std::vector<float> totalFromFloats = wheel(TotalFromFloats);

    int ties = 0;
    int decidedByWeightRounding = 0;
    int decidedByTotalRounding = 0;
    ScriptedDraws draws;
    for (int draw = 0; draw <= 32767; ++draw) {
        const float r = static_cast<float>(draw / 32767.0);
        const std::size_t chosen = pick(fractions, r);
        draws.install(colony, {draw});
        ASSERT_EQ(choose(colony), neighbours[chosen]) << "draw " << draw;
        ties += r == fractions[chosen] && chosen + 1 < neighbours.size();
        decidedByWeightRounding += chosen != pick(weightsFirst, r);
        decidedByTotalRounding += chosen != pick(totalFromFloats, r);
    }
    // The world is one where a draw meets a fraction exactly (and goes to the
    // lower cell), and where either other rounding would pick another cell.
    EXPECT_GT(ties, 0);
    EXPECT_GT(decidedByWeightRounding, 0);
    EXPECT_GT(decidedByTotalRounding, 0);
}

TEST(TransitionRule, FreeFoodIsTakenAtOnceWithoutADraw)
{
    Colony colony(10, 1);
    ScriptedDraws draws;
    draws.install(colony, {});
    placeAnt(colony, 8, 8);
    EXPECT_EQ(choose(colony), Cell(9, 9));
    EXPECT_EQ(*draws.taken, 0);
}

TEST(TransitionRule, FoodOnAnObstacleIsNeverChosen)
{
    Colony colony(10, 1);
    colony.addObstacle(9, 9);
    placeAnt(colony, 8, 8);
    ScriptedDraws draws;
    for (int draw : {0, 16000, 32767}) {
        draws.install(colony, {draw});
        EXPECT_NE(choose(colony), Cell(9, 9));
    }
}

TEST(TransitionRule, SingleCandidateNeedsNoDraw)
{
    auto colony = colonyFromRows({
        "H#.",
        ".#.",
        "..F",
    });
    ScriptedDraws draws;
    draws.install(*colony, {});
    EXPECT_EQ(choose(*colony), Cell(0, 1));
    EXPECT_EQ(*draws.taken, 0);
}

TEST(TransitionRule, WalledInAntHasNoMove)
{
    auto colony = colonyFromRows({
        "H#.",
        "##.",
        "..F",
    });
    EXPECT_EQ(choose(*colony), Cell(-1, -1));
    // Its own path counts as walls too.
    auto trapped = colonyFromRows({
        ".#.",
        "H#.",
        "..F",
    });
    AntState &ant = trapped->m_ants[0];
    ant.path[0][1] = 0;
    ant.path[1][1] = 0;
    ant.path[0][2] = 0;
    ant.path[1][2] = 2;
    ant.path[0][3] = 1;
    ant.path[1][3] = 2;
    ant.pathLength = 4;
    ant.x = 0;
    ant.y = 1; // back on home: every neighbour is on its path or blocked
    EXPECT_EQ(choose(*trapped), Cell(-1, -1));
}

TEST(TransitionRule, UnknownAntsHaveNoMove)
{
    Colony colony(10, 2);
    EXPECT_EQ(choose(colony, 2), Cell(-1, -1));
    EXPECT_EQ(choose(colony, -1), Cell(-1, -1));
}
