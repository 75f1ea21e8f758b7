#ifndef VORMIS_RUNNER_RUNNER_H
#define VORMIS_RUNNER_RUNNER_H

#include "exitstatus.h"

#include <QStringList>

// Does everything vormis-run does for a command line (arguments[0] is the
// program): parses it, runs the experiment, writes the outputs, and prints
// the summary, dumps and errors to standard output and standard error.
// Needs a QGuiApplication for --png and --chart.
int runCommandLine(const QStringList &arguments);

#endif
