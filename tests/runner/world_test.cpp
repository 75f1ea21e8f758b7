#include "runner_test_support.h"

#include "colony.h"
#include "worldfile.h"

#include <QTemporaryDir>

namespace {

struct Malformed
{
    const char *text;
    int line;
    int column;
    const char *message; // a part of it
};

} // namespace

TEST(WorldFile, LinesAreRowsAndCharactersColumns)
{
    World world;
    WorldFileError error;
    ASSERT_TRUE(parseWorldText("..#.\n#H..\n....\n..F.\n", world, error)) << error.message.toStdString();
    EXPECT_EQ(world.size, 4);
    EXPECT_EQ(world.home, (Cell{1, 1}));
    EXPECT_EQ(world.food, (Cell{2, 3}));
    ASSERT_EQ(world.obstacles.size(), 2u);
    EXPECT_TRUE(world.isObstacle({2, 0}));
    EXPECT_TRUE(world.isObstacle({0, 1}));
    // The parameters a file does not hold are the start-up world's.
    EXPECT_EQ(world.ants, 5);
    EXPECT_EQ(world.alpha, 2);
}

TEST(WorldFile, LineEndsCrlfAndAMissingFinalNewlineReadTheSame)
{
    World plain, crlf, unterminated;
    WorldFileError error;
    ASSERT_TRUE(parseWorldText("H.#\n...\n#.F\n", plain, error));
    ASSERT_TRUE(parseWorldText("H.#\r\n...\r\n#.F\r\n", crlf, error)) << error.message.toStdString();
    ASSERT_TRUE(parseWorldText("H.#\n...\n#.F", unterminated, error)) << error.message.toStdString();
    for (const World *w : {&crlf, &unterminated}) {
        EXPECT_EQ(w->size, 3);
        EXPECT_EQ(w->home, plain.home);
        EXPECT_EQ(w->food, plain.food);
        EXPECT_EQ(w->obstacles.size(), 2u);
    }
}

