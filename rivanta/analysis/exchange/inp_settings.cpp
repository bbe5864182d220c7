#include "analysis/exchange/inp_settings.h"

#include "analysis/exchange/inp_numbers.h"
#include "network/unicode_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>
#include <utility>

namespace {

template <typename Value>
using Field = std::pair<std::wstring_view, Value TzRvnSettings::*>;

const std::array<Field<std::int32_t>, 6> kIntegerFields = {{
    {L"FLOW_UNIT", &TzRvnSettings::flowUnit},
    {L"DIAMETER_UNIT", &TzRvnSettings::diameterUnit},
    {L"ROUGHNESS_UNIT", &TzRvnSettings::roughnessUnit},
    {L"SLOPE_UNIT", &TzRvnSettings::slopeUnit},
    {L"FLUID", &TzRvnSettings::fluidIndex},
    {L"MATERIAL", &TzRvnSettings::materialIndex},
}};

const std::array<Field<double>, 7> kRealFields = {{
    {L"INITIAL_VELOCITY", &TzRvnSettings::initialVelocity},
    {L"MIN_BRANCH_FLOW", &TzRvnSettings::minBranchFlow},
    {L"DEFAULT_ROUGHNESS", &TzRvnSettings::defaultRoughness},
    {L"MIN_PRESSURE_HEAD", &TzRvnSettings::minPressureHead},
    {L"MAX_PRESSURE_HEAD", &TzRvnSettings::maxPressureHead},
    {L"MIN_VELOCITY", &TzRvnSettings::minVelocity},
    {L"MAX_VELOCITY", &TzRvnSettings::maxVelocity},
}};

const std::array<Field<std::uint32_t>, 4> kColourFields = {{
    {L"COLOUR_LOW_HEAD", &TzRvnSettings::colourLowHead},
    {L"COLOUR_HIGH_HEAD", &TzRvnSettings::colourHighHead},
    {L"COLOUR_LOW_VELOCITY", &TzRvnSettings::colourLowVelocity},
    {L"COLOUR_HIGH_VELOCITY", &TzRvnSettings::colourHighVelocity},
}};

// The values a setting may take: a unit code of its table, a fluid of the list ("Acqua" or none),
// a velocity, flow, roughness or threshold that is not negative (a calculation asks more of some),
// a colour as a 24-bit RGB value.
struct Range {
    std::wstring_view key;
    double least;
    double most;
};

constexpr double kLargest = std::numeric_limits<double>::max();

constexpr std::array<Range, 17> kRanges = {{
    {L"FLOW_UNIT", 0, 1},
    {L"DIAMETER_UNIT", 0, 2},
    {L"ROUGHNESS_UNIT", 0, 2},
    {L"SLOPE_UNIT", 0, 1},
    {L"FLUID", -1, 0},
    {L"MATERIAL", -1, kLargest},
    {L"INITIAL_VELOCITY", 0, kLargest},
    {L"MIN_BRANCH_FLOW", 0, kLargest},
    {L"DEFAULT_ROUGHNESS", 0, kLargest},
    {L"MIN_PRESSURE_HEAD", 0, kLargest},
    {L"MAX_PRESSURE_HEAD", 0, kLargest},
    {L"MIN_VELOCITY", 0, kLargest},
    {L"MAX_VELOCITY", 0, kLargest},
    {L"COLOUR_LOW_HEAD", 0, 0xFFFFFF},
    {L"COLOUR_HIGH_HEAD", 0, 0xFFFFFF},
    {L"COLOUR_LOW_VELOCITY", 0, 0xFFFFFF},
    {L"COLOUR_HIGH_VELOCITY", 0, 0xFFFFFF},
}};

bool inRange(std::wstring_view key, double value) {
    for (const Range& range : kRanges) {
        if (range.key == key) return value >= range.least && value <= range.most;
    }
    return true;
}

template <typename Value>
void appendLines(const auto& fields, const TzRvnSettings& settings, std::string& text) {
    for (const Field<Value>& field : fields) {
        text += ";" + rvnutf::toUtf8(kInpSettingsMark) + " " + rvnutf::toUtf8(field.first) + " " +
                InpNumberText(static_cast<double>(settings.*field.second)) + "\n";
    }
}

template <typename Value>
bool fits(double value) {
    if constexpr (std::is_floating_point_v<Value>) {
        return true;
    } else {
        return value == std::floor(value) && value >= static_cast<double>(std::numeric_limits<Value>::min()) &&
               value <= static_cast<double>(std::numeric_limits<Value>::max());
    }
}

// Sets the field of fields named key; nothing (no value) when none is.
template <typename Value>
std::optional<bool> setField(const auto& fields, std::wstring_view key, double value, TzRvnSettings& settings) {
    for (const Field<Value>& field : fields) {
        if (field.first != key) continue;
        if (!fits<Value>(value)) return false;
        settings.*field.second = static_cast<Value>(value);
        return true;
    }
    return std::nullopt;
}

}  // namespace

std::string InpSettingsLines(const TzRvnSettings& settings) {
    std::string text;
    appendLines<std::int32_t>(kIntegerFields, settings, text);
    appendLines<double>(kRealFields, settings, text);
    appendLines<std::uint32_t>(kColourFields, settings, text);
    return text;
}

bool SetInpSetting(std::wstring_view key, std::wstring_view value, TzRvnSettings& settings) {
    const std::optional<double> number = ParseInpNumber(rvnutf::toUtf8(value));
    if (!number || !inRange(key, *number)) return false;
    if (auto set = setField<std::int32_t>(kIntegerFields, key, *number, settings)) return *set;
    if (auto set = setField<double>(kRealFields, key, *number, settings)) return *set;
    return setField<std::uint32_t>(kColourFields, key, *number, settings).value_or(false);
}
