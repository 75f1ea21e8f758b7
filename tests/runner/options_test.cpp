#include "runner_test_support.h"

#include <QTemporaryDir>

namespace {

RunConfig parsed(const QStringList &arguments)
{
    RunConfig config;
    QString message;
    EXPECT_EQ(parse(arguments, config, message), ParseOutcome::Run) << message.toStdString();
    return config;
}

QString rejected(const QStringList &arguments)
{
    RunConfig config;
    QString message;
    EXPECT_EQ(parse(arguments, config, message), ParseOutcome::Error) << arguments.join(' ').toStdString();
    return message;
}

} // namespace

TEST(Options, DefaultsAreTheStartUpWorld)
{
    const RunConfig config = parsed({});
    EXPECT_EQ(config.world.size, 10);
    EXPECT_EQ(config.world.ants, 5);
    EXPECT_EQ(config.world.food, (Cell{9, 9}));
    EXPECT_EQ(config.generations, 100);
    EXPECT_EQ(config.repeat, 1);
    EXPECT_FALSE(config.seedGiven);
    EXPECT_EQ(config.dump, Dump::None);

    const RunConfig small = parsed({"--size", "5", "--seed", "4294967295"});
    EXPECT_EQ(small.world.food, (Cell{4, 4})) << "the food follows the size";
    EXPECT_TRUE(small.seedGiven);
    EXPECT_EQ(small.seed, 4294967295u);
}

TEST(Options, ExplicitOptionsOverrideTheWorldWhateverTheirOrder)
{
    for (const QStringList &arguments : {QStringList{"--example", "--ants", "9", "--ro", "0.5", "--obstacle", "0,0"},
                                         QStringList{"--ro", "0.5", "--obstacle", "0,0", "--ants", "9", "--example"}}) {
        const RunConfig config = parsed(arguments);
        EXPECT_EQ(config.world.size, 8);
        EXPECT_EQ(config.world.ants, 9);
        EXPECT_EQ(config.world.ro, 0.5);
        EXPECT_EQ(config.world.beta, 2);
        EXPECT_EQ(config.world.obstacles.size(), 21u);
        EXPECT_TRUE(config.world.isObstacle({0, 0}));
    }

    QTemporaryDir dir;
    const QString file = writeFile(dir, "w.txt", "H.#\n...\n..F\n");
    const RunConfig config = parsed({"--food", "1,2", "--world", file, "--home", "2,2", "--obstacle", "2,0", "--size", "3"});
    EXPECT_EQ(config.world.home, (Cell{2, 2}));
    EXPECT_EQ(config.world.food, (Cell{1, 2}));
    EXPECT_EQ(config.world.obstacles.size(), 1u) << "an obstacle given twice is one obstacle";
}

TEST(Options, DumpAndOutputs)
{
    const RunConfig config = parsed({"--dump", "map", "--ant", "4", "--csv", "runs.csv", "--png", "w.png"});
    EXPECT_EQ(config.dump, Dump::Map);
    EXPECT_EQ(config.dumpAnt, 4);
    EXPECT_FALSE(config.csvToStandardOutput());
    EXPECT_EQ(config.pngPath, QStringLiteral("w.png"));
    EXPECT_TRUE(parsed({"--csv", "-"}).csvToStandardOutput());
    EXPECT_EQ(parsed({"--dump", "tables"}).dump, Dump::Tables);
    EXPECT_EQ(parsed({"--dump", "path"}).dump, Dump::Path);
}

TEST(Options, ParametersMakeTheSettings)
{
    const RunConfig plain = parsed({"--example", "--rule", "acs", "--q0", "0.5"});
    ASSERT_EQ(plain.settings.size(), 1u);
    EXPECT_EQ(plain.world.rule, Rule::AntColonySystem);
    EXPECT_EQ(plain.world.q0, 0.5);
    EXPECT_EQ(settingColumns(plain.settings[0]), ",acs,0,2,0.2,4,0.5,0.1,,,") << "the example's own values";

    const RunConfig sweep = parsed({"--ro", "0.1,0.5", "--ants", "2:4:1", "--repeat", "3", "--jobs", "2"});
    EXPECT_EQ(sweep.settings.size(), 6u);
    EXPECT_EQ(sweep.runCount(), 18);
    EXPECT_EQ(sweep.jobs, 2);
    EXPECT_EQ(settingColumns(sweep.settings[1]), ",vormis,2,1,0.1,3,,,,,") << "ants varies faster than ro";
    EXPECT_EQ(parsed({"--seed", "1", "--shard", "2/5"}).shard, 2);
}

TEST(Options, TheChartsAxisIsTheSweptParameterWithTheMostValues)
{
    const auto axisOf = [](QStringList arguments) {
        Parameter axis = Parameter::Xi;
        QString message;
        EXPECT_TRUE(chartAxis(parsed(arguments << "--chart" << "c.png"), axis, message)) << message.toStdString();
        return axis;
    };
    EXPECT_EQ(axisOf({"--rule", "vormis,as", "--alpha", "0:2:1"}), Parameter::Alpha);
    EXPECT_EQ(axisOf({"--beta", "0,1", "--ants", "1,2"}), Parameter::Beta) << "on a tie, the first";
    EXPECT_EQ(axisOf({"--rule", "vormis,acs", "--q0", "0.1:0.9:0.1"}), Parameter::Rule) << "q0 is acs's alone";
    EXPECT_EQ(axisOf({"--rule", "vormis,as", "--alpha", "0:2:1", "--chart-x", "rule"}), Parameter::Rule);
}

