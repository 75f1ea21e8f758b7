#include "linear_colony.h"

LinearColony::LinearColony(const World &world, unsigned seed)
    : m_world(world), m_state(seed)
{
    const int n = world.size;
    routing.assign(n, std::vector<double>(n, 1.0));
    pheromone.assign(n, std::vector<double>(n, 0.0));
    heuristic.assign(n, std::vector<double>(n, 1.0));
    routing[world.food.x][world.food.y] = 100.0;
    ants.resize(world.ants);
    for (Ant &ant : ants) {
        ant.pathX.assign(n * n, 0);
        ant.pathY.assign(n * n, 0);
    }
}

double LinearColony::nextFraction()
{
    m_state = m_state * 1103515245u + 12345u;
    return ((m_state / 65536u) % 32768u) / 32767.0;
}

bool LinearColony::isObstacle(int x, int y) const
{
    for (const auto &cell : m_world.obstacles)
        if (cell.x == x && cell.y == y)
            return true;
    return false;
}

bool LinearColony::isOnPath(const Ant &ant, int x, int y) const
{
    for (int k = 0; k < ant.pathLength; ++k)
        if (ant.pathX[k] == x && ant.pathY[k] == y)
            return true;
    return false;
}

bool LinearColony::chooseNextCell(const Ant &ant, int &nextX, int &nextY)
{
    const int n = m_world.size;
    const int x = ant.x;
    const int y = ant.y;
    int cx[8], cy[8], count = 0;
    float total = 0;
    const auto consider = [&](bool inside, int nx, int ny) {
        if (!inside || isObstacle(nx, ny) || isOnPath(ant, nx, ny))
            return false;
        if (nx == m_world.food.x && ny == m_world.food.y)
            return true;
        cx[count] = nx;
        cy[count] = ny;
        ++count;
        total = float(total + routing[nx][ny]);
        return false;
    };
    const bool food = consider(y > 0, x, y - 1) || consider(y > 0 && x > 0, x - 1, y - 1)
        || consider(y < n - 1, x, y + 1) || consider(y < n - 1 && x < n - 1, x + 1, y + 1)
        || consider(x > 0, x - 1, y) || consider(x > 0 && y < n - 1, x - 1, y + 1)
        || consider(x < n - 1, x + 1, y) || consider(x < n - 1 && y > 0, x + 1, y - 1);
    if (food) {
        nextX = m_world.food.x;
        nextY = m_world.food.y;
        return true;
    }
    if (count == 0) {
        nextX = nextY = -1;
        return false;
    }
    if (count == 1) {
        nextX = cx[0];
        nextY = cy[0];
        return true;
    }
    float fractions[8];
    float sum = 0;
    for (int i = 0; i < count - 1; ++i) {
        fractions[i] = float((sum + routing[cx[i]][cy[i]]) / total);
        sum = float(sum + routing[cx[i]][cy[i]]);
    }
    fractions[count - 1] = 1.0f;
    const float r = float(nextFraction());
    for (int i = 0; i < count; ++i) {
        if (r <= fractions[i]) {
            nextX = cx[i];
            nextY = cy[i];
            return true;
        }
    }
    return false;
}

void LinearColony::runGeneration()
{
    const int n = m_world.size;
    for (Ant &ant : ants) {
        ant.x = ant.pathX[0] = m_world.home.x;
        ant.y = ant.pathY[0] = m_world.home.y;
        ant.steps = ant.pathLength = 1;
        ant.atFood = false;
    }
    for (Ant &ant : ants) {
        int failures = 0;
        while (!ant.atFood && failures < n * n) {
            int nx, ny;
            if (chooseNextCell(ant, nx, ny)) {
                ant.x = nx;
                ant.y = ny;
                ant.pathX[ant.pathLength] = nx;
                ant.pathY[ant.pathLength] = ny;
                ++ant.pathLength;
                ++ant.steps;
                if (nx == m_world.food.x && ny == m_world.food.y) {
                    ant.atFood = true;
                    ++arrivals;
                }
            } else {
                ++ant.steps;
                --ant.pathLength;
                ++failures;
            }
        }
        if (!ant.atFood || ant.pathLength <= 0)
            continue;
        for (int k = 0; k < ant.pathLength; ++k) {
            pheromone[ant.pathX[k]][ant.pathY[k]] += 1;
            heuristic[ant.pathX[k]][ant.pathY[k]] += double(n) / ant.steps;
        }
        for (int k = 0; k < ant.pathLength; ++k) {
            double &r = routing[ant.pathX[k]][ant.pathY[k]];
            r = r + m_world.alpha * pheromone[ant.pathX[k]][ant.pathY[k]]
                + m_world.beta * heuristic[ant.pathX[k]][ant.pathY[k]];
        }
    }
    for (auto &row : pheromone)
        for (double &value : row)
            value *= 1.0 - m_world.ro;
}
