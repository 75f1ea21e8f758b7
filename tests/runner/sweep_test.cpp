#include "runner_test_support.h"

#include "bootstrap.h"
#include "experiment.h"
#include "runpool.h"
#include "sweep.h"

#include <chrono>

namespace {

const ValueKind kFraction{false, 0, 1};
const ValueKind kAlpha{true, 0, 100};

QStringList values(const QString &text, const ValueKind &kind)
{
    QStringList out;
    QString why;
    EXPECT_TRUE(readValues(text, kind, out, why)) << text.toStdString() << ": " << why.toStdString();
    return out;
}

RunResult result(int best, int generation, long long lateSum = 0, long long lateArrivals = 0)
{
    RunResult r;
    r.best = best;
    r.bestGeneration = generation;
    r.lateLengthSum = lateSum;
    r.lateArrivals = lateArrivals;
    return r;
}

} // namespace

TEST(SweepValues, RangesAreDecimalExactAndPrintedShortest)
{
    const QStringList ro = values("0.05:0.3:0.05", kFraction);
    EXPECT_EQ(ro, QStringList({"0.05", "0.1", "0.15", "0.2", "0.25", "0.3"}));
    // Each value is the double a plain --ro of that text gives; adding the
    // step as a double would end on 0.30000000000000004.
    EXPECT_EQ(ro.back().toDouble(), 0.3);
    EXPECT_EQ(values("0.1:0.3:0.1", kFraction), QStringList({"0.1", "0.2", "0.3"})) << "0.1 + 0.1 + 0.1 > 0.3";
    EXPECT_EQ(values("0:1:0.3", kFraction), QStringList({"0", "0.3", "0.6", "0.9"})) << "up to TO, not past it";
    EXPECT_EQ(values("0.250:.5:25e-2", kFraction), QStringList({"0.25", "0.5"}));
    EXPECT_EQ(values("1:10:3", kAlpha), QStringList({"1", "4", "7", "10"}));
    EXPECT_EQ(values("0.5,1e-1,0", kFraction), QStringList({"0.5", "0.1", "0"})) << "lists keep their order";
    EXPECT_EQ(values("007", kAlpha), QStringList({"7"}));
    EXPECT_EQ(values("1e-18", kFraction), QStringList({"0.000000000000000001"})) << "the finest place there is";
}

TEST(SweepValues, FaultsSayWhat)
{
    const std::tuple<QString, ValueKind, const char *> cases[] = {
        {"0.3:0.05:0.05", kFraction, "an empty range"},
        {"0:1:0", kFraction, "a step of 0"},
        {"1:5:0", kAlpha, "a step of 0"},
        {"1,,2", kAlpha, "an empty value in the list"},
        {"1,2,", kAlpha, "an empty value in the list"},
        {"0.1,0.10", kFraction, "0.1 is given twice"},
        {"0:2:0.5", kFraction, "TO 2: expected a number from 0 to 1"},
        {"0:1", kFraction, "expected a value, a list A,B,... or a range FROM:TO:STEP"},
        {"0:1:0.00001", kFraction, "100001 values; a sweep has at most 10000 settings"},
        {"1.5", kAlpha, "expected a whole number from 0 to 100"},
        {"-0.1", kFraction, "expected a number from 0 to 1"},
        {"0.1234567890123456", kFraction, "at most 15 significant digits"},
        {"1e-19", kFraction, "at most 18 decimal places"},
        {"1,x", kAlpha, "expected a whole number from 0 to 100 in the list, not x"},
    };
    for (const auto &[text, kind, expected] : cases) {
        QStringList out;
        QString why;
        EXPECT_FALSE(readValues(text, kind, out, why)) << text.toStdString();
        EXPECT_TRUE(why.contains(QLatin1String(expected))) << text.toStdString() << " gave: " << why.toStdString();
    }
    QStringList rules;
    QString why;
    EXPECT_TRUE(readRules("acs,vormis", rules, why));
    EXPECT_EQ(rules, QStringList({"acs", "vormis"}));
    EXPECT_FALSE(readRules("as,aco", rules, why));
    EXPECT_TRUE(why.contains(QLatin1String("aco is not a rule")));
}

