#include "process_support.h"

#include <QSet>
#include <QTemporaryDir>

// Sweeps through the real vormis-run: the outputs must not depend on the
// threads, on sharding, or on being one setting among others.

namespace {

const QStringList kSweep = {"--example", "--alpha", "0,1", "--ro", "0.1:0.3:0.1", "--seed",
                            "7",         "--generations", "60", "--repeat", "3"};

// Every output of a sweep in the folder, under names that start with prefix.
struct Outputs
{
    QByteArray summary, csv, summaryCsv, chart;
};

Outputs outputsOf(const Ran &ran, const QTemporaryDir &dir, const QString &prefix)
{
    EXPECT_EQ(ran.status, 0) << ran.err.toStdString();
    return {ran.out, contents(dir.filePath(prefix + ".csv")), contents(dir.filePath(prefix + "-summary.csv")),
            contents(dir.filePath(prefix + ".png"))};
}

QStringList outputOptions(const QString &prefix)
{
    return {"--csv", prefix + ".csv", "--summary-csv", prefix + "-summary.csv", "--chart", prefix + ".png"};
}

void expectSame(const Outputs &a, const Outputs &b, const std::string &what)
{
    EXPECT_EQ(a.summary, b.summary) << what;
    EXPECT_EQ(a.csv, b.csv) << what;
    EXPECT_EQ(a.summaryCsv, b.summaryCsv) << what;
    EXPECT_EQ(a.chart, b.chart) << what;
}

// The CSV's lines without the run column (and without the header).
QList<QByteArray> rowsWithoutRun(const QByteArray &csv, const QByteArray &run = QByteArray())
{
    QList<QByteArray> rows;
    for (const QByteArray &line : csv.split('\n').mid(1)) {
        const qsizetype comma = line.indexOf(',');
        if (comma > 0 && (run.isEmpty() || line.left(comma) == run))
            rows << line.mid(comma);
    }
    return rows;
}

} // namespace

TEST(Sweep, TheSameOutputsForEveryNumberOfThreadsAndFromMergedShards)
{
    QTemporaryDir dir;
    // MAX-MIN's restarts are counted in the summaries: the merge must keep them.
    const QStringList sweep = kSweep + QStringList{"--rule", "vormis,mmas", "--restart", "5"};
    const Outputs whole = outputsOf(run(sweep + outputOptions("whole") + QStringList{"--jobs", "1"}, dir.path()),
                                    dir, "whole");
    EXPECT_EQ(whole.csv.count('\n'), 1 + 12 * 3 * 60);
    EXPECT_TRUE(whole.summaryCsv.startsWith("rule,alpha,beta,ro,ants,q0,xi,elite,rank,restart,runs,"))
        << whole.summaryCsv.toStdString();
    EXPECT_EQ(whole.summaryCsv.count('\n'), 1 + 12);
    EXPECT_FALSE(whole.summaryCsv.endsWith(",0.00\n")) << "MAX-MIN restarted " << whole.summaryCsv.toStdString();
    for (const char *jobs : {"2", "5"}) {
        const QString prefix = QStringLiteral("jobs") + jobs;
        const Ran ran = run(sweep + outputOptions(prefix) + QStringList{"--jobs", jobs}, dir.path());
        expectSame(whole, outputsOf(ran, dir, prefix), std::string("--jobs ") + jobs);
    }

    // Four shards (one of them with fewer runs), merged in another order.
    QStringList shards;
    for (int k = 1; k <= 4; ++k) {
        shards << QStringLiteral("part%1.csv").arg(k);
        const Ran ran = run(sweep + QStringList{"--shard", QStringLiteral("%1/4").arg(k), "--csv", shards.back()},
                            dir.path());
        ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    }
    const Ran merged = run(QStringList{"--merge", shards[2], shards[0], shards[3], shards[1]} + outputOptions("merged"),
                           dir.path());
    expectSame(whole, outputsOf(merged, dir, "merged"), "merged");
}

