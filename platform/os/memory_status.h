// The physical memory of the machine, as GlobalMemoryStatusEx reports it.
#pragma once

#include "win_types.h"

using DWORDLONG = std::uint64_t;

struct MEMORYSTATUSEX {
    DWORD dwLength;             // sizeof(MEMORYSTATUSEX), set by the caller
    DWORD dwMemoryLoad;         // percentage of physical memory in use
    DWORDLONG ullTotalPhys;     // bytes of physical memory
    DWORDLONG ullAvailPhys;     // bytes a new allocation can have without swapping others out
    DWORDLONG ullTotalPageFile;
    DWORDLONG ullAvailPageFile;
    DWORDLONG ullTotalVirtual;
    DWORDLONG ullAvailVirtual;
    DWORDLONG ullAvailExtendedVirtual;
};
using LPMEMORYSTATUSEX = MEMORYSTATUSEX*;

// Fills status (whose dwLength must be set); FALSE when dwLength is wrong or nothing can be read.
// Available memory is the kernel's estimate (MemAvailable), which counts reclaimable caches.
BOOL GlobalMemoryStatusEx(LPMEMORYSTATUSEX status);
