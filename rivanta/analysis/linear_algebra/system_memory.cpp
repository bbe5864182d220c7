#include "analysis/linear_algebra/system_memory.h"

#include "analysis/solver/analysis_texts.h"
#include "analysis/solver/text_format.h"
#include "windows.h"

#include <cstdio>
#include <limits>

namespace {

constexpr double kMebibyte = 1024.0 * 1024.0;

std::wstring mebibytes(std::uint64_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", static_cast<double>(bytes) / kMebibyte);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

}  // namespace

std::uint64_t SystemMatrixBytes(int nodeCount, TzRvnFactorisation factorisation) {
    if (factorisation != TzRvnFactorisation::dense || nodeCount <= 0) return 0;
    const auto n = static_cast<std::uint64_t>(nodeCount);
    return n * n * sizeof(double) + n * sizeof(double*);
}

std::wstring SystemMemoryRefusal(int nodeCount, TzRvnFactorisation factorisation, std::uint64_t availableBytes) {
    const std::uint64_t needed = SystemMatrixBytes(nodeCount, factorisation);
    if (needed <= availableBytes) return {};
    const std::wstring neededText = mebibytes(needed);
    const std::wstring availableText = mebibytes(availableBytes);
    return FormatTranslated(rvntext::kSystemTooLarge, {std::wstring_view(neededText), std::wstring_view(availableText)});
}

std::uint64_t AvailableMemoryBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return std::numeric_limits<std::uint64_t>::max();
    return status.ullAvailPhys;
}
