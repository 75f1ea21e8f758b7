#ifndef VORMIS_OPTIONS_EXITSTATUS_H
#define VORMIS_OPTIONS_EXITSTATUS_H

// What both programs exit with.  The last three are a shell's own 128 plus
// the signal's number, so that a script sees an interrupted vormis-run as it
// would see any interrupted program.
enum ExitStatus {
    ExitSuccess = 0,
    ExitOutputFailed = 1, // an output could not be completed after the runs
    ExitBadInput = 2,     // options, world file, or an output that cannot be created
    ExitHangUp = 129,     // SIGHUP: the terminal went away
    ExitInterrupted = 130, // SIGINT: Ctrl-C
    ExitTerminated = 143   // SIGTERM
};

#endif
