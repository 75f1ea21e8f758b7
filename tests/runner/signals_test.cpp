#include "process_support.h"

#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <cstring>

// What an interruption, a crash or a reader that goes away leaves behind:
// no temporary, and every existing file as it was.

namespace {

// A sweep long enough to be interrupted, replacing keep.csv.
void startSweep(QProcess &process, const QTemporaryDir &dir)
{
    ensureApplication();
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(VORMIS_RUN_BINARY), {"--ro", "0.1:0.9:0.1", "--repeat", "20", "--seed", "1",
                                                      "--generations", "3000", "--csv", "keep.csv", "--summary-csv",
                                                      "new.csv"});
    // Both temporaries exist once the outputs are open.
    for (int wait = 0; wait < 1000 && filesIn(dir.path()).size() < 3; ++wait)
        QThread::msleep(10);
    EXPECT_EQ(filesIn(dir.path()).size(), 3) << "the outputs' temporaries beside keep.csv";
}

} // namespace

TEST(Signals, InterruptionsAndCrashesRemoveTheTemporariesAndLeaveFilesAsTheyWere)
{
    const std::pair<int, int> interruptions[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGSEGV, -1}};
    for (const auto &[signal, status] : interruptions) {
        QTemporaryDir dir;
        writeFile(dir, "keep.csv", "old\n");
        QProcess process;
        startSweep(process, dir);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(20000));
        if (status < 0) {
            EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        } else {
            EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(process.exitCode(), status) << strsignal(signal);
        }
        EXPECT_EQ(filesIn(dir.path()), QStringList({"keep.csv"})) << strsignal(signal);
        EXPECT_EQ(contents(dir.filePath("keep.csv")), "old\n");
    }
}

// `| head -1`: the CSV on standard output loses its reader.
TEST(Signals, AReaderThatGoesAwayIsOneLineAndStatusOne)
{
    QTemporaryDir dir;
    QProcess shell;
    shell.setWorkingDirectory(dir.path());
    shell.start(QStringLiteral("bash"),
                {"-c",
                 "\"$0\" --seed 1 --generations 20000 --csv - --summary-csv sp.csv --png sp.png 2>err.txt "
                 "| head -1 >/dev/null; echo ${PIPESTATUS[0]}",
                 QStringLiteral(VORMIS_RUN_BINARY)});
    ASSERT_TRUE(shell.waitForFinished(60000));
    EXPECT_EQ(shell.readAllStandardOutput(), "1\n");
    const QByteArray err = contents(dir.filePath("err.txt"));
    EXPECT_TRUE(err.startsWith("vormis-run: --csv -: " + QByteArray(std::strerror(EPIPE)) + "\n")) << err.toStdString();
    EXPECT_EQ(filesIn(dir.path()), QStringList({"err.txt"}));
}
