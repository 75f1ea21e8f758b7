// The textbook rules: the choice by tau^alpha * eta^beta, one generation's
// tau update for each, and invariants over random runs.
#include "engine_test_support.h"

#include "generationtracker.h"
#include "world_from_rows.h"

#include <cmath>
#include <map>

namespace {

// Home (2, 2) of a 5 x 5 world with the food at (4, 4) and five of home's
// neighbours walled: the candidates are (2, 3), (3, 3) and (3, 2), with eta
// 1/3, 1/2 and 1/3.  With tau 2, 1 and 4, alpha 1 and beta 2 their weights
// are 8/36, 9/36 and 16/36.
std::unique_ptr<Colony> threeWays(Rule rule)
{
    auto colony = std::make_unique<Colony>(5, 1);
    colony->setFood(4, 4);
    colony->setHome(2, 2);
    colony->setAlpha(1);
    colony->setBeta(2);
    colony->setRule(rule);
    colony->reset();
    for (const auto &[x, y] : {std::pair{2, 1}, {1, 1}, {1, 2}, {1, 3}, {3, 1}})
        colony->addObstacle(x, y);
    double **tau = colony->pheromoneTable();
    tau[2][3] = 2.0;
    tau[3][3] = 1.0;
    tau[3][2] = 4.0;
    return colony;
}

Cell choice(Colony &colony, std::vector<int> draws)
{
    ScriptedDraws scripted;
    scripted.install(colony, std::move(draws));
    Cell next;
    EXPECT_TRUE(colony.chooseNextCell(0, next.x, next.y));
    EXPECT_TRUE(scripted.draws->empty()) << "fewer draws than expected";
    return next;
}

// A corridor from home (0, 0) to the food (3, 0): every ant walks the same
// four cells without a draw.
std::unique_ptr<Colony> corridor(Rule rule, int ants, double ro)
{
    std::vector<std::string> rows(10, "##########");
    rows[0] = "H..F######";
    auto colony = colonyFromRows(rows, ants);
    colony->setRule(rule);
    colony->setRo(ro);
    colony->reset();
    for (int x = 0; x < 10; ++x)
        for (int y = 1; y < 10; ++y)
            colony->addObstacle(x, y);
    colony->addObstacle(4, 0);
    return colony;
}

// Home (1, 0) has two ways to the food (2, 3), and no further choice on
// either: its first candidate, (2, 1), leads there in 4 cells, its second,
// (0, 1), in 6; L0 is 4.  Each ant's draw at home picks its way: 0 the
// short one, 32767 the long one.  Two ants, ro 0.5.
std::unique_ptr<Colony> twoWays(Rule rule, const std::vector<int> &draws)
{
    World world = worldFromRows({"#H###", ".#.##", ".#.##", ".#F##", "#.###"});
    world.rule = rule;
    world.ants = 2;
    world.ro = 0.5;
    world.elite = 2;
    world.rank = 3;
    auto colony = std::make_unique<Colony>();
    world.applyTo(*colony);
    ScriptedDraws().install(*colony, draws);
    return colony;
}

} // namespace

TEST(TextbookRules, ChoiceFollowsTauToTheAlphaTimesEtaToTheBeta)
{
    // The wheel's cumulative fractions 8/33 and 17/33 of 32768 draws lie at
    // 7943.8 and 16880.5.
    for (Rule rule : {Rule::AntSystem, Rule::MaxMinAntSystem}) {
        auto colony = threeWays(rule);
        EXPECT_EQ(choice(*colony, {7943}), (Cell{2, 3}));
        EXPECT_EQ(choice(*colony, {7944}), (Cell{3, 3}));
        EXPECT_EQ(choice(*colony, {16880}), (Cell{3, 3}));
        EXPECT_EQ(choice(*colony, {16881}), (Cell{3, 2}));
        EXPECT_EQ(choice(*colony, {32767}), (Cell{3, 2}));
    }
    // Ant Colony System: a first draw below q0 takes the heaviest cell, a
    // second draw spins the wheel otherwise.
    auto acs = threeWays(Rule::AntColonySystem);
    acs->setQ0(0.5);
    EXPECT_EQ(choice(*acs, {16383}), (Cell{3, 2}));
    EXPECT_EQ(choice(*acs, {16384, 0}), (Cell{2, 3}));
    EXPECT_EQ(choice(*acs, {32767, 16000}), (Cell{3, 3}));
}

