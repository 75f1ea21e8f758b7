#ifndef VORMIS_SYSTEM_INTERRUPTS_H
#define VORMIS_SYSTEM_INTERRUPTS_H

#include <csignal>

// What happens when vormis-run is interrupted or crashes: the temporary files
// it registered are removed and nothing else is touched.  SIGINT, SIGTERM and
// SIGHUP then end it with ExitInterrupted, ExitTerminated and ExitHangUp; a
// crash (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT) goes on to whatever it
// did before (a core dump, the sanitizers' report).
//
// The handlers call only unlink(), sigaction(), raise(), pthread_kill() and
// _exit(), which a signal handler may call; the paths they remove are copied
// in beforehand.  An interruption that reaches another thread is passed on
// to the thread that installed the handlers, which must be the one that
// creates and renames the temporary files.
void installInterruptHandlers();

// Registers a temporary file for removal by the handlers; the slot to
// unregister it with, or -1 when the path is too long or every slot is taken
// (the file is then left behind by an interruption).  Create the file while
// holding InterruptsHeld, so that no interruption comes between its creation
// and its registration.
int registerTemporary(const char *path);
void unregisterTemporary(int slot);

// Holds SIGINT, SIGTERM and SIGHUP (and crash signals sent from outside)
// back in this thread while it lives; a held signal is handled when the
// holding ends.
class InterruptsHeld
{
public:
    InterruptsHeld();
    ~InterruptsHeld();
    InterruptsHeld(const InterruptsHeld &) = delete;
    InterruptsHeld &operator=(const InterruptsHeld &) = delete;

    // Whether an interruption is waiting to be handled.
    bool pending() const;

private:
    sigset_t m_previous;
};

#endif
