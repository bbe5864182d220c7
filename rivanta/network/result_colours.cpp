#include "network/result_colours.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

std::optional<std::uint32_t> PressureHeadColour(const TzRvnSettings& settings, double pressureHead) {
    if (pressureHead <= NO_RESULT) return std::nullopt;
    if (pressureHead < settings.minPressureHead) return settings.colourLowHead;
    if (pressureHead > settings.maxPressureHead) return settings.colourHighHead;
    return std::nullopt;
}

std::optional<std::uint32_t> VelocityColour(const TzRvnSettings& settings, double velocity) {
    if (velocity <= NO_RESULT) return std::nullopt;
    const double speed = std::fabs(velocity);
    if (speed < settings.minVelocity) return settings.colourLowVelocity;
    if (speed > settings.maxVelocity) return settings.colourHighVelocity;
    return std::nullopt;
}

bool HasResults(const TzRvnNetworkData& data) {
    return std::any_of(data.nodes().begin(), data.nodes().end(),
                       [](const TzRvnNode& node) { return node.pressureHead > NO_RESULT; }) ||
           std::any_of(data.edges().begin(), data.edges().end(),
                       [](const TzRvnEdge& edge) { return edge.velocity > NO_RESULT; });
}

namespace {

// The legend's lines, as the settings dialog names the thresholds.
constexpr std::wstring_view kKeyLowHead = L"h < hmin = %s m";
constexpr std::wstring_view kKeyHighHead = L"h > hmax = %s m";
constexpr std::wstring_view kKeyLowVelocity = L"V < Vmin = %s m/s";
constexpr std::wstring_view kKeyHighVelocity = L"V > Vmax = %s m/s";

std::wstring twoDecimals(double value) {
    wchar_t text[64];
    std::swprintf(text, 64, L"%.2f", value);
    return text;
}

}  // namespace

std::vector<TzRvnColourKey> ResultColourKeys(const TzRvnSettings& settings, const TzRvnTranslate& translate) {
    const auto key = [&](std::uint32_t colour, std::wstring_view format, double threshold) {
        const std::wstring value = twoDecimals(threshold);
        return TzRvnColourKey{colour, FormatTranslated(translate, format, {std::wstring_view(value)})};
    };
    return {key(settings.colourLowHead, kKeyLowHead, settings.minPressureHead),
            key(settings.colourHighHead, kKeyHighHead, settings.maxPressureHead),
            key(settings.colourLowVelocity, kKeyLowVelocity, settings.minVelocity),
            key(settings.colourHighVelocity, kKeyHighVelocity, settings.maxVelocity)};
}
