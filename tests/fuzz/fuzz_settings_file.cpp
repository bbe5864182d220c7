// Fuzzing the reader of the settings file "rvnsetup.par": any bytes read as a file give a settings
// record; writing that record and reading it back gives the same integers, as long as every
// written line with its line feed fits the reader's 150 characters (a huge real does not). The
// strict check runs on any bytes too, and what it passes is written back as a file it passes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "network/settings_file.h"

namespace {

// The most characters the reader takes as one line, its line feed included.
constexpr std::size_t kLongestLine = 150;

bool linesFit(const std::string& text) {
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        if (end + 1 - start > kLongestLine) return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string content(reinterpret_cast<const char*>(data), size);
    std::FILE* file = fmemopen(content.data(), content.size(), "r");
    if (file == nullptr) return 0;
    TzRvnSettings settings;
    int read = ReadSettingsFile(file, settings);
    std::fclose(file);
    std::string written = SettingsFileText(settings);
    if (read == 0 || !linesFit(written)) return 0;
    TzRvnSettings again;
    ReadSettingsText(written, again);
    if (again.flowUnit != settings.flowUnit || again.maxIterations != settings.maxIterations ||
        again.colourHighVelocity != settings.colourHighVelocity) {
        __builtin_trap();
    }
    if (!CheckSettingsText(content) && CheckSettingsText(written)) __builtin_trap();
    return 0;
}
