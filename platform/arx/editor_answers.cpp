#include "editor_answers.h"

#include "units_format.h"

#include <cmath>
#include <cwctype>
#include <vector>

namespace rvnhost {

namespace {

std::wstring lowerCase(std::wstring_view text) {
    std::wstring lower(text);
    for (auto& c : lower) c = static_cast<wchar_t>(std::towlower(c));
    return lower;
}

std::vector<std::wstring_view> splitAt(std::wstring_view text, wchar_t separator) {
    std::vector<std::wstring_view> parts;
    std::size_t at = 0;
    while (true) {
        const std::size_t next = text.find(separator, at);
        parts.push_back(text.substr(at, next - at));
        if (next == std::wstring_view::npos) return parts;
        at = next + 1;
    }
}

std::optional<AcGeVector3d> cartesian(std::wstring_view text, double defaultZ) {
    const std::vector<std::wstring_view> parts = splitAt(text, L',');
    if (parts.size() < 2 || parts.size() > 3) return std::nullopt;
    double coordinates[3] = {0.0, 0.0, defaultZ};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::optional<double> value = parseNumber(parts[i]);
        if (!value) return std::nullopt;
        coordinates[i] = *value;
    }
    return AcGeVector3d(coordinates[0], coordinates[1], coordinates[2]);
}

std::optional<AcGeVector3d> polar(std::wstring_view text, int angularUnits) {
    const std::vector<std::wstring_view> parts = splitAt(text, L'<');
    if (parts.size() != 2) return std::nullopt;
    const std::optional<double> distance = parseNumber(parts[0]);
    const std::optional<double> angle = parseAngle(parts[1], angularUnits);
    if (!distance || !angle) return std::nullopt;
    return AcGeVector3d(*distance * std::cos(*angle), *distance * std::sin(*angle), 0.0);
}

}  // namespace

bool isCancelWord(std::wstring_view answer) {
    const std::wstring word = lowerCase(trimmedAnswer(answer));
    return word == L"*cancel*" || word == L"esc" || word == L"^c";
}

std::optional<AcGePoint3d> parsePoint(std::wstring_view answer, const AcGePoint3d& lastPoint, int angularUnits) {
    std::wstring text = trimmedAnswer(answer);
    const bool relative = !text.empty() && text[0] == L'@';
    if (relative) text.erase(0, 1);
    if (relative && text.empty()) return lastPoint;
    const AcGePoint3d origin = relative ? lastPoint : AcGePoint3d::kOrigin;
    std::optional<AcGeVector3d> offset = cartesian(text, 0.0);
    if (!offset) offset = polar(text, angularUnits);
    if (!offset) return std::nullopt;
    return origin + *offset;
}

bool looksLikeInteger(std::wstring_view answer) {
    const std::wstring text = trimmedAnswer(answer);
    std::size_t at = (!text.empty() && (text[0] == L'-' || text[0] == L'+')) ? 1 : 0;
    if (at == text.size()) return false;
    for (; at < text.size(); ++at) {
        if (text[at] < L'0' || text[at] > L'9') return false;
    }
    return true;
}

std::optional<int> parseShortInteger(std::wstring_view answer) {
    if (!looksLikeInteger(answer)) return std::nullopt;
    const std::wstring text = trimmedAnswer(answer);
    if (text.size() > 7) return std::nullopt;
    const int value = std::stoi(text);
    if (value < -32768 || value > 32767) return std::nullopt;
    return value;
}

std::optional<std::uint64_t> parseHandle(std::wstring_view answer) {
    const std::wstring text = trimmedAnswer(answer);
    if (text.size() < 2 || text.size() > 17 || text[0] != L'#') return std::nullopt;
    std::uint64_t handle = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const wchar_t c = static_cast<wchar_t>(std::towupper(text[i]));
        int digit = 0;
        if (c >= L'0' && c <= L'9') digit = c - L'0';
        else if (c >= L'A' && c <= L'F') digit = c - L'A' + 10;
        else return std::nullopt;
        handle = handle * 16 + static_cast<std::uint64_t>(digit);
    }
    return handle;
}

std::wstring trimmedAnswer(std::wstring_view answer) {
    const auto first = answer.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) return L"";
    return std::wstring(answer.substr(first, answer.find_last_not_of(L" \t") - first + 1));
}

}  // namespace rvnhost
