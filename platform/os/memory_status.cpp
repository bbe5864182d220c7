#include "memory_status.h"

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <sys/sysinfo.h>

namespace {

constexpr DWORDLONG kKibibyte = 1024;
constexpr DWORD kPercent = 100;

// A "Name:   N kB" field of /proc/meminfo, in bytes; 0 when it is not there.
DWORDLONG meminfoBytes(const char* field) {
    std::FILE* file = std::fopen("/proc/meminfo", "r");
    if (file == nullptr) return 0;
    char line[256];
    unsigned long long kib = 0;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            if (std::sscanf(line + length + 1, "%llu", &kib) != 1) kib = 0;
            break;
        }
    }
    std::fclose(file);
    return kib * kKibibyte;
}

}  // namespace

BOOL GlobalMemoryStatusEx(LPMEMORYSTATUSEX status) {
    if (status == nullptr || status->dwLength != sizeof(MEMORYSTATUSEX)) return 0;
    struct sysinfo info {};
    if (sysinfo(&info) != 0) return 0;
    const DWORDLONG unit = info.mem_unit;
    status->ullTotalPhys = info.totalram * unit;
    const DWORDLONG available = meminfoBytes("MemAvailable");
    status->ullAvailPhys = available != 0 ? available : (info.freeram + info.bufferram) * unit;
    status->ullTotalPageFile = (info.totalram + info.totalswap) * unit;
    status->ullAvailPageFile = (info.freeram + info.freeswap) * unit;
    status->ullTotalVirtual = status->ullTotalPageFile;
    status->ullAvailVirtual = status->ullAvailPageFile;
    status->ullAvailExtendedVirtual = 0;
    const DWORDLONG used = status->ullTotalPhys - std::min(status->ullAvailPhys, status->ullTotalPhys);
    status->dwMemoryLoad = status->ullTotalPhys ? static_cast<DWORD>(used * kPercent / status->ullTotalPhys) : 0;
    return 1;
}
