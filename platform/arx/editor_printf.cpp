#include "editor_printf.h"

#include "acutads.h"
#include "transcript.h"

#include <cwchar>
#include <vector>

namespace rvnhost {

namespace {

constexpr std::wstring_view kFlagsAndWidth = L"-+ #0123456789.*";
constexpr std::size_t kLongestText = 1 << 20;

// Rewrites one conversion whose length modifier is `length` and letter `conversion`.
std::wstring rewriteConversion(std::wstring_view length, wchar_t conversion) {
    const bool text = conversion == L's' || conversion == L'c';
    const bool narrowText = conversion == L'S' || conversion == L'C';
    const wchar_t lower = text || narrowText ? static_cast<wchar_t>(conversion | 0x20) : conversion;
    if (text && length.empty()) return std::wstring(L"l") + lower;
    if (text && length == L"h") return std::wstring(1, lower);
    if (narrowText && length.empty()) return std::wstring(1, lower);
    if (length == L"I64") return std::wstring(L"ll") + conversion;
    if (length == L"I32") return std::wstring(1, conversion);
    return std::wstring(length) + conversion;
}

std::size_t lengthModifierSize(std::wstring_view rest) {
    if (rest.starts_with(L"I64") || rest.starts_with(L"I32")) return 3;
    if (rest.starts_with(L"hh") || rest.starts_with(L"ll")) return 2;
    if (!rest.empty() && std::wstring_view(L"hlLqjzt").find(rest[0]) != std::wstring_view::npos) return 1;
    return 0;
}

}  // namespace

std::wstring platformFormat(std::wstring_view hostFormat) {
    std::wstring result;
    std::size_t at = 0;
    while (at < hostFormat.size()) {
        const std::size_t percent = hostFormat.find(L'%', at);
        result.append(hostFormat.substr(at, percent - at));
        if (percent == std::wstring_view::npos) break;
        std::size_t cursor = percent + 1;
        while (cursor < hostFormat.size() && kFlagsAndWidth.find(hostFormat[cursor]) != std::wstring_view::npos) ++cursor;
        const std::size_t lengthSize = lengthModifierSize(hostFormat.substr(cursor));
        const std::wstring_view length = hostFormat.substr(cursor, lengthSize);
        cursor += lengthSize;
        result.append(hostFormat.substr(percent, cursor - lengthSize - percent));
        if (cursor >= hostFormat.size()) {
            result.append(length);
            break;
        }
        result += rewriteConversion(length, hostFormat[cursor]);
        at = cursor + 1;
    }
    return result;
}

std::optional<std::wstring> formatHostText(const wchar_t* hostFormat, va_list arguments) {
    if (hostFormat == nullptr) return std::nullopt;
    const std::wstring format = platformFormat(hostFormat);
    // vswprintf tells only that the buffer was too small, not how much is needed: grow until it fits.
    for (std::size_t size = 256; size <= kLongestText; size *= 4) {
        std::vector<wchar_t> buffer(size);
        va_list attempt;
        va_copy(attempt, arguments);
        const int written = std::vswprintf(buffer.data(), size, format.c_str(), attempt);
        va_end(attempt);
        if (written >= 0) return std::wstring(buffer.data(), static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

}  // namespace rvnhost

int acutPrintf(const ACHAR* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    const std::optional<std::wstring> text = rvnhost::formatHostText(format, arguments);
    va_end(arguments);
    auto& transcript = rvnhost::Transcript::instance();
    if (!text) {
        transcript.add(rvnhost::TranscriptKind::Error, L"acutPrintf: the text could not be formatted");
        return 0;
    }
    transcript.add(rvnhost::TranscriptKind::CommandLine, *text);
    return static_cast<int>(text->size());
}
