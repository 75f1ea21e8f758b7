#ifndef VORMIS_RUNNER_TEST_SUPPORT_H
#define VORMIS_RUNNER_TEST_SUPPORT_H

#include "application.h"
#include "world_from_rows.h"
#include "options.h"
#include "worldfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// vormis-run's reading of its options (without the program's name).
inline ParseOutcome parse(QStringList arguments, RunConfig &config, QString &message)
{
    arguments.prepend(QStringLiteral("vormis-run"));
    return parseCommandLine(arguments, config, message);
}

// A file of the folder with the text, for options that read one.
inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        ADD_FAILURE() << "cannot write " << name.toStdString();
    file.write(text);
    return file.fileName();
}

#endif
