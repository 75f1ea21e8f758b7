#include "generationtracker.h"

#include "colony.h"

#include <algorithm>

void GenerationTracker::reset()
{
    *this = GenerationTracker();
}

const GenerationResult &GenerationTracker::observe(const Colony &colony)
{
    GenerationResult result;
    result.generation = m_last.generation + 1;
    result.arrivals = colony.arrivals();
    const int ants = std::min(colony.antCount(), static_cast<int>(colony.m_ants.size()));
    for (int i = 0; i < ants; ++i) {
        const AntState &ant = colony.m_ants[static_cast<std::size_t>(i)];
        if (!ant.atFood)
            continue;
        ++result.antsAtFood;
        result.lengthSum += ant.pathLength;
        if (result.shortest == 0 || ant.pathLength < result.shortest) {
            result.shortest = ant.pathLength;
            result.shortestAnt = i;
        }
    }
    result.improved = result.shortest >= 2 && (m_best == 0 || result.shortest < m_best);
    if (result.improved) {
        m_best = result.shortest;
        m_bestGeneration = result.generation;
        m_bestPath = pathCells(colony.m_ants[static_cast<std::size_t>(result.shortestAnt)], result.shortest);
    }
    m_last = result;
    return m_last;
}

bool GenerationTracker::dropBrokenBest(const Colony &colony)
{
    if (m_bestPath.empty())
        return false;
    const bool fromHome = m_bestPath.front() == Cell{colony.homeX(), colony.homeY()};
    const bool toFood = m_bestPath.back() == Cell{colony.foodX(), colony.foodY()};
    const bool walled = std::any_of(m_bestPath.begin(), m_bestPath.end(),
                                    [&colony](const Cell &cell) { return colony.isObstacle(cell.x, cell.y); });
    if (fromHome && toFood && !walled)
        return false;
    m_best = 0;
    m_bestGeneration = 0;
    m_bestPath.clear();
    return true;
}

std::vector<Cell> pathCells(const AntState &ant, int length)
{
    std::vector<Cell> cells;
    const int count = std::min(length, ant.path.columnCount());
    for (int k = 0; k < count; ++k)
        cells.push_back({ant.path[0][k], ant.path[1][k]});
    return cells;
}
