#include "world.h"

#include "colony.h"

#include <QFile>

#include <algorithm>
#include <deque>

namespace {

constexpr int kMinSize = 3;
constexpr int kMaxSize = 100;
// A 100 x 100 world with CRLF line ends is 10,200 bytes; anything far larger
// is not a world file, and is not read into memory whole.
constexpr qint64 kMaxFileBytes = 64 * 1024;

QString shownCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f)
        return QStringLiteral("'%1'").arg(QChar(byte));
    return QStringLiteral("'\\x%1'").arg(byte, 2, 16, QChar('0'));
}

bool fail(WorldFileError &error, int line, int column, const QString &message)
{
    error.line = line;
    error.column = column;
    error.message = message;
    error.unreadable = false;
    return false;
}

bool unreadable(WorldFileError &error, const QString &message)
{
    fail(error, 0, 0, message);
    error.unreadable = true;
    return false;
}

} // namespace

bool World::isObstacle(Cell cell) const
{
    return std::find(obstacles.begin(), obstacles.end(), cell) != obstacles.end();
}

void World::addObstacle(Cell cell)
{
    if (!isObstacle(cell))
        obstacles.push_back(cell);
}

World startUpWorld(int size)
{
    World world;
    world.size = size;
    world.home = {0, 0};
    world.food = {size - 1, size - 1};
    return world;
}

World exampleWorld()
{
    World world;
    world.size = 8;
    world.ants = 4;
    world.home = {0, 4};
    world.food = {7, 4};
    world.alpha = 0;
    world.beta = 2;
    world.ro = 0.2;
    // Rows 1 and 6 and a 4 x 2 block in the middle, as in the window.
    static const int cells[20][2] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {2, 3},
                                     {3, 3}, {4, 3}, {5, 3}, {2, 4}, {3, 4}, {4, 4}, {5, 4},
                                     {2, 6}, {3, 6}, {4, 6}, {5, 6}, {6, 6}, {7, 6}};
    for (const auto &cell : cells)
        world.obstacles.push_back({cell[0], cell[1]});
    return world;
}

QString WorldFileError::text(const QString &fileName) const
{
    QString where = fileName;
    if (line > 0) {
        where += QStringLiteral(":%1").arg(line);
        if (column > 0)
            where += QStringLiteral(":%1").arg(column);
    }
    return where + QStringLiteral(": ") + message;
}

bool parseWorldText(const QByteArray &text, World &world, WorldFileError &error)
{
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n')
            continue;
        if (i == text.size() && start == text.size())
            break; // nothing after the last newline
        QByteArray line = text.mid(start, i - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.push_back(line);
        start = i + 1;
    }
    if (lines.empty())
        return fail(error, 0, 0, QStringLiteral("empty file (expected %1 to %2 lines of . # H F)").arg(kMinSize).arg(kMaxSize));

    World result = startUpWorld();
    const int n = static_cast<int>(lines.front().size());
    bool haveHome = false;
    bool haveFood = false;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const int y = static_cast<int>(row);
        const QByteArray &line = lines[row];
        if (y > 0 && y >= n) {
            return fail(error, y + 1, 0,
                        QStringLiteral("more than %1 lines (a world is square: as many lines as line 1 has characters)")
                            .arg(n));
        }
        for (int x = 0; x < line.size(); ++x) {
            const char c = line[x];
            if (c == '.')
                continue;
            if (c == '#') {
                result.obstacles.push_back({x, y});
            } else if (c == 'H' || c == 'F') {
                bool &seen = c == 'H' ? haveHome : haveFood;
                Cell &cell = c == 'H' ? result.home : result.food;
                if (seen) {
                    return fail(error, y + 1, x + 1,
                                QStringLiteral("a second %1 (the first is at %2:%3)")
                                    .arg(QChar(c))
                                    .arg(cell.y + 1)
                                    .arg(cell.x + 1));
                }
                seen = true;
                cell = {x, y};
            } else {
                return fail(error, y + 1, x + 1,
                            QStringLiteral("unexpected character %1 (expected . # H F)").arg(shownCharacter(c)));
            }
        }
        if (y == 0 && (n < kMinSize || n > kMaxSize)) {
            return fail(error, 1, 0,
                        QStringLiteral("line 1 has %1 characters; a world is %2 to %3 cells a side")
                            .arg(n)
                            .arg(kMinSize)
                            .arg(kMaxSize));
        }
        if (line.size() != n) {
            return fail(error, y + 1, static_cast<int>(std::min<qsizetype>(line.size(), n)) + 1,
                        QStringLiteral("line has %1 characters, expected %2 like line 1").arg(line.size()).arg(n));
        }
    }
    if (static_cast<int>(lines.size()) < n) {
        return fail(error, static_cast<int>(lines.size()), 0,
                    QStringLiteral("the file ends after %1 lines, expected %2 (as many as line 1 has characters)")
                        .arg(lines.size())
                        .arg(n));
    }
    if (!haveHome)
        return fail(error, 0, 0, QStringLiteral("no H (home) cell"));
    if (!haveFood)
        return fail(error, 0, 0, QStringLiteral("no F (food) cell"));

    result.size = n;
    world = result;
    return true;
}

bool readWorldFile(const QString &path, World &world, WorldFileError &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(error, QStringLiteral("cannot read (%1)").arg(file.errorString()));
    const QByteArray text = file.read(kMaxFileBytes + 1);
    if (text.size() > kMaxFileBytes)
        return unreadable(error, QStringLiteral("too large for a world file (more than %1 bytes)").arg(kMaxFileBytes));
    if (file.error() != QFileDevice::NoError)
        return unreadable(error, QStringLiteral("cannot read (%1)").arg(file.errorString()));
    return parseWorldText(text, world, error);
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

void setUpColony(Colony &colony, const World &world, std::uint32_t seed)
{
    colony.setSize(world.size);
    colony.setAntCount(world.ants);
    colony.setHome(world.home.x, world.home.y);
    colony.setFood(world.food.x, world.food.y);
    colony.setAlpha(world.alpha);
    colony.setBeta(world.beta);
    colony.setRo(world.ro);
    colony.reset();
    for (const Cell &cell : world.obstacles)
        colony.addObstacle(cell.x, cell.y);
    colony.seedRandom(seed);
}