TEST(SweepSettings, ProductInColumnOrderWithEachRulesOwnParametersForItAlone)
{
    ParameterValues parameters = worldParameters(World());
    parameters[0] = QStringList({"as", "acs", "eas"});
    parameters[1] = QStringList({"1", "2"});
    parameters[5] = QStringList({"0.5", "0.9"});
    parameters[7] = QStringList({"0", "8"});
    parameters[9] = QStringList({"10", "20"});
    const std::vector<Setting> settings = allSettings(parameters);
    EXPECT_EQ(settingCount(parameters), 10);
    ASSERT_EQ(settings.size(), 10u);
    std::vector<std::string> columns;
    for (const Setting &setting : settings)
        columns.push_back(settingColumns(setting));
    EXPECT_EQ(columns, std::vector<std::string>({",as,1,1,0.1,5,,,,,", ",as,2,1,0.1,5,,,,,",
                                                 ",acs,1,1,0.1,5,0.5,0.1,,,", ",acs,1,1,0.1,5,0.9,0.1,,,",
                                                 ",acs,2,1,0.1,5,0.5,0.1,,,", ",acs,2,1,0.1,5,0.9,0.1,,,",
                                                 ",eas,1,1,0.1,5,,,0,,", ",eas,1,1,0.1,5,,,8,,",
                                                 ",eas,2,1,0.1,5,,,0,,", ",eas,2,1,0.1,5,,,8,,"}));
    const World world = settingWorld(World::example(), settings[3]);
    EXPECT_EQ(world.rule, Rule::AntColonySystem);
    EXPECT_EQ(world.alpha, 1);
    EXPECT_EQ(world.q0, 0.9);
    EXPECT_EQ(world.obstacles.size(), 20u) << "the rest of the world stays";
    EXPECT_EQ(settingWorld(World(), settings[7]).elite, 8);
}

TEST(Statistics, IntervalMedianAndLateMeanByHand)
{
    // t quantiles: 12.706 (1), 2.776 (4), 2.228 (10), 2.201 (11), 2.042 (30),
    // 1.984 (100), 1.962 (1000), to three decimals.
    const std::pair<int, double> quantiles[] = {{1, 12.706}, {4, 2.776}, {10, 2.228}, {11, 2.201},
                                                {30, 2.042}, {100, 1.984}, {1000, 1.962}};
    for (const auto &[df, t] : quantiles)
        EXPECT_NEAR(studentT975(df), t, 0.0005) << df;

    // Best lengths 10, 12, 14, 20: mean 14, sample sd sqrt(56 / 3) = 4.3205,
    // half width 3.1824 * 4.3205 / 2 = 6.8748.  Optimum 10, reached by the
    // first run in generation 7.  Late: (100 + 50) / (9 + 4) = 11.538.
    const std::vector<RunResult> runs = {result(10, 7, 100, 9), result(12, 5, 50, 4), result(14, 3),
                                         result(20, 9), result(0, 0)};
    const AcrossRuns across = summarise(runs, 10);
    EXPECT_EQ(across.runs, 5);
    EXPECT_EQ(across.best.count, 4);
    EXPECT_EQ(across.intervalLow(), QStringLiteral("7.13"));
    EXPECT_EQ(across.intervalHigh(), QStringLiteral("20.87"));
    EXPECT_EQ(across.minBest, 10);
    EXPECT_EQ(across.maxBest, 20);
    EXPECT_EQ(across.gap(10), QStringLiteral("4.00"));
    EXPECT_EQ(across.medianOptimumGeneration, QStringLiteral("7.00"));
    EXPECT_EQ(across.lateMeanLength(), QStringLiteral("11.54"));

    // Median of an even count: the middle two halved.
    const AcrossRuns even = summarise({result(8, 5), result(8, 9), result(8, 3), result(8, 8)}, 8);
    EXPECT_EQ(even.medianOptimumGeneration, QStringLiteral("6.50"));
    EXPECT_EQ(even.intervalLow(), QStringLiteral("8.00")) << "no spread, no width";
    const AcrossRuns one = summarise({result(9, 2)}, 8);
    EXPECT_EQ(one.intervalLow(), QStringLiteral("-"));
    EXPECT_EQ(one.medianOptimumGeneration, QStringLiteral("-"));
    EXPECT_EQ(one.lateMeanLength(), QStringLiteral("-"));
    EXPECT_EQ(lateGenerations(200), 20);
    EXPECT_EQ(lateGenerations(9), 1);
}