TEST(TextbookRules, OneGenerationOnACorridorInExactNumbers)
{
    // Ant System, two ants, ro 0.5: tau0 = m / L0 = 2 / 4; every cell keeps
    // half, and each ant leaves 1 / 4 on the four cells of its path.
    auto as = corridor(Rule::AntSystem, 2, 0.5);
    EXPECT_EQ(as->pheromoneTable()[5][5], 0.5);
    as->runGeneration();
    EXPECT_EQ(as->pheromoneTable()[0][0], 0.75);
    EXPECT_EQ(as->pheromoneTable()[3][0], 0.75);
    EXPECT_EQ(as->pheromoneTable()[5][5], 0.25);

    // Ant Colony System, one ant, ro 0.5, xi 0.1: tau0 = 1 / (N^2 L0) =
    // 0.0025.  The global update moves the path to 0.5 tau + 0.5 / 4; in the
    // second generation the cells the ant enters first give a tenth of
    // their distance to tau0 away, home (never entered) does not.
    auto acs = corridor(Rule::AntColonySystem, 1, 0.5);
    acs->runGeneration();
    EXPECT_DOUBLE_EQ(acs->pheromoneTable()[1][0], 0.12625);
    EXPECT_EQ(acs->pheromoneTable()[5][5], 0.0025);
    acs->runGeneration();
    EXPECT_DOUBLE_EQ(acs->pheromoneTable()[0][0], 0.5 * 0.12625 + 0.125);
    EXPECT_DOUBLE_EQ(acs->pheromoneTable()[1][0], 0.5 * (0.9 * 0.12625 + 0.1 * 0.0025) + 0.125);

    // MAX-MIN, one ant, alpha 2, ro 0.5: tau starts at tau_max = 1 / (ro L0)
    // = 0.5, evaporates to 0.25, the best ant brings its path back to 0.5,
    // and the rest is lifted to tau_min of a four-cell path at alpha 2.
    auto mmas = corridor(Rule::MaxMinAntSystem, 1, 0.5);
    EXPECT_EQ(mmas->pheromoneTable()[2][0], 0.5);
    mmas->runGeneration();
    const double root = std::pow(0.05, 1.0 / 3);
    EXPECT_EQ(mmas->pheromoneTable()[2][0], 0.5);
    EXPECT_DOUBLE_EQ(mmas->pheromoneTable()[5][5], 0.5 * std::sqrt((1 - root) / (3 * root)));
}

