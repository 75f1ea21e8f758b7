#ifndef VORMIS_CLI_TEST_SUPPORT_H
#define VORMIS_CLI_TEST_SUPPORT_H

#include "worldfile.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Painting, fonts and QProcess want an application object; one for the whole
// test program, created on first use and deliberately never destroyed.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "cli_tests";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QGuiApplication(argc, argv);
}

// A world drawn as in a world file.
inline World worldFromRows(const std::vector<std::string> &rows)
{
    QByteArray text;
    for (const std::string &row : rows)
        text += QByteArray::fromStdString(row) + '\n';
    World world;
    WorldFileError error;
    if (!parseWorldText(text, world, error))
        ADD_FAILURE() << error.text(QStringLiteral("rows")).toStdString();
    return world;
}

#endif
