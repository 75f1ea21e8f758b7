#include "runner_test_support.h"

#include "windowoptions.h"

TEST(WindowOptions, TheWindowsLimitsAndTheRunnersWords)
{
    const auto window = [](QStringList arguments, WindowStart &start, QString &message) {
        arguments.prepend(QStringLiteral("vormis"));
        return parseWindowCommandLine(arguments, windowProfile(), start, message);
    };
    WindowStart start;
    QString message;
    ASSERT_EQ(window({}, start, message), ParseOutcome::Run);
    EXPECT_FALSE(start.given) << "no options: the window starts as it always has";

    QTemporaryDir dir;
    const QString maze = writeFile(dir, QStringLiteral("maze.txt"), "H..\n.#.\n..F\n");
    ASSERT_EQ(window({"--world", maze, "--rule", "as", "--alpha", "10", "--seed", "7"}, start, message),
              ParseOutcome::Run)
        << message.toStdString();
    EXPECT_TRUE(start.given);
    EXPECT_EQ(start.world.size, 3);
    EXPECT_EQ(start.world.rule, Rule::AntSystem);
    EXPECT_EQ(start.world.alpha, 10);
    EXPECT_EQ(start.worldFile, maze);
    EXPECT_EQ(start.seed, 7u);

    // Beyond the dialog's limits: the window's limit and vormis-run's.
    const std::pair<QStringList, const char *> beyond[] = {
        {{"--size", "31"}, "--size 31: the window shows 3 to 30 cells a side; vormis-run takes larger worlds"},
        {{"--size", "150"}, "--size 150: the window shows 3 to 30 cells a side; vormis-run takes larger worlds"},
        {{"--ants", "31"}, "--ants 31: the window shows 1 to 30 ants; vormis-run takes up to 1000"},
        {{"--beta", "11"}, "--beta 11: the window takes 0 to 10; vormis-run takes up to 100"},
        {{"--ro", "1"}, "--ro 1: the window takes 0 to 0.99; vormis-run takes up to 1"},
        {{"--alpha", "0,1"}, "--alpha 0,1: the window runs one value at a time; vormis-run sweeps"},
        {{"--world", writeFile(dir, QStringLiteral("big.txt"), "H" + QByteArray(30, '.') + "\n"
                                                                   + (QByteArray(31, '.') + "\n").repeated(29)
                                                                   + QByteArray(30, '.') + "F\n")},
         "the window shows 3 to 30 cells a side, vormis-run takes larger worlds"},
    };
    for (const auto &[arguments, expected] : beyond) {
        EXPECT_EQ(window(arguments, start, message), ParseOutcome::Error);
        EXPECT_TRUE(message.endsWith(QLatin1String(expected))) << message.toStdString();
    }
    // Values that are no values at all, and runner's options: vormis-run's words.
    for (const QStringList &arguments : {QStringList{"--size", "x"}, QStringList{"--home", "9,9"},
                                         QStringList{"--rule", "ants"}}) {
        RunConfig config;
        QString runner;
        parse(arguments, config, runner);
        EXPECT_EQ(window(arguments, start, message), ParseOutcome::Error);
        EXPECT_EQ(message, runner);
    }
    EXPECT_EQ(window({"--csv", "x.csv"}, start, message), ParseOutcome::Error);
    EXPECT_TRUE(start.unknownOption);
}
