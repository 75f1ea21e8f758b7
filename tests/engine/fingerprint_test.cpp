// Every result of every rule, recorded: every path, counter and table after
// each generation on many random worlds, and the generator's next draw, in
// one hash per rule taken from the engine before its walk was made faster.
// Every other world draws from an installed source that is the built-in
// generator: it must be called once for each draw, skipped or not.
#include "engine_test_support.h"

#include "world.h"

#include <cstdint>
#include <cstring>
#include <random>

namespace {

// FNV-1a over the bytes of the value.
template <typename T>
void add(unsigned long long &hash, const T &value)
{
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    for (const unsigned char b : bytes)
        hash = (hash ^ b) * 1099511628211ull;
}

void addState(unsigned long long &hash, const Colony &colony)
{
    for (const long long counter : {0LL + colony.arrivals(), colony.choices(), 0LL + colony.restarts()})
        add(hash, counter);
    for (const AntState &ant : colony.m_ants) {
        for (const int value : {ant.x, ant.y, ant.steps, ant.pathLength, ant.atFood ? 1 : 0})
            add(hash, value);
        for (int k = 0; k < ant.pathLength; ++k)
            add(hash, ant.path[0][k] * 65536 + ant.path[1][k]);
    }
    for (const double *const *table : {colony.routingTable(), colony.pheromoneTable(), colony.heuristicTable()})
        for (int x = 0; x < colony.size(); ++x)
            for (int y = 0; y < colony.size(); ++y)
                add(hash, table[x][y]);
}

// Up to half the cells walled, so that many ants get lost.  std::mt19937's
// numbers are the same everywhere, its distributions are not: none is used.
World randomWorld(std::mt19937 &random, Rule rule, bool large)
{
    const auto draw = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    World w;
    w.rule = rule;
    w.size = large ? 40 + draw(61) : 3 + draw(20);
    w.ants = 1 + draw(large ? 3 : 8);
    w.home = {draw(w.size), draw(w.size)};
    w.food = {draw(w.size), draw(w.size)};
    w.alpha = draw(4);
    w.beta = draw(4);
    w.ro = draw(100) / 100.0;
    w.q0 = draw(101) / 100.0;
    w.xi = draw(101) / 100.0;
    w.elite = draw(10);
    w.rank = 1 + draw(8);
    w.restart = draw(6);
    for (int walls = draw(w.size * w.size / 2 + 1); walls > 0; --walls)
        w.setObstacle({draw(w.size), draw(w.size)});
    return w;
}

} // namespace

TEST(Fingerprint, EveryRuleGivesTheResultsItAlwaysGave)
{
    // In the order of allRules(): vormis, as, acs, mmas, eas, ras, bwas.
    const unsigned long long expected[] = {11306496076376138853ull, 16710929015534730187ull, 6683361376822019885ull,
                                           6604830222471057777ull,  1481309276226428379ull,  8030768802467854379ull,
                                           4831901534458738549ull};
    std::mt19937 random(28);
    for (std::size_t r = 0; r < allRules().size(); ++r) {
        unsigned long long hash = 14695981039346656037ull;
        for (int w = 0; w < 64; ++w) {
            Colony colony;
            randomWorld(random, allRules()[r], w % 8 >= 6).applyTo(colony);
            auto seed = static_cast<std::uint32_t>(random());
            colony.seedRandom(seed);
            if (w % 2 == 1)
                colony.setRandomSource([seed]() mutable {
                    seed = seed * 1103515245u + 12345u;
                    return static_cast<int>(seed / 65536u % 32768u);
                });
            for (int g = 0; g < 8; ++g) {
                colony.runGeneration();
                addState(hash, colony);
            }
            add(hash, colony.randomValue(0.0, 1.0));
        }
        EXPECT_EQ(hash, expected[r]) << ruleName(allRules()[r]);
    }
}