TEST(WorldFile, FaultsAreReportedWithLineAndColumn)
{
    const Malformed cases[] = {
        {"H..\n.x.\n..F\n", 2, 2, "unexpected character 'x' (expected . # H F)"},
        {"H..\n.\x01.\n..F\n", 2, 2, "unexpected character '\\x01'"},
        {"H..\n.\r.\n..F\n", 2, 2, "unexpected character '\\x0d'"},
        {"H.H\n...\n..F\n", 1, 3, "a second H (the first is at 1:1)"},
        {"H.F\n...\n..F\n", 3, 3, "a second F (the first is at 1:3)"},
        {"H...\n..\n....\n...F\n", 2, 3, "line has 2 characters, expected 4"},
        {"H..\n....\n..F\n", 2, 4, "line has 4 characters, expected 3"},
        {"H..\n..F\n", 2, 0, "the file ends after 2 lines, expected 3"},
        {"H..\n...\n..F\n...\n", 4, 0, "more than 3 lines"},
        {"H..\n...\n..F\n\n", 4, 0, "more than 3 lines"},
        {"H.\n.F\n", 1, 0, "line 1 has 2 characters; a world is 3 to 100 cells a side"},
        {"...\n...\n..F\n", 0, 0, "no H (home) cell"},
        {"H..\n...\n...\n", 0, 0, "no F (food) cell"},
        {"", 0, 0, "empty file"},
        {"\n", 1, 0, "line 1 has 0 characters"},
    };
    for (const Malformed &c : cases) {
        World world;
        WorldFileError error;
        EXPECT_FALSE(parseWorldText(c.text, world, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_EQ(error.column, c.column) << c.text;
        EXPECT_TRUE(error.message.contains(QLatin1String(c.message))) << error.message.toStdString();
    }

    const QByteArray wide = QByteArray(101, '.') + '\n';
    World world;
    WorldFileError error;
    EXPECT_FALSE(parseWorldText(wide, world, error));
    EXPECT_TRUE(error.message.contains(QLatin1String("101 characters")));
    EXPECT_EQ(world.size, 10) << "a failed parse leaves the world alone";

    EXPECT_EQ((WorldFileError{3, 7, QStringLiteral("oops")}.text(QStringLiteral("w.txt"))), QStringLiteral("w.txt:3:7: oops"));
    EXPECT_EQ((WorldFileError{4, 0, QStringLiteral("oops")}.text(QStringLiteral("w.txt"))), QStringLiteral("w.txt:4: oops"));
    EXPECT_EQ((WorldFileError{0, 0, QStringLiteral("oops")}.text(QStringLiteral("w.txt"))), QStringLiteral("w.txt: oops"));
}

TEST(WorldFile, FilesThatCannotBeWorldsAreNotRead)
{
    QTemporaryDir dir;
    World world;
    WorldFileError error;
    EXPECT_FALSE(readWorldFile(dir.filePath(QStringLiteral("missing.txt")), world, error));
    EXPECT_TRUE(error.unreadable);
    EXPECT_FALSE(readWorldFile(dir.path(), world, error));
    EXPECT_TRUE(error.unreadable);

    QFile big(dir.filePath(QStringLiteral("big.txt")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(1 << 20, '.'));
    big.close();
    EXPECT_FALSE(readWorldFile(big.fileName(), world, error));
    EXPECT_TRUE(error.unreadable);
    EXPECT_TRUE(error.message.contains(QLatin1String("too large")));
}

TEST(ShortestPath, KnownAnswers)
{
    EXPECT_EQ(shortestPathCells(World::startUp(10)), 10); // diagonal, corner to corner
    EXPECT_EQ(shortestPathCells(World::startUp(3)), 3);
    // The example by hand: the ants must pass the block at y 3..4 on row 5
    // (or row 2); x still grows by one each step, so 7 steps, 8 cells.
    EXPECT_EQ(shortestPathCells(World::example()), 8);
    EXPECT_EQ(shortestPathCells(worldFromRows({"HF...", ".....", ".....", ".....", "....."})), 2);
    // Diagonal steps between two obstacles are allowed, as for the ants.
    EXPECT_EQ(shortestPathCells(worldFromRows({"H#.", "#..", "..F"})), 3);
    // Round a wall through its one gap at 3,4: four steps there, four back
    // up, nine cells.
    EXPECT_EQ(shortestPathCells(worldFromRows({"H..#F", "...#.", "...#.", "...#.", "....."})), 9);
}

TEST(ShortestPath, NoPathIsZero)
{
    EXPECT_EQ(shortestPathCells(worldFromRows({"H.#..", "..#..", "..#..", "..#..", "..#.F"})), 0);
    EXPECT_EQ(shortestPathCells(worldFromRows({"H#...", "##...", ".....", ".....", "....F"})), 0);
    World onFood = World::startUp(5);
    onFood.obstacles.push_back(onFood.food);
    EXPECT_EQ(shortestPathCells(onFood), 0);
    World onHome = World::startUp(5);
    onHome.obstacles.push_back(onHome.home);
    EXPECT_EQ(shortestPathCells(onHome), 0);
}

TEST(ShortestPath, NoAntBeatsItAndTheAntsCanReachIt)
{
    for (const World &world : {World::example(), worldFromRows({"H..#F", "...#.", "...#.", "...#.", "....."})}) {
        const int optimum = shortestPathCells(world);
        int best = 0;
        for (unsigned seed = 1; seed <= 5; ++seed) {
            Colony colony(world.size, world.ants);
            world.applyTo(colony);
            colony.seedRandom(seed);
            for (int g = 0; g < 200; ++g) {
                colony.runGeneration();
                for (const AntState &ant : colony.m_ants) {
                    if (!ant.atFood)
                        continue;
                    ASSERT_GE(ant.pathLength, optimum);
                    best = best == 0 ? ant.pathLength : std::min(best, ant.pathLength);
                }
            }
        }
        EXPECT_EQ(best, optimum);
    }
}