TEST(Sweep, ChartsOfAnyParameterAndMeasureRepeatAndIntervalsStayWithinTheRuns)
{
    QTemporaryDir dir;
    const QStringList sweep = {"--rule", "vormis,as", "--alpha", "0:2:1", "--beta",        "2",  "--ants",
                               "10",     "--repeat",  "8",     "--seed", "1", "--generations", "60", "--chart"};
    QSet<QByteArray> charts;
    for (const auto &[x, y] : {std::pair{"rule", "best"}, std::pair{"alpha", "late"}, std::pair{"alpha", "first"},
                                std::pair{"rule", "arrived"}}) {
        const QStringList chart = {"--chart-x", x, "--chart-y", y, "--summary-csv", "summary.csv"};
        const Ran one = run(sweep + QStringList{"one.png", "--jobs", "1"} + chart, dir.path());
        const Ran two = run(sweep + QStringList{"two.png", "--jobs", "2"} + chart, dir.path());
        ASSERT_EQ(one.status + two.status, 0) << one.err.toStdString() << two.err.toStdString();
        EXPECT_EQ(contents(dir.filePath("one.png")), contents(dir.filePath("two.png"))) << x << " " << y;
        charts << contents(dir.filePath("one.png"));
    }
    EXPECT_EQ(charts.size(), 4) << "each measure and axis its own chart";

    // Every setting's bootstrap interval lies within its runs' best lengths.
    const QList<QByteArray> lines = contents(dir.filePath("summary.csv")).trimmed().split('\n');
    const QList<QByteArray> header = lines.front().split(',');
    ASSERT_EQ(header.mid(header.size() - 2), (QList<QByteArray>{"boot_low", "boot_high"}));
    for (const QByteArray &line : lines.mid(1)) {
        const QList<QByteArray> cells = line.split(',');
        const auto cell = [&](const char *name) { return cells[header.indexOf(name)].toDouble(); };
        EXPECT_LE(cell("min_best"), cell("boot_low")) << line.toStdString();
        EXPECT_LE(cell("boot_low"), cell("boot_high")) << line.toStdString();
        EXPECT_LE(cell("boot_high"), cell("max_best")) << line.toStdString();
    }
}

TEST(Sweep, MergeRefusesShardsThatDoNotMakeOneSweepAndWritesNothing)
{
    QTemporaryDir dir;
    for (const char *shard : {"1/2", "2/2"}) {
        const Ran ran = run(kSweep + QStringList{"--shard", shard, "--csv", QStringLiteral("p%1.csv").arg(shard[0])},
                            dir.path());
        ASSERT_EQ(ran.status, 0) << ran.err.toStdString();
    }
    QStringList other = kSweep;
    other[other.indexOf("--seed") + 1] = "8";
    ASSERT_EQ(run(other + QStringList{"--shard", "2/2", "--csv", "other.csv"}, dir.path()).status, 0);
    const QByteArray first = contents(dir.filePath("p1.csv"));
    QFile cut(dir.filePath("cut.csv"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(first.left(first.size() / 2));
    cut.close();

    const std::pair<QStringList, const char *> cases[] = {
        {{"p1.csv", "other.csv"}, "--merge other.csv: from another sweep than p1.csv"},
        {{"p1.csv", "p2.csv", "p2.csv"}, "run 2 is also in p2.csv"},
        {{"p2.csv"}, "--merge: run 1 of the sweep is in none of the files"},
        {{"cut.csv", "p2.csv"}, "--merge cut.csv: cut off (no #end line)"},
        {{"p1.csv", "missing.csv"}, "--merge missing.csv: "},
    };
    const QStringList before = filesIn(dir.path());
    for (const auto &[files, expected] : cases) {
        const Ran ran = run(QStringList{"--merge"} + files + outputOptions("merged"), dir.path());
        EXPECT_EQ(ran.status, 2) << files.join(' ').toStdString();
        EXPECT_TRUE(ran.err.startsWith("vormis-run: --merge")) << ran.err.toStdString();
        EXPECT_TRUE(ran.err.contains(expected)) << ran.err.toStdString();
        EXPECT_EQ(ran.err.count('\n'), 1) << ran.err.toStdString();
        EXPECT_EQ(filesIn(dir.path()), before) << files.join(' ').toStdString();
    }
}

// A setting's rows are, but for the run column, those of the plain run the
// summary offers to repeat it with.
TEST(Sweep, ASettingIsItsPlainRun)
{
    QTemporaryDir dir;
    const Ran sweep = run(kSweep + QStringList{"--csv", "sweep.csv", "--png", "last.png"}, dir.path());
    ASSERT_EQ(sweep.status, 0) << sweep.err.toStdString();
    const QByteArray marker = "repeat run 18 alone: vormis-run ";
    const qsizetype at = sweep.out.indexOf(marker);
    ASSERT_GE(at, 0) << sweep.out.toStdString();
    const QByteArray command = sweep.out.mid(at + marker.size(), sweep.out.indexOf('\n', at) - at - marker.size());
    EXPECT_EQ(command, "--example --alpha 1 --ro 0.3 --seed 9 --generations 60");

    const QStringList outputs{"--csv", "plain.csv", "--png", "plain.png"};
    const Ran plain = run(QString::fromLatin1(command).split(' ') + outputs, dir.path());
    ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
    const QList<QByteArray> rows = rowsWithoutRun(contents(dir.filePath("sweep.csv")), "18");
    EXPECT_EQ(rows.size(), 60);
    EXPECT_EQ(rows, rowsWithoutRun(contents(dir.filePath("plain.csv"))));
    EXPECT_EQ(contents(dir.filePath("last.png")), contents(dir.filePath("plain.png"))) << "--png shows the last run";
    EXPECT_TRUE(plain.out.contains("\nrule: the window's rule (vormis)\n")) << plain.out.toStdString();
}
