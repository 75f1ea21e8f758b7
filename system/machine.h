#ifndef VORMIS_SYSTEM_MACHINE_H
#define VORMIS_SYSTEM_MACHINE_H

// What the machine offers a sweep.

// The cores that can run threads at once (at least 1).
int coreCount();

// The bytes of memory the process can still take without the machine
// swapping or its control group's limit being hit: the kernel's
// MemAvailable, or less when a cgroup (v2 or v1) limits the memory; 0 when
// none of them can be read.
long long availableMemory();

#endif
