#include "process_support.h"

#include <QImage>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

// The real vormis-run, for what only a process shows: exit statuses, what
// reaches standard output and error, and what is left on disk.

TEST(Process, BadInputExitsTwoWithOneLineAndWritesNothing)
{
    QTemporaryDir dir;
    QFile world(dir.filePath(QStringLiteral("world.txt")));
    ASSERT_TRUE(world.open(QIODevice::WriteOnly));
    world.write("H...\n.#..\n..x.\n...F\n");
    world.close();
    QFile kept(dir.filePath(QStringLiteral("kept.csv")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("old\n");
    kept.close();

    const std::pair<QStringList, const char *> cases[] = {
        {{"--frobnicate"}, "vormis-run: unknown option --frobnicate"},
        {{"--size", "abc"}, "vormis-run: --size abc: expected a whole number from 3 to 100"},
        {{"--ro", "2"}, "vormis-run: --ro 2: expected a number from 0 to 1"},
        {{"--food", "12,3"}, "vormis-run: --food 12,3: outside the 10x10 grid"},
        {{"--example", "--food", "2,3"}, "vormis-run: --food 2,3: on an obstacle"},
        {{"--world", "world.txt"}, "vormis-run: world.txt:3:3: unexpected character 'x' (expected . # H F)"},
        {{"--png", "no/such/folder/w.png"}, "vormis-run: --png no/such/folder/w.png: No such file or directory"},
        {{"--csv", "out.csv", "--chart", "./out.csv"}, "vormis-run: --chart ./out.csv: the same file as --csv"},
        {{"--csv", "kept.csv", "--png", "."}, "vormis-run: --png .: Is a directory"},
        {{"--ro", "0.3:0.1:0.05"}, "vormis-run: --ro 0.3:0.1:0.05: an empty range"},
        {{"--alpha", "0:4:0"}, "vormis-run: --alpha 0:4:0: a step of 0"},
        {{"--beta", "1,,2"}, "vormis-run: --beta 1,,2: an empty value in the list"},
        {{"--seed", "1", "--shard", "3/2"}, "vormis-run: --shard 3/2: expected K/N with 1 <= K <= N"},
        {{"--jobs", "0"}, "vormis-run: --jobs 0: expected a whole number from 1"},
        {{"--rule", "aco"}, "vormis-run: --rule aco: expected vormis, as, acs, mmas, eas, ras or bwas"},
        {{"--alpha", "0,1", "--chart-x", "gamma"}, "vormis-run: --chart-x gamma: expected rule, alpha, beta, ro,"},
        {{"--alpha", "0,1", "--chart-y", "worst"}, "vormis-run: --chart-y worst: expected best, late, first or"},
        {{"--alpha", "0,1", "--chart-x", "beta"}, "vormis-run: --chart-x beta: not swept"},
        {{"--chart-y", "late"}, "vormis-run: --chart-y late: only for the chart of a sweep"},
        {{"--alpha", "0:100:1", "--beta", "0:99:1"}, "vormis-run: the sweep has 10100 settings; at most 10000"},
        {{"--alpha", "0:100:1", "--ro", "0:0.9:0.1", "--repeat", "1000"}, "vormis-run: the sweep has 1010 settings x"},
        {{"--rule", "acs", "--alpha", "0:100:1", "--beta", "0:100:1", "--ro", "0:0.9999:0.0001", "--ants", "1:1000:1",
          "--q0", "0:0.9999:0.0001", "--xi", "0:0.9999:0.0001"},
         "vormis-run: the sweep has over 10^18 settings; at most 10000"},
        {{"--ro", "0.5\n"}, "vormis-run: --ro 0.5\\x0a: expected a number from 0 to 1"},
    };
    for (const auto &[arguments, expected] : cases) {
        QStringList all = arguments;
        all << "--csv" << "kept.csv" << "--chart" << "chart.png";
        if (arguments.contains(QStringLiteral("--csv")) || arguments.contains(QStringLiteral("--chart")))
            all = arguments;
        const Ran ran = run(all, dir.path());
        EXPECT_EQ(ran.status, 2) << all.join(' ').toStdString();
        EXPECT_TRUE(ran.err.startsWith(expected)) << ran.err.toStdString();
        EXPECT_EQ(ran.err.count('\n'), 1) << ran.err.toStdString();
        EXPECT_TRUE(ran.out.isEmpty()) << ran.out.toStdString();
        EXPECT_EQ(filesIn(dir.path()), QStringList({"kept.csv", "world.txt"})) << all.join(' ').toStdString();
        EXPECT_EQ(contents(kept.fileName()), "old\n");
    }
}

TEST(Process, WritesTheFilesItWasAskedFor)
{
    QTemporaryDir dir;
    const Ran ran = run({"--example", "--seed", "3", "--generations", "40", "--repeat", "2", "--csv", "runs.csv",
                         "--png", "world.png", "--chart", "chart.png"},
                        dir.path());
    ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    EXPECT_TRUE(ran.err.isEmpty()) << ran.err.toStdString();
    EXPECT_TRUE(ran.out.startsWith("world: 8x8, 4 ants, home 0,4, food 7,4, 20 obstacles")) << ran.out.toStdString();
    EXPECT_EQ(filesIn(dir.path()), QStringList({"chart.png", "runs.csv", "world.png"}));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("world.png"))).size(), QSize(610, 610));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("chart.png"))).size(), QSize(900, 500));
    const QByteArray csv = contents(dir.filePath(QStringLiteral("runs.csv")));
    EXPECT_EQ(csv.count('\n'), 1 + 2 * 40);
    EXPECT_TRUE(csv.contains("\n2,4,40,")) << "run 2 has seed 4";
}

