#ifndef VORMIS_CLI_WORLD_H
#define VORMIS_CLI_WORLD_H

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class Colony;

struct Cell
{
    int x = 0;
    int y = 0;
    bool operator==(const Cell &other) const { return x == other.x && y == other.y; }
    bool operator!=(const Cell &other) const { return !(*this == other); }
};

// Everything a colony is built from: the grid, its special cells and the
// parameters of the transition rule.
struct World
{
    int size = 10;
    int ants = 5;
    Cell home{0, 0};
    Cell food{9, 9};
    int alpha = 2;
    int beta = 1;
    double ro = 0.1;
    std::vector<Cell> obstacles; // no duplicates

    bool isObstacle(Cell cell) const;
    bool contains(Cell cell) const { return cell.x >= 0 && cell.y >= 0 && cell.x < size && cell.y < size; }
    // Adds the cell unless it is an obstacle already.
    void addObstacle(Cell cell);
};

// The world the program starts with: open, home in one corner, food in the
// opposite one.
World startUpWorld(int size = 10);

// The example world of the window's "defaults" button: 8 x 8, three walls
// between home and food.
World exampleWorld();

// Where a world file went wrong.  line and column count from 1; 0 means the
// message is about the whole file (or the whole line).
struct WorldFileError
{
    int line = 0;
    int column = 0;
    QString message;
    bool unreadable = false; // the file itself: missing, unreadable, too large

    // "name:line:column: message", leaving out what is 0.
    QString text(const QString &fileName) const;
};

// Reads a world drawn as text: N lines of N characters, line y holding row y
// and character x column x; '.' free, '#' obstacle, 'H' home, 'F' food, one
// each of H and F, N from 3 to 100.  A final newline and CRLF line ends are
// accepted.  Only size, home, food and obstacles are taken from the text;
// the other parameters are the start-up world's.
bool parseWorldText(const QByteArray &text, World &world, WorldFileError &error);

// The same for a file; errors about the file itself (missing, unreadable,
// too large) come back with line 0.
bool readWorldFile(const QString &path, World &world, WorldFileError &error);

// The fewest cells, home and food included, on a path from home to food that
// moves to one of the 8 neighbours at each step and never enters an
// obstacle; 0 when there is no such path (also when home or food is an
// obstacle).  The same unit as an ant's pathLength.
int shortestPathCells(const World &world);

// Sets the colony up for the world as the window does (parameters, reset,
// obstacles), then seeds its generator.
void setUpColony(Colony &colony, const World &world, std::uint32_t seed);

#endif