TEST(Statistics, BootstrapIntervalOfAHandMadeSample)
{
    // Nineteen runs at 8 and one at 9, where Student's t reaches 7.96.  A
    // resample without the 9 (36% of them, 0.95^20) has mean 8; one with at
    // most three 9s (98.4%, but 92.5% with at most two) has at most 8.15.
    std::vector<RunShare> lengths(19, RunShare{8, 1});
    lengths.push_back({9, 1});
    const std::optional<Interval> interval = bootstrapInterval95(lengths);
    ASSERT_TRUE(interval);
    EXPECT_EQ(interval->low, 8.0);
    EXPECT_EQ(interval->high, 8.15);
    EXPECT_EQ(pooledMean(lengths), 8.05);
    const std::optional<Interval> again = bootstrapInterval95(lengths);
    EXPECT_TRUE(again->low == interval->low && again->high == interval->high) << "a fixed generator";

    // Late paths of 10 and 11 cells, pooled by arrivals; a run without any
    // has no share.
    const std::vector<RunShare> late = {{30, 3}, {0, 0}, {110, 10}, {20, 2}};
    EXPECT_EQ(pooledMean(late), 160.0 / 15);
    const Interval pooled = *bootstrapInterval95(late);
    EXPECT_GE(pooled.low, 10.0);
    EXPECT_LE(pooled.high, 11.0);
    EXPECT_LT(pooled.low, pooled.high);
    EXPECT_FALSE(bootstrapInterval95({{4, 0}}));
    EXPECT_FALSE(pooledMean({}));
}

// Pieces that finish in scrambled order still come out in order, each
// piece's text whole and before its outcome, with one thread or several.
TEST(RunPool, HandsOverInOrderWhateverFinishesFirst)
{
    // With 4 bytes a waiting piece keeps its text on disk.
    for (const auto &[threads, waitingBytes] : {std::pair{1, 1 << 20}, std::pair{3, 1 << 20}, std::pair{3, 4}}) {
        RunPool<int> pool(12, threads, 4, [](std::size_t piece, const RunPool<int>::Emit &handOver) {
            std::this_thread::sleep_for(std::chrono::milliseconds((piece * 7) % 5));
            std::string text = std::to_string(piece) + "a ";
            handOver(text);
            std::this_thread::sleep_for(std::chrono::milliseconds((piece * 3) % 4));
            text = std::to_string(piece) + "b ";
            handOver(text);
            return static_cast<int>(piece) * 10;
        }, static_cast<std::size_t>(waitingBytes));
        std::string all, text;
        std::vector<int> outcomes;
        int outcome = -1;
        for (;;) {
            const auto event = pool.next(text, outcome, std::chrono::milliseconds(50));
            if (event == RunPool<int>::Event::Done)
                break;
            all += text;
            if (event == RunPool<int>::Event::Finished)
                outcomes.push_back(outcome);
        }
        std::string expected;
        for (int piece = 0; piece < 12; ++piece)
            expected += std::to_string(piece) + "a " + std::to_string(piece) + "b ";
        EXPECT_EQ(all, expected) << threads << " threads";
        EXPECT_EQ(outcomes, std::vector<int>({0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}));
    }
}