TEST(Process, SameSeedSameOutputOtherSeedOtherOutput)
{
    QTemporaryDir dir;
    const auto once = [&](const char *seed, const char *csv) {
        return run({"--size", "12", "--ants", "6", "--seed", seed, "--generations", "150", "--repeat", "3", "--csv",
                    csv},
                   dir.path());
    };
    const Ran a = once("77", "a.csv");
    const Ran b = once("77", "b.csv");
    const Ran c = once("78", "c.csv");
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(contents(dir.filePath("a.csv")), contents(dir.filePath("b.csv")));
    EXPECT_NE(contents(dir.filePath("a.csv")), contents(dir.filePath("c.csv")));
    EXPECT_NE(a.out, c.out);
}

TEST(Process, ASeedFromTheClockIsReportedAndRepeatsTheRun)
{
    const Ran first = run({"--generations", "50"});
    ASSERT_EQ(first.status, 0);
    const qsizetype at = first.out.indexOf("--seed ");
    ASSERT_GE(at, 0) << first.out.toStdString();
    const QByteArray seed = first.out.mid(at + 7, first.out.indexOf('\n', at) - at - 7);
    const Ran again = run({"--generations", "50", "--seed", QString::fromLatin1(seed)});
    ASSERT_EQ(again.status, 0);
    const QByteArray table = first.out.mid(first.out.indexOf("\n run "));
    EXPECT_EQ(again.out.mid(again.out.indexOf("\n run ")), table);
}

TEST(Process, CsvOnStandardOutputMovesTheSummaryAside)
{
    const Ran ran = run({"--seed", "1", "--generations", "5", "--csv", "-"});
    ASSERT_EQ(ran.status, 0);
    EXPECT_TRUE(ran.out.startsWith("run,seed,generation,"));
    EXPECT_EQ(ran.out.count('\n'), 6);
    EXPECT_TRUE(ran.err.contains("shortest possible path: 10 cells"));
}

TEST(Process, DumpsFollowTheSummary)
{
    const Ran ran = run({"--example", "--seed", "2", "--generations", "20", "--dump", "path", "--ant", "3"});
    ASSERT_EQ(ran.status, 0);
    const qsizetype table = ran.out.indexOf("\n run ");
    const qsizetype dump = ran.out.indexOf("(0. 4)\n");
    EXPECT_GT(table, 0);
    EXPECT_GT(dump, table) << ran.out.toStdString();
}

TEST(Process, AFailedWriteIsAFailure)
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full here";
    const Ran summary = run({"--seed", "1", "--generations", "5"}, QString(), QStringLiteral("/dev/full"));
    EXPECT_EQ(summary.status, 1);
    EXPECT_TRUE(summary.err.contains("cannot write to standard output")) << summary.err.toStdString();
    const Ran csv = run({"--seed", "1", "--generations", "5", "--csv", "-"}, QString(), QStringLiteral("/dev/full"));
    EXPECT_EQ(csv.status, 1);

    // A full device as an output: one line with the reason, the summary of
    // the runs all the same, and the device still a device.
    const QByteArray reason = std::strerror(ENOSPC);
    for (const char *option : {"--csv", "--png", "--chart"}) {
        const Ran full = run({"--seed", "1", "--generations", "5", option, "/dev/full"});
        EXPECT_EQ(full.status, 1) << option;
        EXPECT_EQ(full.err, "vormis-run: " + QByteArray(option) + " /dev/full: " + reason + "\n");
        EXPECT_TRUE(full.out.contains("shortest possible path: 10 cells")) << option;
    }
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/full")).isFile() == false);
    const Ran null = run({"--seed", "1", "--generations", "5", "--csv", "/dev/null", "--png", "/dev/null"});
    EXPECT_EQ(null.status, 0) << null.err.toStdString();
}

TEST(Process, HelpAndVersion)
{
    const Ran help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--world <FILE>"));
    const Ran version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QByteArray("vormis-run " VORMIS_VERSION "\n"));
}

// Through a link, /dev/fd/N or another path, an output is never an input or
// another output: nothing runs and every file stays as it was.
TEST(Process, AnOutputIsNeverAnInputOrAnotherOutput)
{
    QTemporaryDir dir;
    writeFile(dir, "keep.csv", "old\n");
    writeFile(dir, "w.txt", "H..\n...\n..F\n");
    ASSERT_TRUE(QFile::link("keep.csv", dir.filePath("link.csv")));
    for (const char *shard : {"1/2", "2/2"})
        ASSERT_EQ(run({"--seed", "1", "--ro", "0.1,0.2", "--generations", "5", "--shard", shard, "--csv",
                       QStringLiteral("s%1.csv").arg(shard[0])},
                      dir.path())
                      .status,
                  0);
    const std::pair<QStringList, const char *> cases[] = {
        {{"--seed", "1", "--csv", "keep.csv", "--summary-csv", "link.csv"}, "--summary-csv link.csv: the same file as --csv"},
        {{"--world", "w.txt", "--csv", "./w.txt"}, "--csv ./w.txt: the same file as --world"},
        {{"--merge", "s1.csv", "s2.csv", "--chart", "s2.csv"}, "--chart s2.csv: the same file as --merge s2.csv"},
    };
    QStringList before;
    for (const QString &file : filesIn(dir.path()))
        before << file + ':' + QString::fromUtf8(contents(dir.filePath(file)));
    for (const auto &[arguments, expected] : cases) {
        const Ran ran = run(arguments, dir.path());
        EXPECT_EQ(ran.status, 2);
        EXPECT_EQ(ran.err, "vormis-run: " + QByteArray(expected) + "\n");
        QStringList after;
        for (const QString &file : filesIn(dir.path()))
            after << file + ':' + QString::fromUtf8(contents(dir.filePath(file)));
        EXPECT_EQ(after, before) << expected;
    }
}
