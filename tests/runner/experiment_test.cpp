#include "runner_test_support.h"

#include "colony.h"
#include "experiment.h"
#include "options.h"

#include <sstream>

namespace {

std::vector<std::string> fields(const std::string &line)
{
    std::vector<std::string> out;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        out.push_back(field);
    if (!line.empty() && line.back() == ',')
        out.emplace_back();
    return out;
}

// The first eight columns of each line.
std::string firstEight(const std::string &csv)
{
    std::string out;
    std::stringstream lines(csv);
    std::string line;
    while (std::getline(lines, line)) {
        std::size_t end = 0;
        for (int field = 0; field < 8 && end != std::string::npos; ++field)
            end = line.find(',', field == 0 ? 0 : end + 1);
        out += line.substr(0, end) + '\n';
    }
    return out;
}

// The CSV of one run, its first eight columns.
std::string csvOf(const World &world, unsigned seed, int generations, int run = 1, RunResult *result = nullptr)
{
    std::string csv = csvHeader();
    Colony colony(world.size, world.ants);
    const std::string columns = settingColumns(allSettings(worldParameters(world)).front());
    const RunResult r = runExperiment(colony, world, run, seed, generations,
                                      [&](const GenerationRow &row) { appendCsvRow(csv, row, columns); });
    if (result)
        *result = r;
    return firstEight(csv);
}

RunResult result(int run, int best, int generation)
{
    RunResult r;
    r.run = run;
    r.seed = static_cast<std::uint32_t>(run);
    r.best = best;
    r.bestGeneration = generation;
    return r;
}

} // namespace

TEST(Csv, ColumnsAgreeWithEachOther)
{
    RunResult run;
    const std::string csv = csvOf(World::example(), 7, 300, 3, &run);
    std::stringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "run,seed,generation,arrivals,ants_at_food,shortest,best,mean_length");
    int generation = 0, arrivals = 0, best = 0;
    while (std::getline(lines, line)) {
        const std::vector<std::string> f = fields(line);
        ASSERT_EQ(f.size(), 8u) << line;
        EXPECT_EQ(f[0], "3");
        EXPECT_EQ(f[1], "7");
        EXPECT_EQ(std::stoi(f[2]), ++generation);
        const int atFood = std::stoi(f[4]);
        EXPECT_EQ(std::stoi(f[3]), arrivals + atFood) << "arrivals grow by the ants at the food: " << line;
        arrivals = std::stoi(f[3]);
        if (atFood == 0) {
            EXPECT_EQ(f[5] + f[7], "") << line;
            EXPECT_EQ(f[6], best == 0 ? std::string() : std::to_string(best)) << line;
            continue;
        }
        const int shortest = std::stoi(f[5]);
        const int nowBest = std::stoi(f[6]);
        EXPECT_GE(shortest, 8);
        EXPECT_EQ(nowBest, best == 0 ? shortest : std::min(best, shortest)) << line;
        best = nowBest;
        EXPECT_GE(std::stod(f[7]), shortest);
        EXPECT_EQ(f[7].size() - f[7].find('.'), 3u) << "two decimals: " << line;
    }
    EXPECT_EQ(generation, 300);
    EXPECT_EQ(run.best, best);
    // The best path is a walk of best cells from home to food.
    ASSERT_EQ(static_cast<int>(run.bestPath.size()), best);
    EXPECT_EQ(run.bestPath.front(), World::example().home);
    EXPECT_EQ(run.bestPath.back(), World::example().food);
    for (std::size_t k = 1; k < run.bestPath.size(); ++k) {
        EXPECT_LE(std::abs(run.bestPath[k].x - run.bestPath[k - 1].x), 1);
        EXPECT_LE(std::abs(run.bestPath[k].y - run.bestPath[k - 1].y), 1);
    }
}

TEST(Csv, GenerationsWithoutArrivalsLeaveTheLengthsEmpty)
{
    const World walled = worldFromRows({"H.#..", "..#..", "..#..", "..#..", "..#.F"});
    const std::string csv = csvOf(walled, 1, 3);
    EXPECT_EQ(csv.substr(csv.find('\n') + 1), "1,1,1,0,0,,,\n1,1,2,0,0,,,\n1,1,3,0,0,,,\n");
}

