#include "world.h"

#include "colony.h"

#include <algorithm>
#include <deque>

World World::startUp(int size)
{
    World world;
    world.size = size;
    world.food = {size - 1, size - 1};
    return world;
}

World World::example()
{
    World world;
    world.size = 8;
    world.ants = 4;
    world.home = {0, 4};
    world.food = {7, 4};
    world.alpha = 0;
    world.beta = 2;
    world.ro = 0.2;
    // A wall along row 1, a 4 x 2 block in the middle and a wall along row 6
    // that reaches the right-hand border.
    for (int x = 1; x <= 6; ++x)
        world.obstacles.push_back({x, 1});
    for (int y = 3; y <= 4; ++y)
        for (int x = 2; x <= 5; ++x)
            world.obstacles.push_back({x, y});
    for (int x = 2; x <= 7; ++x)
        world.obstacles.push_back({x, 6});
    return world;
}

bool World::isObstacle(Cell cell) const
{
    return std::find(obstacles.begin(), obstacles.end(), cell) != obstacles.end();
}

void World::setObstacle(Cell cell)
{
    if (!isObstacle(cell))
        obstacles.push_back(cell);
}

void World::applyTo(Colony &colony) const
{
    colony.setSize(size);
    colony.setAntCount(ants);
    colony.setHome(home.x, home.y);
    colony.setFood(food.x, food.y);
    colony.setAlpha(alpha);
    colony.setBeta(beta);
    colony.setRo(ro);
    colony.setRule(rule);
    colony.setQ0(q0);
    colony.setXi(xi);
    colony.setElite(elite);
    colony.setRank(rank);
    colony.setRestartAfter(restart);
    colony.reset();
    for (const Cell &cell : obstacles)
        colony.addObstacle(cell.x, cell.y);
}

void World::takeRuleOf(const Colony &colony)
{
    rule = colony.rule();
    q0 = colony.q0();
    xi = colony.xi();
    elite = colony.elite();
    rank = colony.rank();
    restart = colony.restartAfter();
}

World World::of(const Colony &colony)
{
    World world;
    world.size = colony.size();
    world.ants = colony.antCount();
    world.home = {colony.homeX(), colony.homeY()};
    world.food = {colony.foodX(), colony.foodY()};
    world.alpha = colony.alpha();
    world.beta = colony.beta();
    world.ro = colony.ro();
    world.takeRuleOf(colony);
    for (int x = 0; x < world.size; ++x)
        for (int y = 0; y < world.size; ++y)
            if (colony.isObstacle(x, y))
                world.obstacles.push_back({x, y});
    return world;
}

void World::keepObstaclesOf(const World &before)
{
    if (before.size != size)
        return;
    for (const Cell &cell : before.obstacles)
        if (cell != home && cell != food)
            setObstacle(cell);
}

int shortestPathCells(const World &world)
{
    const int n = world.size;
    if (n <= 0 || !world.contains(world.home) || !world.contains(world.food))
        return 0;
    std::vector<int> cells(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0); // 0: not reached
    const auto at = [n, &cells](Cell c) -> int & { return cells[static_cast<std::size_t>(c.y * n + c.x)]; };
    constexpr int kBlocked = -1;
    for (const Cell &obstacle : world.obstacles)
        if (world.contains(obstacle))
            at(obstacle) = kBlocked;
    if (at(world.home) == kBlocked || at(world.food) == kBlocked)
        return 0;

    std::deque<Cell> queue;
    at(world.home) = 1;
    queue.push_back(world.home);
    while (!queue.empty()) {
        const Cell here = queue.front();
        queue.pop_front();
        if (here == world.food)
            return at(here);
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const Cell next{here.x + dx, here.y + dy};
                if (!world.contains(next) || at(next) != 0)
                    continue;
                at(next) = at(here) + 1;
                queue.push_back(next);
            }
        }
    }
    return 0;
}
