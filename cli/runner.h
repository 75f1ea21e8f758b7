#ifndef VORMIS_CLI_RUNNER_H
#define VORMIS_CLI_RUNNER_H

#include <QStringList>

// Exit statuses of vormis-run.
enum ExitStatus {
    ExitSuccess = 0,
    ExitOutputFailed = 1, // an output could not be completed after the runs
    ExitBadInput = 2      // options, world file, or an output that cannot be created
};

// Does everything vormis-run does for a command line (arguments[0] is the
// program): parses it, runs the experiment, writes the outputs, and prints
// the summary, dumps and errors to standard output and standard error.
// Needs a QGuiApplication for --png and --chart.
int runCommandLine(const QStringList &arguments);

#endif