TEST(Options, HelpAndVersion)
{
    RunConfig config;
    QString message;
    EXPECT_EQ(parse({"--help"}, config, message), ParseOutcome::Help);
    EXPECT_EQ(parse({"--help-all"}, config, message), ParseOutcome::Help); // not a run
    EXPECT_TRUE(message.contains(QLatin1String("--generations <G>")));
    EXPECT_EQ(parse({"--version"}, config, message), ParseOutcome::Version);
}

TEST(Options, FaultsNameTheOptionTheValueAndWhatIsAccepted)
{
    QTemporaryDir dir;
    const QString bad = writeFile(dir, "bad.txt", "H..\n.x.\n..F\n");
    const QString world = writeFile(dir, "w.txt", "H#.\n...\n..F\n");
    const std::pair<QStringList, const char *> cases[] = {
        {{"--size", "2"}, "--size 2: expected a whole number from 3 to 100"},
        {{"--size", "ten"}, "--size ten: expected a whole number"},
        {{"--size", "+5"}, "--size +5: expected a whole number"},
        {{"--size", "99999999999999999999"}, "--size 99999999999999999999: expected"},
        {{"--ants", "0"}, "--ants 0: expected a whole number from 1 to 1000"},
        {{"--alpha", "101"}, "--alpha 101: expected a whole number from 0 to 100"},
        {{"--ro", "1.01"}, "--ro 1.01: expected a number from 0 to 1"},
        {{"--ro", "0,5"}, "--ro 0,5: expected a number"},
        {{"--generations", "1000001"}, "--generations 1000001: expected a whole number from 1 to 1000000"},
        {{"--seed", "4294967296"}, "--seed 4294967296: expected a whole number from 0 to 4294967295"},
        {{"--repeat", "1001"}, "--repeat 1001: expected a whole number from 1 to 1000"},
        {{"--home", "10,0"}, "--home 10,0: outside the 10x10 grid"},
        {{"--food", "1,2,3"}, "--food 1,2,3: expected X,Y"},
        {{"--obstacle", "-1,0"}, "--obstacle -1,0: outside the 10x10 grid"},
        {{"--obstacle", "0,0"}, "--obstacle 0,0: on the home cell"},
        {{"--home", "9,9"}, "--home 9,9: the same cell as food"},
        {{"--example", "--home", "1,1"}, "--home 1,1: on an obstacle"},
        {{"--world", world, "--food", "1,0"}, "--food 1,0: on an obstacle"},
        {{"--example", "--size", "10"}, "--size 10: the example world is 8x8"},
        {{"--world", world, "--size", "4"}, "--size 4: the world file is 3x3"},
        {{"--example", "--world", world}, "--example and --world"},
        {{"--world", bad}, ":2:2: unexpected character 'x' (expected . # H F)"},
        {{"--size", "5", "--size", "5"}, "--size: given more than once"},
        {{"--dump", "all"}, "--dump all: expected tables, map or path"},
        {{"--dump", "path", "--csv", "-"}, "--dump path: cannot share standard output with --csv -"},
        {{"--ant", "1"}, "--ant 1: only used with --dump map or path"},
        {{"--dump", "path", "--ant", "5"}, "--ant 5: expected a whole number from 0 to 4 (the colony has 5 ants)"},
        {{"--png", "-"}, "--png -: pictures go to a file"},
        {{"--csv", ""}, "--csv '': expected a file name"},
        {{"--colour", "red"}, "unknown option --colour"},
        {{"--size"}, "missing value after '--size'"},
        {{"stray"}, "unexpected argument 'stray'"},
        {{"--size", "--ants", "3"}, "--size --ants: expected a whole number"},
        {{"--q0", "0.5"}, "--q0 0.5: only used with --rule acs"},
        {{"--rule", "as,mmas", "--xi", "0.2"}, "--xi 0.2: only used with --rule acs"},
        {{"--rule", "acs", "--q0", "1.5"}, "--q0 1.5: expected a number from 0 to 1"},
        {{"--rule", "as,acs", "--elite", "3"}, "--elite 3: only used with --rule eas"},
        {{"--rule", "ras", "--rank", "0"}, "--rank 0: expected a whole number from 1 to 1000"},
        {{"--rule", "mmas", "--restart", "-1"}, "--restart -1: expected a whole number from 0 to 1000000"},
        {{"--rule", "acs", "--alpha", "0:100:1", "--beta", "0:100:1", "--ants", "1:1000:1", "--ro", "0.0001:1:0.0001",
          "--q0", "0.0001:1:0.0001", "--xi", "0.0001:1:0.0001"},
         "the sweep has over 10^18 settings; at most 10000"},
        {{"--shard", "1/2"}, "--shard 1/2: needs --seed"},
        {{"--ants", "3,9", "--dump", "map", "--ant", "3"},
         "--ant 3: expected a whole number from 0 to 2 (the smallest"},
        {{"--merge", "a.csv", "--seed", "1"}, "--seed: not with --merge"},
    };
    for (const auto &[arguments, expected] : cases) {
        const QString message = rejected(arguments);
        EXPECT_TRUE(message.contains(QString::fromUtf8(expected)))
            << arguments.join(' ').toStdString() << " gave: " << message.toStdString();
        EXPECT_FALSE(message.contains(QLatin1Char('\n'))) << message.toStdString();
    }
}
