#include "interrupts.h"

#include "exitstatus.h"

#include <atomic>
#include <climits>
#include <cstring>

#include <pthread.h>
#include <unistd.h>

namespace {

constexpr int kSlots = 16;
enum SlotState { Free, Filling, Ready };

// The paths the handlers remove.  A slot is Ready only once its path is
// complete, so a handler never reads half a path.
struct TemporarySlot
{
    std::atomic<int> state{Free};
    char path[PATH_MAX] = {};
};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only use lock-free atomics");

TemporarySlot g_slots[kSlots];

const int kInterruptions[] = {SIGINT, SIGTERM, SIGHUP};
const int kCrashes[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction g_beforeCrash[sizeof kCrashes / sizeof kCrashes[0]];
pthread_t g_handlingThread;

void removeTemporaries()
{
    for (TemporarySlot &slot : g_slots)
        if (slot.state.load(std::memory_order_acquire) == Ready)
            ::unlink(slot.path);
}

// Only the thread that installed the handlers takes an interruption: it
// creates, registers and renames the temporaries, holding interruptions back
// meanwhile, so it is never caught between two of those steps.
extern "C" void onInterruption(int signal)
{
    if (!pthread_equal(pthread_self(), g_handlingThread)) {
        pthread_kill(g_handlingThread, signal);
        return;
    }
    removeTemporaries();
    ::_exit(signal == SIGINT ? ExitInterrupted : signal == SIGTERM ? ExitTerminated : ExitHangUp);
}

// The crash is raised again under the action it had before ours, which
// takes it over once this handler returns.  One sent by another process
// (si_code <= 0) is passed on to the handling thread like an interruption,
// which takes it only outside its creating and registering.
extern "C" void onCrash(int signal, siginfo_t *info, void *)
{
    if (info && info->si_code <= 0 && !pthread_equal(pthread_self(), g_handlingThread)) {
        pthread_kill(g_handlingThread, signal);
        return;
    }
    removeTemporaries();
    for (std::size_t i = 0; i < sizeof kCrashes / sizeof kCrashes[0]; ++i)
        if (kCrashes[i] == signal)
            ::sigaction(signal, &g_beforeCrash[i], nullptr);
    ::raise(signal);
}

// The interruptions, and the crash signals too: one that another process
// sends (kill -SEGV) then waits as an interruption does, so that it cannot
// come between a temporary's creation and its registration.  A fault of our
// own while they are held still ends the process at once.
sigset_t heldSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kInterruptions)
        sigaddset(&set, signal);
    for (const int signal : kCrashes)
        sigaddset(&set, signal);
    return set;
}

} // namespace

void installInterruptHandlers()
{
    g_handlingThread = pthread_self();
    struct sigaction action = {};
    sigfillset(&action.sa_mask); // one handler at a time
    action.sa_flags = SA_RESTART; // a thread that passes an interruption on carries on where it was
    action.sa_handler = onInterruption;
    for (const int signal : kInterruptions)
        ::sigaction(signal, &action, nullptr);
    action.sa_handler = nullptr;
    action.sa_sigaction = onCrash;
    action.sa_flags |= SA_SIGINFO;
    for (std::size_t i = 0; i < sizeof kCrashes / sizeof kCrashes[0]; ++i)
        ::sigaction(kCrashes[i], &action, &g_beforeCrash[i]);
}

int registerTemporary(const char *path)
{
    if (std::strlen(path) >= PATH_MAX)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        int expected = Free;
        if (!g_slots[i].state.compare_exchange_strong(expected, Filling))
            continue;
        std::strcpy(g_slots[i].path, path);
        g_slots[i].state.store(Ready, std::memory_order_release);
        return i;
    }
    return -1;
}

void unregisterTemporary(int slot)
{
    if (slot >= 0 && slot < kSlots)
        g_slots[slot].state.store(Free, std::memory_order_release);
}

InterruptsHeld::InterruptsHeld()
{
    const sigset_t set = heldSet();
    pthread_sigmask(SIG_BLOCK, &set, &m_previous);
}

InterruptsHeld::~InterruptsHeld()
{
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

bool InterruptsHeld::pending() const
{
    sigset_t pending;
    sigpending(&pending);
    for (const int signal : kInterruptions)
        if (sigismember(&pending, signal) == 1)
            return true;
    return false;
}
