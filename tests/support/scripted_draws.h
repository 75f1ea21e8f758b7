#ifndef VORMIS_TEST_SCRIPTED_DRAWS_H
#define VORMIS_TEST_SCRIPTED_DRAWS_H

#include "colony.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <vector>

// Scripted random draws: a random source for Colony::setRandomSource that
// hands out a list of numbers in order, so that a test decides each choice
// of the rule.  The list may grow while the source is in use.
//
// What a draw past the end of the list does is the test's choice: one that
// knows every draw a step takes fails at once (ScriptRanDry is thrown, which
// fails the test that runs the step); one that only steers the first choices
// goes on with zeros and can look at how many it got.
class ScriptedDraws
{
public:
    enum class WhenDry { Fail, GiveZeros };

    // Thrown by a failing script's source for a draw past its end.
    struct ScriptRanDry : std::logic_error
    {
        ScriptRanDry() : std::logic_error("the colony drew more random numbers than the test scripted") {}
    };

    explicit ScriptedDraws(WhenDry whenDry = WhenDry::Fail) : m_whenDry(whenDry) {}

    std::shared_ptr<std::deque<int>> draws = std::make_shared<std::deque<int>>(); // still to come
    std::shared_ptr<int> taken = std::make_shared<int>(0);     // draws asked for, past the end included
    std::shared_ptr<int> overdrawn = std::make_shared<int>(0); // draws asked for past the end

    // The source itself; it shares the list and the counts with this object.
    std::function<int()> source() const
    {
        return [draws = draws, taken = taken, overdrawn = overdrawn, whenDry = m_whenDry]() {
            ++*taken;
            if (draws->empty()) {
                ++*overdrawn;
                if (whenDry == WhenDry::Fail)
                    throw ScriptRanDry();
                return 0;
            }
            const int value = draws->front();
            draws->pop_front();
            return value;
        };
    }

    // Makes values the whole script and the colony's only random source.
    void install(Colony &colony, const std::vector<int> &values)
    {
        draws->assign(values.begin(), values.end());
        colony.setRandomSource(source());
    }

private:
    WhenDry m_whenDry;
};

// A random source that hands out the given draws, then zeros.
inline std::function<int()> scriptedDraws(std::initializer_list<int> values)
{
    ScriptedDraws script(ScriptedDraws::WhenDry::GiveZeros);
    script.draws->assign(values);
    return script.source();
}

#endif
