#ifndef VORMIS_WALK_H
#define VORMIS_WALK_H

// The walk of one ant, shared by every rule; included by the files that
// walk the window's rule and the textbook rules.

#include "colony.h"

#include <cstdlib>
#include <utility>

// One ant walks until it stands on the food or has met m_deadEndLimit dead
// ends.  A dead end forgets the last recorded cell without moving the ant.
// While it walks, its path is mirrored in the OnPath flags.
//
// Most of a lost ant's calls of the rule have an answer known in advance,
// and these are not worked out again:
// - after a dead end that forgot the ant's own cell (or none), nothing around
//   it changed: the next call is a dead end too;
// - after a dead end that forgot the neighbour it came from, that cell is the
//   only admissible one: the ant steps back onto it without a draw;
// - back on a cell with the same recorded path as when it last chose there,
//   the candidates are the same (for a wheel whose weights change only
//   after the walk), so only the draw is new; and a candidate found to be a
//   dead end from there is a dead end again.
//
// The Wheel is the rule's own part: it gathers the admissible neighbours
// with their weights (or finds the free food among them), spins, skips the
// draws of a number of spins, hears of each cell the ant enters, and says
// whether the weights stay put while the ant walks.
template <typename Wheel>
class Colony::Walk
{
public:
    Walk(Colony &colony, AntState &ant, Wheel wheel) : m_colony(colony), m_ant(ant), m_wheel(wheel)
    {
        m_last.candidates = &m_buffers[1];
    }
    void run();

private:
    enum class Known { Nothing, DeadEnd, StepBack };

    using Choice = typename Wheel::Choice;

    // The last choice made from a cell, valid while the path's first
    // `length` entries are what they were then.
    struct LastChoice
    {
        bool valid = false;
        int x = 0, y = 0, length = 0;
        Choice *candidates = nullptr;
        unsigned deadEnds = 0; // candidates known to lead straight into a dead end
    };

    bool chooseNext(int movedFrom, bool &intoDeadEnd);
    bool isBackAtLastChoice() const;
    bool reuseLastChoice();
    void settleRoundTrips();
    bool chooseAfresh(int movedFrom);
    void moveOn(bool intoDeadEnd);
    void backOff();

    Colony &m_colony;
    AntState &m_ant;
    Wheel m_wheel;
    // Two candidate buffers: a choice is gathered into the spare one, which
    // trades places with the remembered one when the choice is kept.
    Choice m_buffers[2];
    Choice *m_spare = &m_buffers[0];
    LastChoice m_last;
    Known m_known = Known::Nothing;
    int m_failures = 0;
    int m_nextX = 0;
    int m_nextY = 0;
    int m_pendingCandidate = -1; // the candidate just moved to from m_last
};

template <typename Wheel>
void Colony::Walk<Wheel>::run()
{
    const int capacity = m_ant.path.columnCount();
    m_colony.cellFlag(m_ant.x, m_ant.y) |= OnPath;
    while (!m_ant.atFood && m_failures < m_colony.m_deadEndLimit) {
        const int movedFrom = m_pendingCandidate;
        m_pendingCandidate = -1;
        bool intoDeadEnd = false;
        if (!chooseNext(movedFrom, intoDeadEnd))
            backOff();
        else if (m_ant.pathLength >= 0 && m_ant.pathLength < capacity)
            moveOn(intoDeadEnd);
        else
            break; // a path that cannot grow; unreachable for a consistent colony
    }
    for (int k = 0; k < m_ant.pathLength; ++k)
        m_colony.cellFlag(m_ant.path[0][k], m_ant.path[1][k]) &= ~OnPath;
}

// Sets the next cell and returns true, or returns false for a dead end.
template <typename Wheel>
bool Colony::Walk<Wheel>::chooseNext(int movedFrom, bool &intoDeadEnd)
{
    switch (m_known) {
    case Known::DeadEnd:
        return false;
    case Known::StepBack:
        return true; // the next cell was set when the dead end freed it
    case Known::Nothing:
        break;
    }
    if (isBackAtLastChoice()) {
        intoDeadEnd = reuseLastChoice();
        return true;
    }
    return chooseAfresh(movedFrom);
}

template <typename Wheel>
bool Colony::Walk<Wheel>::isBackAtLastChoice() const
{
    return m_last.valid && m_last.x == m_ant.x && m_last.y == m_ant.y && m_last.length == m_ant.pathLength;
}

