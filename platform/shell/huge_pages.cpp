#include "huge_pages.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace rvnshell {

namespace {

constexpr const char* kTunables = "GLIBC_TUNABLES";
constexpr const char* kHugePages = "glibc.malloc.hugetlb=1";

}  // namespace

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

}  // namespace rvnshell
