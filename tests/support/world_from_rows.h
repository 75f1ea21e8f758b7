#ifndef VORMIS_TEST_WORLD_FROM_ROWS_H
#define VORMIS_TEST_WORLD_FROM_ROWS_H

#include "world.h"

#include <stdexcept>
#include <string>
#include <vector>

// A world drawn as text, as in a world file: one string per row y, one
// character per column x.  '.' free, '#' obstacle, 'H' home, 'F' food, and
// 'B' home and food on one cell.  Everything else is World::startUp's for
// that size, the home and the food too where the rows have none.
//
// Rows that do not make a square or hold another character are a mistake in
// the test: std::invalid_argument, which fails it.
inline World worldFromRows(const std::vector<std::string> &rows)
{
    const int n = static_cast<int>(rows.size());
    World world = World::startUp(n);
    for (int y = 0; y < n; ++y) {
        const std::string &row = rows[static_cast<std::size_t>(y)];
        if (static_cast<int>(row.size()) != n)
            throw std::invalid_argument("row " + std::to_string(y) + " is not " + std::to_string(n) + " cells long");
        for (int x = 0; x < n; ++x) {
            const char c = row[static_cast<std::size_t>(x)];
            if (c == '#')
                world.obstacles.push_back({x, y});
            else if (c != '.' && c != 'H' && c != 'F' && c != 'B')
                throw std::invalid_argument(std::string("unexpected cell '") + c + "' in row " + std::to_string(y));
            if (c == 'H' || c == 'B')
                world.home = {x, y};
            if (c == 'F' || c == 'B')
                world.food = {x, y};
        }
    }
    return world;
}

#endif