TEST(Csv, SameSeedSameBytesOtherSeedOtherBytes)
{
    const World world = World::startUp(10);
    EXPECT_EQ(csvOf(world, 99, 200), csvOf(world, 99, 200));
    EXPECT_NE(csvOf(world, 99, 200), csvOf(world, 100, 200));
}

TEST(Statistics, RoundingAndDeviationByHand)
{
    EXPECT_EQ(hundredths(81, 8), QStringLiteral("10.13")); // 10.125: halves go up
    EXPECT_EQ(hundredths(1, 3), QStringLiteral("0.33"));
    EXPECT_EQ(hundredths(2, 3), QStringLiteral("0.67"));
    EXPECT_EQ(hundredths(0, 4), QStringLiteral("0.00"));
    EXPECT_EQ(hundredths(20001, 2), QStringLiteral("10000.50"));

    Tally tally;
    EXPECT_EQ(tally.mean(), QStringLiteral("-"));
    tally.add(8);
    EXPECT_EQ(tally.mean(), QStringLiteral("8.00"));
    EXPECT_EQ(tally.standardDeviation(), QStringLiteral("-")) << "no sample deviation from one value";
    tally.add(8);
    tally.add(10);
    // mean 26/3; squares of the deviations 4/9 + 4/9 + 16/9 = 8/3; over n - 1:
    // 4/3; root 1.1547.
    EXPECT_EQ(tally.mean(), QStringLiteral("8.67"));
    EXPECT_EQ(tally.standardDeviation(), QStringLiteral("1.15"));
}

TEST(Statistics, AcrossRunsCountOnlyTheRunsThatGotThere)
{
    const std::vector<RunResult> results = {result(1, 8, 3), result(2, 10, 5), result(3, 8, 7), result(4, 0, 0)};
    const AcrossRuns across = summarise(results, 8);
    EXPECT_EQ(across.runs, 4);
    EXPECT_EQ(across.best.count, 3);
    EXPECT_EQ(across.best.mean(), QStringLiteral("8.67"));
    EXPECT_EQ(across.optimumGeneration.count, 2);
    EXPECT_EQ(across.optimumGeneration.mean(), QStringLiteral("5.00"));
    EXPECT_EQ(across.optimumGeneration.standardDeviation(), QStringLiteral("2.83")); // sqrt(8)

    EXPECT_EQ(summarise(results, 0).optimumGeneration.count, 0) << "no optimum, nothing reached it";
}

TEST(Summary, ReportsSeedsGapsAndAnUnreachableFood)
{
    RunConfig config;
    config.world = World::example();
    config.repeat = 4;
    config.seed = 1;
    const std::vector<RunResult> results = {result(1, 8, 3), result(2, 10, 5), result(3, 8, 7), result(4, 0, 0)};
    const QString text = summaryText(config, 8, results);
    EXPECT_TRUE(text.contains(QLatin1String("shortest possible path: 8 cells")));
    EXPECT_TRUE(text.contains(QLatin1String("   2           2    10           5     2\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("   4           4  none           -     -\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1String("mean 8.67, standard deviation 1.15 (3 of 4 runs found a path)")));
    EXPECT_TRUE(text.contains(QLatin1String("reached the shortest possible path: 2 of 4")));
    EXPECT_TRUE(text.contains(QLatin1String("sample")));
    EXPECT_TRUE(text.contains(QLatin1String("repeat this with --seed 1")));

    config.seedGiven = true;
    config.repeat = 1;
    const QString unreachable = summaryText(config, 0, {result(1, 0, 0)});
    EXPECT_TRUE(unreachable.contains(QLatin1String("none, the food cannot be reached")));
    EXPECT_FALSE(unreachable.contains(QLatin1String("--seed")));
    EXPECT_FALSE(unreachable.contains(QLatin1String("over ")));
}
