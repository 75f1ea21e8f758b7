#include "runner_test_support.h"
#include "outputfile.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads a file, writing it first when bytes are given.
QByteArray contents(const QString &path, const QByteArray &bytes = QByteArray())
{
    QFile file(path);
    if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly))
        file.write(bytes);
    file.close();
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

mode_t modeOf(const QString &path, int (*statFunction)(const char *, struct stat *) = ::stat)
{
    struct stat info = {};
    return statFunction(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

QString reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

TEST(OutputFile, PipesDevicesAndOwnDescriptorsAreWrittenInPlace)
{
    ensureApplication(); // for QProcess: a reading process cannot hang the tests
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QProcess reader;
    reader.start(QStringLiteral("cat"), {pipe});
    OutputFile toPipe(QStringLiteral("--csv"), pipe);
    EXPECT_TRUE(toPipe.open() && toPipe.write("a,b\n1,2\n") && toPipe.commit()) << toPipe.error().toStdString();
    EXPECT_TRUE(reader.waitForFinished(5000));
    EXPECT_EQ(reader.readAllStandardOutput(), "a,b\n1,2\n");
    EXPECT_TRUE(S_ISFIFO(modeOf(pipe)));
    OutputFile toNull(QStringLiteral("--png"), QStringLiteral("/dev/null"));
    EXPECT_TRUE(toNull.open() && toNull.write("png") && toNull.commit()) << toNull.error().toStdString();
    EXPECT_TRUE(S_ISCHR(modeOf(QStringLiteral("/dev/null"))));

    // Our own descriptors are shared, not opened again: an appending log grows
    // rather than being overwritten from its start.
    const QString log = dir.filePath(QStringLiteral("log"));
    const int descriptor = ::open(QFile::encodeName(log).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    ASSERT_EQ(::write(descriptor, "old\n", 4), 4);
    OutputFile toLog(QStringLiteral("--csv"), QStringLiteral("/dev/fd/%1").arg(descriptor));
    EXPECT_TRUE(toLog.open() && toLog.write("new\n") && toLog.commit()) << toLog.error().toStdString();
    ::close(descriptor);
    EXPECT_EQ(contents(log), "old\nnew\n");
    // A pipe nobody reads gives an error, not a SIGPIPE ending the tests.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const QString path = QStringLiteral("/proc/self/fd/%1").arg(ends[1]);
    OutputFile unread(QStringLiteral("--chart"), path);
    EXPECT_TRUE(unread.open() && !unread.write("png"));
    ::close(ends[1]);
    EXPECT_EQ(unread.error(), "--chart " + path + ": " + reason(EPIPE));
}

TEST(OutputFile, RegularFileIsReplacedKeepingItsModeAndLinks)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data.csv"));
    const QString link = dir.filePath(QStringLiteral("link.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("data.csv"), link));
    for (const QString &path : {data, link}) {
        ASSERT_EQ(contents(data, "old\n"), "old\n");
        ASSERT_EQ(::chmod(QFile::encodeName(data).constData(), 0640), 0);
        OutputFile output(QStringLiteral("--csv"), path);
        ASSERT_TRUE(output.open() && output.write("new\n")) << output.error().toStdString();
        EXPECT_EQ(contents(data), "old\n") << "replaced only by commit()";
        EXPECT_TRUE(output.commit()) << output.error().toStdString();
        EXPECT_EQ(contents(data), "new\n");
        EXPECT_EQ(modeOf(data), S_IFREG | 0640);
        EXPECT_TRUE(S_ISLNK(modeOf(link, ::lstat)));
        EXPECT_EQ(entries(dir), QStringList({"data.csv", "link.csv"}));
    }
}

TEST(OutputFile, FailedWriteIsOneLineAndLeavesTheOldFile)
{
    OutputFile full(QStringLiteral("--csv"), QStringLiteral("/dev/full"));
    EXPECT_TRUE(full.open() && !full.write("1,2\n") && !full.commit());
    EXPECT_EQ(full.error(), "--csv /dev/full: " + reason(ENOSPC));
    EXPECT_TRUE(S_ISCHR(modeOf(QStringLiteral("/dev/full"))));
    // Files may grow to 4096 bytes for a moment: a regular file's write fails.
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data.csv"));
    ASSERT_EQ(contents(data, "old\n"), "old\n");
    rlimit limit = {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small = {4096, limit.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    OutputFile tooLarge(QStringLiteral("--csv"), data);
    const bool failed = tooLarge.open() && !tooLarge.write(QByteArray(8192, 'x')) && !tooLarge.commit();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_TRUE(failed);
    EXPECT_EQ(tooLarge.error(), "--csv " + data + ": " + reason(EFBIG));
    EXPECT_EQ(contents(data), "old\n");
    EXPECT_EQ(entries(dir), QStringList({"data.csv"}));
}

TEST(OutputFile, KnowsItsFileByInodeKeepsLongNamesAndOwners)
{
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data.csv"));
    ASSERT_EQ(contents(data, "old\n"), "old\n");
    ASSERT_TRUE(QFile::link(data, dir.filePath(QStringLiteral("link.csv"))));
    const int descriptor = ::open(QFile::encodeName(data).constData(), O_RDONLY);
    const FileIdentity file = OutputFile(QStringLiteral("--csv"), data).identity();
    for (const QString &name : {dir.filePath(QStringLiteral("link.csv")), QStringLiteral("/dev/fd/%1").arg(descriptor)})
        EXPECT_TRUE(file.sameAs(OutputFile(QStringLiteral("--png"), name).identity())) << name.toStdString();
    ::close(descriptor);
    EXPECT_TRUE(OutputFile(QStringLiteral("--csv"), dir.filePath(QStringLiteral("new.csv")))
                    .identity()
                    .sameAs(OutputFile(QStringLiteral("--png"), dir.filePath(QStringLiteral("./new.csv"))).identity()));

    // 255 bytes, the longest name a folder takes: the temporary's name is shortened instead.
    const QString longest = dir.filePath(QString(251, QLatin1Char('a')) + QStringLiteral(".csv"));
    OutputFile longName(QStringLiteral("--csv"), longest);
    EXPECT_TRUE(longName.open() && longName.write("new\n") && longName.commit()) << longName.error().toStdString();
    EXPECT_EQ(contents(longest), "new\n");
    if (::geteuid() != 0)
        return;
    ASSERT_EQ(::chown(QFile::encodeName(data).constData(), 65534, 65534), 0);
    OutputFile owned(QStringLiteral("--csv"), data);
    EXPECT_TRUE(owned.open() && owned.write("new\n") && owned.commit()) << owned.error().toStdString();
    struct stat info = {};
    ASSERT_EQ(::stat(QFile::encodeName(data).constData(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}
