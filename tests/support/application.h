#ifndef VORMIS_TEST_APPLICATION_H
#define VORMIS_TEST_APPLICATION_H

#include <QCoreApplication>
#include <QGuiApplication>

#include <string>

// The application object of a test program without QTEST_MAIN: painting,
// fonts and QProcess want one.  One for the whole program, created on first
// use and deliberately never destroyed; later calls leave it alone.  A
// QCoreApplication does without the platform plugin.
//
// programName is its argv[0]: by default the test program's own name (its
// CMake target).
template <typename Application = QGuiApplication>
inline void ensureApplication(const char *programName = VORMIS_TEST_PROGRAM)
{
    static std::string name = programName;
    static int argc = 1;
    static char *argv[] = {name.data(), nullptr};
    if (!QCoreApplication::instance())
        new Application(argc, argv);
}

#endif
