#include "process_support.h"

#include <QTemporaryDir>

#include <sys/stat.h>

// Shard files changed by hand, cut or no files at all: the merge refuses them
// with the file, the line and the reason, and writes nothing.

namespace {

QByteArray shardOf(const QTemporaryDir &dir)
{
    const Ran ran = run({"--example", "--ro", "0.1,0.2", "--seed", "1", "--generations", "20", "--shard", "1/1",
                         "--csv", "s.csv"},
                        dir.path());
    EXPECT_EQ(ran.status, 0) << ran.err.toStdString();
    return contents(dir.filePath("s.csv"));
}

QByteArray edited(QByteArray text, const QByteArray &from, const QByteArray &to)
{
    const qsizetype at = text.indexOf(from);
    EXPECT_GE(at, 0) << from.toStdString();
    return at < 0 ? text : text.replace(at, from.size(), to);
}

// The first row's column set to the value.
QByteArray rowEdited(const QByteArray &shard, int column, const QByteArray &value)
{
    const qsizetype start = shard.indexOf("\n1,1,1,") + 1;
    const qsizetype end = shard.indexOf('\n', start);
    QList<QByteArray> fields = shard.mid(start, end - start).split(',');
    fields[column] = value;
    return shard.left(start) + fields.join(',') + shard.mid(end);
}

void expectRefused(const QTemporaryDir &dir, const QString &file, const QByteArray &text, const char *expected)
{
    if (!text.isNull())
        writeFile(dir, file, text);
    const QStringList before = filesIn(dir.path());
    const Ran ran = run({"--merge", file, "--csv", "m.csv", "--chart", "m.png"}, dir.path());
    EXPECT_EQ(ran.status, 2) << expected;
    EXPECT_TRUE(ran.err.startsWith("vormis-run: --merge " + file.toUtf8())) << ran.err.toStdString();
    EXPECT_TRUE(ran.err.contains(expected)) << ran.err.toStdString();
    EXPECT_EQ(ran.err.count('\n'), 1) << ran.err.toStdString();
    EXPECT_EQ(filesIn(dir.path()), before) << expected;
}

} // namespace

TEST(Merge, AShardFileGivesOnlyItsSweepsFieldsEachCheckedAsAnOption)
{
    QTemporaryDir dir;
    const QByteArray shard = shardOf(dir);
    const QByteArray format = "#vormis-run shard file, format 2\n";
    const std::pair<QByteArray, const char *> cases[] = {
        {edited(shard, format, "#vormis-run shard file, format 2 --png x.png\n"), ":1: not a shard file"},
        {edited(shard, format, "#vormis-run shard 1/1 of the sweep: --size 8\n"), ":1: a shard file of an older"},
        {edited(shard, format, "#vormis-run shard file, format 3\n"), ":1: a shard file of format 3;"},
        {edited(shard, "#shard", "#png x.png\n#shard"), ":2: unknown field #png"},
        {edited(shard, "#alpha 0\n", "#alpha 0 --gif x.gif\n"), ":5: #alpha 0 --gif x.gif: expected a whole number"},
        {edited(shard, "#seed 1\n", "#seed 1\n#seed 2\n"), ":11: #seed a second time (first on line 10)"},
        {edited(shard, "#world-options --example", "#world-options --example; touch x"), ":12: #world-options:"},
        {edited(shard, "#generations 20", "#generations 2000000"), ":9: #generations 2000000: expected"},
        {edited(shard, "H.####.F", "H.####.x"), ":3: #world row 5, column 8: unexpected character 'x'"},
    };
    for (const auto &[text, expected] : cases)
        expectRefused(dir, "edited.csv", text, expected);
}

TEST(Merge, NumbersNoRunCanGiveAndChangedFilesAreRefused)
{
    QTemporaryDir dir;
    const QByteArray shard = shardOf(dir);
    const qsizetype late = shard.indexOf("#run 1 late ") + 12;
    const std::pair<QByteArray, const char *> cases[] = {
        {rowEdited(shard, 6, "7"), ":15: best '7': expected"},
        {rowEdited(shard, 5, "4294967295"), ":15: shortest '4294967295': expected a path of 8 to 44 cells"},
        {rowEdited(shard, 6, "2147483647"), ":15: best '2147483647': expected"},
        {rowEdited(shard, 4, "5"), ":15: ants_at_food '5': expected 0 to 4"},
        {rowEdited(shard, 7, "NOT-A-NUMBER"), ":15: mean_length 'NOT-A-NUMBER': expected"},
        {shard.left(late) + "999999999999999999" + shard.mid(shard.indexOf(' ', late)), "late lengths '999999999999999999'"},
        {rowEdited(shard, 7, "16.01"), "the checksum does not match"}, // within range, but not what was written
    };
    for (const auto &[text, expected] : cases)
        expectRefused(dir, "edited.csv", text, expected);
}

TEST(Merge, OnlyRegularFilesWithLinesOfBoundedLength)
{
    QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    expectRefused(dir, "/dev/zero", QByteArray(), "not a regular file");
    expectRefused(dir, "fifo", QByteArray(), "not a regular file");
    expectRefused(dir, "long.csv", "#vormis-run shard file, format 2\n#shard " + QByteArray(2 << 20, '1') + "\n",
                  ":2: a line longer than 1048576 bytes");
}
