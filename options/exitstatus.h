#ifndef VORMIS_OPTIONS_EXITSTATUS_H
#define VORMIS_OPTIONS_EXITSTATUS_H

// What both programs exit with.
enum ExitStatus {
    ExitSuccess = 0,
    ExitOutputFailed = 1, // an output could not be completed after the runs
    ExitBadInput = 2      // options, world file, or an output that cannot be created
};

#endif