TEST(TextbookRules, MaxMinBoundsHoldAndTheLocalUpdateHappens)
{
    int pulled = 0; // cells seen giving some of their distance to tau0 away
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::srand(seed);
        World world = World::startUp(6 + std::rand() % 6);
        world.ants = 1 + std::rand() % 8;
        world.alpha = std::rand() % 3;
        world.beta = std::rand() % 3;
        world.ro = (1 + std::rand() % 9) / 10.0;
        for (int i = 0; i < world.size; ++i)
            world.setObstacle({std::rand() % world.size, std::rand() % world.size});
        world.obstacles.erase(std::remove(world.obstacles.begin(), world.obstacles.end(), world.home),
                              world.obstacles.end());

        world.rule = Rule::MaxMinAntSystem;
        Colony mmas;
        world.applyTo(mmas);
        mmas.seedRandom(seed);
        GenerationTracker tracker;
        for (int g = 0; g < 40; ++g) {
            mmas.runGeneration();
            tracker.observe(mmas);
            const int length = tracker.best() > 0 ? tracker.best() : std::max(world.food.x, world.food.y) + 1;
            const double most = 1.0 / (world.ro * length);
            const double root = std::pow(0.05, 1.0 / std::max(length - 1, 1));
            const double ratio = (1 - root) / (3 * root);
            const double least = std::min(most, most * std::pow(ratio, 1.0 / std::max(world.alpha, 1)));
            for (int x = 0; x < world.size; ++x)
                for (int y = 0; y < world.size; ++y)
                    ASSERT_TRUE(mmas.pheromoneTable()[x][y] >= least * (1 - 1e-12)
                                && mmas.pheromoneTable()[x][y] <= most * (1 + 1e-12));
        }

        // Every cell on a path the ants ended with was entered, and gave a
        // tenth of its distance to tau0 away at least; no cell moved away
        // from tau0 but those of the best path.
        world.rule = Rule::AntColonySystem;
        Colony acs;
        world.applyTo(acs);
        acs.seedRandom(seed);
        const double tau0 = acs.pheromoneTable()[0][0];
        GenerationTracker best;
        for (int g = 0; g < 40; ++g) {
            std::vector<double> before(acs.pheromoneTable()[0], acs.pheromoneTable()[0] + world.size * world.size);
            acs.runGeneration();
            best.observe(acs);
            const std::vector<Cell> &bestPath = best.bestPath();
            for (int x = 0; x < world.size; ++x) {
                for (int y = 0; y < world.size; ++y) {
                    const double was = before[static_cast<std::size_t>(x * world.size + y)];
                    const double now = acs.pheromoneTable()[x][y];
                    bool walked = false;
                    for (int a = 0; a < world.ants; ++a)
                        walked = walked || acs.isOnAntPath(a, x, y);
                    const bool onBest = std::find(bestPath.begin(), bestPath.end(), Cell{x, y}) != bestPath.end();
                    if (onBest || Cell{x, y} == world.home)
                        continue; // the global update's, or never entered
                    ASSERT_LE(std::abs(now - tau0), std::abs(was - tau0) * (walked ? 0.9 : 1.0) + 1e-15);
                    pulled += walked && was != tau0 ? 1 : 0;
                }
            }
        }
    }
    EXPECT_GT(pulled, 0);
}

TEST(TextbookRules, OneGenerationOfTheElitistRulesInExactNumbers)
{
    // Elitist, e 2: tau0 = (e + m) / (ro L0) = 2, halved; each ant
    // leaves 1 / L, and the best path 2 / 4 more.
    auto eas = twoWays(Rule::ElitistAntSystem, {0, 32767});
    eas->runGeneration();
    EXPECT_DOUBLE_EQ(eas->pheromoneTable()[1][0], 1 + 0.25 + 1.0 / 6 + 0.5);
    EXPECT_DOUBLE_EQ(eas->pheromoneTable()[2][1], 1 + 0.25 + 0.5);
    EXPECT_DOUBLE_EQ(eas->pheromoneTable()[0][1], 1 + 1.0 / 6);

    // Rank-based, w 3, the long way walked first: tau0 = w (w - 1) / (2 ro L0)
    // = 1.5, halved; rank 1 (the short way) leaves 2 / 4, rank 2 1 / 6, the
    // best path 3 / 4.
    auto ras = twoWays(Rule::RankBasedAntSystem, {32767, 0});
    ras->runGeneration();
    EXPECT_DOUBLE_EQ(ras->pheromoneTable()[2][1], 0.75 + 0.5 + 0.75);
    EXPECT_DOUBLE_EQ(ras->pheromoneTable()[0][1], 0.75 + 1.0 / 6);

    // Best-Worst: tau0 = 1 / (ro L0) = 0.5, halved; the best path gets 1 / 4,
    // the worst ant's other cells are halved again.  Row 0 mutates (draw 0):
    // its cell 16384 * 5 / 32768 = 2 gains 4 * 0.5 (tau_best) * 1 / 100; the
    // other rows do not.  The next generation's worst walks the best path
    // alone: a restart at tau0, without a mutation.
    auto bwas = twoWays(Rule::BestWorstAntSystem, {0, 32767, 0, 16384, 0, 32767, 32767, 32767, 32767, 0, 0});
    bwas->runGeneration();
    EXPECT_DOUBLE_EQ(bwas->pheromoneTable()[2][1], 0.5);
    EXPECT_DOUBLE_EQ(bwas->pheromoneTable()[0][1], 0.125);
    EXPECT_DOUBLE_EQ(bwas->pheromoneTable()[0][2], 0.125 + 0.02);
    EXPECT_DOUBLE_EQ(bwas->pheromoneTable()[4][4], 0.25);
    EXPECT_EQ(bwas->restarts(), 0);
    bwas->runGeneration();
    EXPECT_EQ(bwas->restarts(), 1);
    EXPECT_EQ(bwas->pheromoneTable()[2][1], 0.5);
    EXPECT_EQ(bwas->pheromoneTable()[0][2], 0.5);
}

