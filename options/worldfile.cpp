#include "worldfile.h"

#include <QFile>

#include <algorithm>

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

// The text's lines without their ends (LF or CRLF); a final line end starts
// no further line.
std::vector<QByteArray> linesOf(const QByteArray &text)
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
    return lines;
}

// What the lines read so far hold.
struct WorldReading
{
    World world = World::startUp();
    int size = 0; // the length of line 1
    bool haveHome = false;
    bool haveFood = false;
};

// One character of a line: free, an obstacle, or the one home or food.
bool readCell(char c, int x, int y, WorldReading &reading, WorldFileError &error)
{
    if (c == '.')
        return true;
    if (c == '#') {
        reading.world.obstacles.push_back({x, y});
        return true;
    }
    if (c != 'H' && c != 'F')
        return fail(error, y + 1, x + 1,
                    QStringLiteral("unexpected character %1 (expected . # H F)").arg(shownCharacter(c)));
    bool &seen = c == 'H' ? reading.haveHome : reading.haveFood;
    Cell &cell = c == 'H' ? reading.world.home : reading.world.food;
    if (seen)
        return fail(error, y + 1, x + 1,
                    QStringLiteral("a second %1 (the first is at %2:%3)").arg(QChar(c)).arg(cell.y + 1).arg(cell.x + 1));
    seen = true;
    cell = {x, y};
    return true;
}

// Line y: no more lines than line 1 has characters, and as many characters.
bool readRow(const QByteArray &line, int y, WorldReading &reading, WorldFileError &error)
{
    const int n = reading.size;
    if (y > 0 && y >= n) {
        return fail(error, y + 1, 0,
                    QStringLiteral("more than %1 lines (a world is square: as many lines as line 1 has characters)")
                        .arg(n));
    }
    for (int x = 0; x < line.size(); ++x)
        if (!readCell(line[x], x, y, reading, error))
            return false;
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
    return true;
}

} // namespace

QString cellText(Cell cell)
{
    return QStringLiteral("%1,%2").arg(cell.x).arg(cell.y);
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
    const std::vector<QByteArray> lines = linesOf(text);
    if (lines.empty())
        return fail(error, 0, 0, QStringLiteral("empty file (expected %1 to %2 lines of . # H F)").arg(kMinSize).arg(kMaxSize));

    WorldReading reading;
    reading.size = static_cast<int>(lines.front().size());
    const int n = reading.size;
    for (std::size_t row = 0; row < lines.size(); ++row)
        if (!readRow(lines[row], static_cast<int>(row), reading, error))
            return false;
    if (static_cast<int>(lines.size()) < n) {
        return fail(error, static_cast<int>(lines.size()), 0,
                    QStringLiteral("the file ends after %1 lines, expected %2 (as many as line 1 has characters)")
                        .arg(lines.size())
                        .arg(n));
    }
    if (!reading.haveHome)
        return fail(error, 0, 0, QStringLiteral("no H (home) cell"));
    if (!reading.haveFood)
        return fail(error, 0, 0, QStringLiteral("no F (food) cell"));

    reading.world.size = n;
    world = reading.world;
    return true;
}

QByteArray worldText(const World &world)
{
    const int n = world.size;
    QByteArray text;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const Cell cell{x, y};
            text += cell == world.home ? 'H' : cell == world.food ? 'F' : world.isObstacle(cell) ? '#' : '.';
        }
        text += '\n';
    }
    return text;
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
