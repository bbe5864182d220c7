#include "network/settings_file.h"

#include "network/file_handle.h"
#include "network/number_text.h"
#include "network/text_lines.h"

#include <functional>
#include <vector>

namespace {

constexpr std::size_t kLineBuffer = 151;
constexpr int kDecimals = 10;

// One line of the file: how to read it into a record and how to write it from one.
struct SettingsLine {
    TzRvnNumberKind kind;
    std::function<void(TzRvnSettings&, std::wstring_view)> read;
    std::function<std::string(const TzRvnSettings&)> write;
};

template <typename Int>
SettingsLine integerLine(Int TzRvnSettings::*field) {
    return {TzRvnNumberKind::integer,
            [field](TzRvnSettings& s, std::wstring_view text) { s.*field = static_cast<Int>(LeadingInt(text)); },
            [field](const TzRvnSettings& s) { return std::to_string(static_cast<int>(s.*field)); }};
}

SettingsLine realLine(double TzRvnSettings::*field) {
    return {TzRvnNumberKind::real, [field](TzRvnSettings& s, std::wstring_view text) { s.*field = LeadingDouble(text); },
            [field](const TzRvnSettings& s) { return FixedText(s.*field, kDecimals); }};
}

// The file's lines in order.
const std::vector<SettingsLine>& settingsLines() {
    static const std::vector<SettingsLine> lines = {
        integerLine(&TzRvnSettings::flowUnit),
        integerLine(&TzRvnSettings::diameterUnit),
        integerLine(&TzRvnSettings::roughnessUnit),
        integerLine(&TzRvnSettings::slopeUnit),
        integerLine(&TzRvnSettings::fluidIndex),
        realLine(&TzRvnSettings::viscosity),
        realLine(&TzRvnSettings::initialVelocity),
        integerLine(&TzRvnSettings::maxIterations),
        realLine(&TzRvnSettings::minBranchFlow),
        realLine(&TzRvnSettings::headTolerance),
        realLine(&TzRvnSettings::flowTolerance),
        integerLine(&TzRvnSettings::materialIndex),
        realLine(&TzRvnSettings::defaultRoughness),
        realLine(&TzRvnSettings::minPressureHead),
        realLine(&TzRvnSettings::maxPressureHead),
        realLine(&TzRvnSettings::minVelocity),
        realLine(&TzRvnSettings::maxVelocity),
        integerLine(&TzRvnSettings::colourLowHead),
        integerLine(&TzRvnSettings::colourHighHead),
        integerLine(&TzRvnSettings::colourLowVelocity),
        integerLine(&TzRvnSettings::colourHighVelocity),
    };
    return lines;
}

}  // namespace

void ReadSettingsText(std::string_view utf8, TzRvnSettings& settings) {
    const std::vector<std::wstring> lines = SplitInputLines(utf8, kLineBuffer);
    const std::vector<SettingsLine>& fields = settingsLines();
    for (std::size_t k = 0; k < lines.size() && k < fields.size(); ++k) {
        fields[k].read(settings, StripLineEnd(lines[k]));
    }
}

std::optional<TzRvnLineFault> CheckSettingsText(std::string_view utf8) {
    const std::vector<std::wstring> lines = SplitInputLines(utf8, kLineBuffer);
    const std::vector<SettingsLine>& fields = settingsLines();
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (auto fault = CheckNumberLine(lines, k, kLineBuffer, fields[k].kind)) return fault;
    }
    return std::nullopt;
}

int ReadSettingsFile(std::FILE* file, TzRvnSettings& settings) {
    std::string bytes;
    if (!ReadAllBytes(file, bytes)) return 0;
    ReadSettingsText(bytes, settings);
    return 1;
}

std::string SettingsFileText(const TzRvnSettings& settings) {
    std::string text;
    for (const SettingsLine& line : settingsLines()) text += line.write(settings) + "\n";
    return text;
}

int LoadSettingsFile(const std::wstring& path, TzRvnSettings& settings) {
    TzRvnFile file = OpenFile(path, "r+");
    if (!file) return 0;
    TzRvnSettings read = settings;
    if (!ReadSettingsFile(file.get(), read)) return 0;
    settings = read;
    return 1;
}

TzRvnCheckedFile ReadCheckedSettingsFile(const std::wstring& path, TzRvnSettings& settings) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return {TzRvnCheckedFileStatus::notRead, {}};
    if (std::optional<TzRvnLineFault> fault = CheckSettingsText(bytes)) {
        return {TzRvnCheckedFileStatus::malformed, std::move(*fault)};
    }
    ReadSettingsText(bytes, settings);
    return {};
}