TEST(TextbookRules, AntColonySystemTakesEachOfEqualBestCellsAsOften)
{
    // Home (2, 2), the food at (4, 2): the free neighbours (3, 1), (3, 2) and
    // (3, 3) have the same tau and eta, so q0 picks among equals.
    World world = worldFromRows({".....", ".#...", ".#H.F", ".#...", "....."});
    world.obstacles.push_back({2, 1});
    world.obstacles.push_back({2, 3});
    world.rule = Rule::AntColonySystem;
    Colony colony;
    world.applyTo(colony);
    colony.seedRandom(5);
    std::map<int, int> taken; // by y
    for (int i = 0; i < 3000; ++i) {
        Cell next;
        ASSERT_TRUE(colony.chooseNextCell(0, next.x, next.y));
        ++taken[next.y];
    }
    for (int y = 1; y <= 3; ++y)
        EXPECT_NEAR(taken[y], 1000, 100) << "y " << y;
}

TEST(TextbookRules, MaxMinStartsAfreshAtTauMaxAfterGGenerationsWithoutAShorterPath)
{
    // Alpha 3, ro 0.5: on seeds 1 to 20, the colony that starts afresh after
    // 50 quiet generations finds the shortest path (10 cells) in 300
    // generations more often than the one that never does.
    World world = World::startUp();
    world.rule = Rule::MaxMinAntSystem;
    world.alpha = 3;
    world.beta = 2;
    world.ro = 0.5;
    world.ants = 10;
    int optimal[2] = {0, 0};
    for (const int restart : {0, 50}) {
        world.restart = restart;
        for (unsigned seed = 1; seed <= 20; ++seed) {
            Colony colony;
            world.applyTo(colony);
            colony.seedRandom(seed);
            GenerationTracker tracker;
            int quiet = 0;
            for (int g = 0; g < 300; ++g) {
                colony.runGeneration();
                const int before = tracker.best();
                quiet = tracker.observe(colony).improved || tracker.best() != before ? 0 : quiet + 1;
                if (colony.restarts() == 0 || quiet < restart)
                    continue;
                ASSERT_EQ(quiet, restart) << "a restart after every " << restart << " quiet generations";
                for (int x = 0; x < world.size; ++x)
                    for (int y = 0; y < world.size; ++y)
                        ASSERT_DOUBLE_EQ(colony.pheromoneTable()[x][y], 1 / (world.ro * tracker.best()));
                quiet = 0;
            }
            EXPECT_EQ(colony.restarts() > 0, restart > 0);
            optimal[restart > 0] += tracker.best() == 10 ? 1 : 0;
        }
    }
    EXPECT_LE(optimal[0], 17);
    EXPECT_GE(optimal[1], 19);
}

TEST(TextbookRules, AlphaAndBetaTakeEffectAtOnce)
{
    // A colony given alpha (beta) after its reset walks as one built with it.
    World world = World::startUp(7);
    world.ants = 4;
    world.obstacles = {{3, 3}, {3, 4}, {4, 3}};
    for (const Rule rule : allRules()) {
        if (rule == Rule::Vormis)
            continue;
        world.rule = rule;
        for (const bool alpha : {true, false}) {
            World built = world;
            (alpha ? built.alpha : built.beta) = 3;
            Colony later, fresh;
            world.applyTo(later);
            alpha ? later.setAlpha(3) : later.setBeta(3);
            built.applyTo(fresh);
            later.seedRandom(9);
            fresh.seedRandom(9);
            for (int g = 0; g < 3; ++g) {
                later.runGeneration();
                fresh.runGeneration();
            }
            for (int x = 0; x < world.size; ++x)
                for (int y = 0; y < world.size; ++y)
                    ASSERT_EQ(later.pheromoneTable()[x][y], fresh.pheromoneTable()[x][y])
                        << ruleName(rule) << (alpha ? " alpha" : " beta");
        }
    }
}
