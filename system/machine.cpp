#include "machine.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <thread>

namespace {

// The first whole number of the file, or -1 ("max", missing, unreadable).
long long numberIn(const char *path)
{
    std::ifstream file(path);
    long long value = -1;
    if (!(file >> value))
        return -1;
    return value;
}

long long meminfoAvailable()
{
    std::ifstream file("/proc/meminfo");
    std::string name;
    long long kilobytes = 0;
    std::string unit;
    while (file >> name >> kilobytes) {
        std::getline(file, unit);
        if (name == "MemAvailable:")
            return kilobytes * 1024;
    }
    return -1;
}

// What the control group this process sees as its root still allows; -1
// when it sets no limit.  Inside a container that is the container's own.
long long cgroupAvailable()
{
    const std::pair<const char *, const char *> files[] = {
        {"/sys/fs/cgroup/memory.max", "/sys/fs/cgroup/memory.current"},                        // v2
        {"/sys/fs/cgroup/memory/memory.limit_in_bytes", "/sys/fs/cgroup/memory/memory.usage_in_bytes"}}; // v1
    for (const auto &[limitFile, usageFile] : files) {
        const long long limit = numberIn(limitFile);
        const long long usage = numberIn(usageFile);
        if (limit > 0 && usage >= 0 && limit < (1LL << 60)) // v1 writes "no limit" as about 2^63
            return std::max(0LL, limit - usage);
    }
    return -1;
}

} // namespace

int coreCount()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

long long availableMemory()
{
    const long long machine = meminfoAvailable();
    const long long group = cgroupAvailable();
    if (machine < 0 || group < 0)
        return std::max(0LL, std::max(machine, group));
    return std::min(machine, group);
}
