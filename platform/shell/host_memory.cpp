#include "host_memory.h"

#include "text_codec.h"

#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace rvnshell {

namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
constexpr const char* kHugePages = "glibc.malloc.hugetlb=1";
constexpr std::uintmax_t kLargeFile = std::uintmax_t{1} << 20;
// Blocks up to this size come from the heap rather than from mappings of their own, which are
// given back on free (the allocator's largest such threshold).
constexpr int kLargestHeapBlock = 32 << 20;
// Free memory at the top of the heap is given back to the system only beyond this size.
constexpr int kKeptFreeBytes = 1 << 30;

bool isLargeFile(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(std::filesystem::path(path), error);
    return !error && size >= kLargeFile;
}

}  // namespace

bool WantsHugePages(const ShellOptions& options) {
    if (!options.drawingPath.empty() && isLargeFile(rvnos::toUtf8(options.drawingPath))) return true;
    for (const std::string& argument : options.toolArguments) {
        if (isLargeFile(argument)) return true;
    }
    return false;
}

void RestartOnHugePages(char** argv) {
    const char* current = std::getenv(kTunables);
    std::string tunables = current ? current : "";
    if (tunables.find("glibc.malloc.hugetlb") != std::string::npos) return;
    tunables = tunables.empty() ? kHugePages : tunables + ":" + kHugePages;
    if (setenv(kTunables, tunables.c_str(), 1) != 0) return;
    execv("/proc/self/exe", argv);
    // The restart failed: go on with the pages as they are, and leave the environment as found.
    if (current) {
        setenv(kTunables, current, 1);
    } else {
        unsetenv(kTunables);
    }
}

void KeepFreedMemoryForReuse() {
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes);
}

}  // namespace rvnshell
