// Every result of every rule, recorded: after each generation on many random
// worlds, every path, counter and table goes into one hash per rule, and so
// do the generator's next draws.  The expected hashes were taken from the
// engine as it was before its walk was made faster, so any change to any
// result, however small, shows here.
#include "engine_test_support.h"

#include "world.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <random>

namespace {

// FNV-1a over the bytes of each value added.
class Fingerprint
{
public:
    template <typename T>
    void add(const T &value)
    {
        unsigned char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        for (const unsigned char b : bytes)
            m_hash = (m_hash ^ b) * 1099511628211ull;
    }
    unsigned long long value() const { return m_hash; }

private:
    unsigned long long m_hash = 14695981039346656037ull;
};

void addState(Fingerprint &print, const Colony &colony)
{
    print.add(colony.arrivals());
    print.add(colony.choices());
    print.add(colony.restarts());
    for (const AntState &ant : colony.m_ants) {
        for (const int value : {ant.x, ant.y, ant.steps, ant.pathLength, ant.atFood ? 1 : 0})
            print.add(value);
        for (int k = 0; k < ant.pathLength; ++k) {
            print.add(ant.path[0][k]);
            print.add(ant.path[1][k]);
        }
    }
    for (const double *const *table : {colony.routingTable(), colony.pheromoneTable(), colony.heuristicTable()})
        for (int x = 0; x < colony.size(); ++x)
            for (int y = 0; y < colony.size(); ++y)
                print.add(table[x][y]);
}

// Mostly small worlds, every eighth one of 40 to 100 cells a side; up to
// half the cells walled, so that many ants get lost.  std::mt19937's
// numbers are the same everywhere; its distributions are not, so none is used.
World randomWorld(std::mt19937 &random, Rule rule, int index)
{
    World w;
    w.rule = rule;
    w.size = index % 8 == 7 ? 40 + static_cast<int>(random() % 61) : 3 + static_cast<int>(random() % 20);
    w.ants = 1 + static_cast<int>(random() % (index % 8 == 7 ? 3 : 8));
    w.home = {static_cast<int>(random() % w.size), static_cast<int>(random() % w.size)};
    w.food = {static_cast<int>(random() % w.size), static_cast<int>(random() % w.size)};
    w.alpha = static_cast<int>(random() % 4);
    w.beta = static_cast<int>(random() % 4);
    w.ro = static_cast<int>(random() % 100) / 100.0;
    w.q0 = static_cast<int>(random() % 101) / 100.0;
    w.xi = static_cast<int>(random() % 101) / 100.0;
    w.elite = static_cast<int>(random() % 10);
    w.rank = 1 + static_cast<int>(random() % 8);
    w.restart = static_cast<int>(random() % 6);
    const auto walls = random() % static_cast<unsigned>(w.size * w.size / 2 + 1);
    for (unsigned i = 0; i < walls; ++i)
        w.setObstacle({static_cast<int>(random() % w.size), static_cast<int>(random() % w.size)});
    return w;
}

} // namespace

TEST(Fingerprint, EveryRuleGivesTheResultsItAlwaysGave)
{
    const std::map<Rule, unsigned long long> expected = {
        {Rule::Vormis, 9803811402500075187ull},
        {Rule::AntSystem, 10207253373863013939ull},
        {Rule::AntColonySystem, 1331037421652003458ull},
        {Rule::MaxMinAntSystem, 10349211139504638122ull},
        {Rule::ElitistAntSystem, 10067426699044029218ull},
        {Rule::RankBasedAntSystem, 3002027193476617271ull},
        {Rule::BestWorstAntSystem, 15511569140678703276ull},
    };
    std::mt19937 random(28);
    for (const Rule rule : allRules()) {
        Fingerprint print;
        for (int w = 0; w < 64; ++w) {
            Colony colony;
            randomWorld(random, rule, w).applyTo(colony);
            colony.seedRandom(static_cast<unsigned>(random()));
            for (int g = 0; g < 8; ++g) {
                colony.runGeneration();
                addState(print, colony);
            }
            print.add(colony.randomValue(0.0, 1.0));
        }
        EXPECT_EQ(print.value(), expected.at(rule)) << ruleName(rule);
    }
}

TEST(Fingerprint, AnInstalledSourceIsCalledOnceForEachDraw)
{
    // A source that is the built-in generator gives the same runs as the
    // generator itself, even where the walk skips draws without making them.
    std::mt19937 random(29);
    for (const Rule rule : allRules()) {
        for (int w = 0; w < 24; ++w) {
            const World world = randomWorld(random, rule, w);
            const auto seed = static_cast<std::uint32_t>(random());
            Colony own, sourced;
            world.applyTo(own);
            world.applyTo(sourced);
            own.seedRandom(seed);
            sourced.setRandomSource([state = seed]() mutable {
                state = state * 1103515245u + 12345u;
                return static_cast<int>(state / 65536u % 32768u);
            });
            Fingerprint ownPrint, sourcedPrint;
            for (int g = 0; g < 8; ++g) {
                own.runGeneration();
                sourced.runGeneration();
                addState(ownPrint, own);
                addState(sourcedPrint, sourced);
            }
            ASSERT_EQ(ownPrint.value(), sourcedPrint.value()) << ruleName(rule) << " world " << w;
        }
    }
}