// Spins the remembered wheel again; returns whether the cell drawn is known
// to lead straight into a dead end.
template <typename Wheel>
bool Colony::Walk<Wheel>::reuseLastChoice()
{
    Colony &c = m_colony;
    ++c.m_choices;
    const Choice &candidates = *m_last.candidates;
    if (m_last.deadEnds + 1 == 1u << candidates.count)
        settleRoundTrips();
    int chosen = m_wheel.spin(candidates);
    // Into a known dead end, two dead ends and back: four steps that end
    // where they began, taken at once while the limit is not in reach.
    while (((m_last.deadEnds >> chosen) & 1u) && m_failures + 2 < c.m_deadEndLimit) {
        m_ant.steps += 4;
        m_failures += 2;
        chosen = m_wheel.spin(candidates);
    }
    m_nextX = m_last.x + kNeighbourDx[candidates.neighbour[chosen]];
    m_nextY = m_last.y + kNeighbourDy[candidates.neighbour[chosen]];
    m_pendingCandidate = chosen;
    return (m_last.deadEnds >> chosen) & 1u;
}

// Every candidate known to lead into a dead end: the round trips of
// reuseLastChoice() would follow one another until the limit is in reach,
// each with its spin, and only the last spin's cell would matter.  They are
// counted here at once, and the generator skips the draws of their spins.
template <typename Wheel>
void Colony::Walk<Wheel>::settleRoundTrips()
{
    const int trips = (m_colony.m_deadEndLimit - m_failures - 1) / 2;
    if (trips <= 0)
        return;
    m_ant.steps += 4 * trips;
    m_failures += 2 * trips;
    m_wheel.skipSpins(*m_last.candidates, trips);
}

// The rule worked out in full from the lookup grid.  A dead end right after
// a move from the remembered cell marks that candidate as one.
template <typename Wheel>
bool Colony::Walk<Wheel>::chooseAfresh(int movedFrom)
{
    Colony &c = m_colony;
    ++c.m_choices;
    Choice &candidates = *m_spare;
    const int count = m_wheel.gather(m_ant.x, m_ant.y, candidates);
    if (count < 0) {
        m_nextX = c.m_foodX;
        m_nextY = c.m_foodY;
        return true;
    }
    if (count == 0) {
        if (movedFrom >= 0 && m_last.valid)
            m_last.deadEnds |= 1u << movedFrom;
        return false;
    }
    m_last.valid = m_wheel.keepsWeights();
    if (m_last.valid) {
        m_last.x = m_ant.x;
        m_last.y = m_ant.y;
        m_last.length = m_ant.pathLength;
        std::swap(m_last.candidates, m_spare);
        m_last.deadEnds = 0;
    }
    const int chosen = m_wheel.spin(candidates);
    m_nextX = m_ant.x + kNeighbourDx[candidates.neighbour[chosen]];
    m_nextY = m_ant.y + kNeighbourDy[candidates.neighbour[chosen]];
    m_pendingCandidate = chosen;
    return true;
}

// Records the move onto the chosen cell.
template <typename Wheel>
void Colony::Walk<Wheel>::moveOn(bool intoDeadEnd)
{
    Colony &c = m_colony;
    const int length = m_ant.pathLength;
    if (length < m_last.length && (length != m_last.length - 1 || m_nextX != m_last.x || m_nextY != m_last.y))
        m_last.valid = false;
    m_ant.x = m_nextX;
    m_ant.y = m_nextY;
    m_ant.path[0][length] = m_nextX;
    m_ant.path[1][length] = m_nextY;
    ++m_ant.pathLength;
    ++m_ant.steps;
    c.cellFlag(m_nextX, m_nextY) |= OnPath;
    if (m_nextX == c.m_foodX && m_nextY == c.m_foodY) {
        m_ant.atFood = true;
        ++c.m_arrivals;
    }
    m_wheel.entered(m_nextX, m_nextY);
    m_known = intoDeadEnd ? Known::DeadEnd : Known::Nothing;
}

// A dead end: the last recorded cell is forgotten.  When that cell is a free
// neighbour, the ant's only way on is back onto it.
template <typename Wheel>
void Colony::Walk<Wheel>::backOff()
{
    Colony &c = m_colony;
    ++m_ant.steps;
    --m_ant.pathLength;
    ++m_failures;
    if (m_ant.pathLength < m_last.length - 1)
        m_last.valid = false;
    m_known = Known::DeadEnd;
    if (m_ant.pathLength < 0)
        return;
    const int fx = m_ant.path[0][m_ant.pathLength];
    const int fy = m_ant.path[1][m_ant.pathLength];
    c.cellFlag(fx, fy) &= ~OnPath;
    const bool neighbour = (fx != m_ant.x || fy != m_ant.y) && std::abs(fx - m_ant.x) <= 1
        && std::abs(fy - m_ant.y) <= 1;
    if (neighbour && c.cellFlag(fx, fy) == 0) {
        m_known = Known::StepBack;
        m_nextX = fx;
        m_nextY = fy;
    }
}

#endif
