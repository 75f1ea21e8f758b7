#ifndef VORMIS_RUNNER_PROCESS_SUPPORT_H
#define VORMIS_RUNNER_PROCESS_SUPPORT_H

#include "runner_test_support.h"

#include <QDir>
#include <QProcess>

// What a run of the real vormis-run left: its exit status and output.
struct Ran
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

inline Ran run(const QStringList &arguments, const QString &folder = QString(), const QString &stdoutFile = QString())
{
    ensureApplication();
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    if (!stdoutFile.isEmpty())
        process.setStandardOutputFile(stdoutFile);
    process.start(QStringLiteral(VORMIS_RUN_BINARY), arguments);
    Ran ran;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "vormis-run " << arguments.join(' ').toStdString() << " did not finish normally";
        return ran;
    }
    ran.status = process.exitCode();
    ran.out = process.readAllStandardOutput();
    ran.err = process.readAllStandardError();
    return ran;
}

inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#endif
