#include "engine_test_support.h"

#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

// Captures what a dump writes to standard output.
template <typename Dump>
std::string captured(Dump dump)
{
    std::ostringstream text;
    std::streambuf *old = std::cout.rdbuf(text.rdbuf());
    const std::streamsize precision = std::cout.precision();
    dump();
    std::cout.rdbuf(old);
    std::cout.precision(precision);
    return text.str();
}

std::unique_ptr<Colony> diagonalAnt()
{
    auto colony = colonyFromRows({
        "H..",
        "...",
        "#.F",
    });
    AntState &ant = colony->m_ants[0];
    ant.path[0][1] = 1;
    ant.path[1][1] = 1;
    ant.path[0][2] = 2;
    ant.path[1][2] = 2;
    ant.pathLength = 3;
    return colony;
}

} // namespace

TEST(Dump, AntPathListsCellsInWalkingOrder)
{
    auto colony = diagonalAnt();
    EXPECT_EQ(captured([&] { colony->printAntPath(0); }), "(0. 0)\n(1. 1)\n(2. 2)\n");
    colony->m_ants[0].pathLength = 0;
    EXPECT_EQ(captured([&] { colony->printAntPath(0); }), "");
    EXPECT_EQ(captured([&] { colony->printAntPath(7); }), "");
}

TEST(Dump, AntMapRowsRunOverXWithObstacles)
{
    // The obstacle is at x 0, y 2: the first printed row is x 0.
    auto colony = diagonalAnt();
    EXPECT_EQ(captured([&] { colony->printAntMap(0); }),
              "--Tabela de rutare\n"
              "X _ o \n"
              "_ X _ \n"
              "_ _ X \n");
    EXPECT_EQ(captured([&] { colony->printAntMap(3); }),
              "--Tabela de rutare\n"
              "_ _ o \n"
              "_ _ _ \n"
              "_ _ _ \n");
}

TEST(Dump, TablesUseWidthFiveAndTheirPrecisions)
{
    Colony colony(2, 1);
    std::cout.precision(6);
    const std::string text = captured([&] {
        colony.printTables();
        EXPECT_EQ(std::cout.precision(), 3) << "the dumps leave standard output at precision 3";
        std::cout.precision(6);
        colony.printAntPath(0);
        EXPECT_EQ(std::cout.precision(), 3);
    });
    EXPECT_EQ(text,
              "\n--Tabela de rutare:\n"
              "    1     1 \n"
              "    1 1e+02 \n"
              "--Tabela cu feromon:\n"
              "    0     0 \n"
              "    0     0 \n"
              "--Tabela euristica:\n"
              "    1     1 \n"
              "    1     1 \n"
              "(0. 0)\n");
}

TEST(Dump, AnyStreamGetsTheSameBytesAndKeepsItsFormatting)
{
    auto colony = diagonalAnt();
    colony->runGeneration();
    std::ostringstream out;
    out << std::fixed << std::setprecision(1);
    colony->printTables(out);
    colony->printAntMap(0, out);
    colony->printAntPath(0, out);
    EXPECT_EQ(out.str(), captured([&] {
                  std::cout << std::fixed << std::setprecision(1);
                  colony->printTables();
                  colony->printAntMap(0);
                  colony->printAntPath(0);
                  std::cout.unsetf(std::ios::fixed);
              }));
    EXPECT_EQ(out.precision(), 1);
    EXPECT_TRUE(out.flags() & std::ios::fixed);
}

TEST(Dump, TablesShowTheWorkedValues)
{
    std::vector<std::string> rows(10, "##########");
    rows[0] = "H..F......";
    auto colony = colonyFromRows(rows);
    colony->runGeneration();
    const std::string text = captured([&] { colony->printTables(); });
    // Four cells, four steps: heuristic 1 + 10 / 4 = 3.5, routing 1 + 2 * 1 + 3.5 = 6.5,
    // pheromone 0.9; the first value of each table's first row is the home cell.
    EXPECT_NE(text.find("--Tabela de rutare:\n  6.5 "), std::string::npos) << text;
    EXPECT_NE(text.find("--Tabela cu feromon:\n  0.9 "), std::string::npos) << text;
    EXPECT_NE(text.find("--Tabela euristica:\n  3.5 "), std::string::npos) << text;
    EXPECT_NE(text.find("1.1e+02"), std::string::npos) << text; // the food cell, 106.5
}
