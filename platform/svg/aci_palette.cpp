#include "aci_palette.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace rvnhost {

namespace {

constexpr int kFirstHue = 10;
constexpr int kLastHue = 249;
constexpr double kHueStep = 15.0;  // degrees between the 24 hues
// The brightness of each pair of indices in a hue's ten: the even one full, the odd one half saturated.
constexpr std::array<double, 5> kBrightness = {1.0, 0.8, 0.6, 0.5, 0.3};
constexpr std::array<std::uint8_t, 6> kGreys = {51, 91, 132, 173, 214, 255};  // 250 to 255

std::uint8_t channel(double value) { return static_cast<std::uint8_t>(std::lround(value * 255.0)); }

// Hue in degrees, saturation and value between 0 and 1.
RgbColour fromHsv(double hue, double saturation, double value) {
    const double sector = hue / 60.0;
    const int whole = static_cast<int>(std::floor(sector)) % 6;
    const double fraction = sector - std::floor(sector);
    const double low = value * (1.0 - saturation);
    const double falling = value * (1.0 - saturation * fraction);
    const double rising = value * (1.0 - saturation * (1.0 - fraction));
    const std::array<std::array<double, 3>, 6> sectors = {{{value, rising, low},
                                                           {falling, value, low},
                                                           {low, value, rising},
                                                           {low, falling, value},
                                                           {rising, low, value},
                                                           {value, low, falling}}};
    const std::array<double, 3>& rgb = sectors[static_cast<std::size_t>(whole)];
    return {channel(rgb[0]), channel(rgb[1]), channel(rgb[2])};
}

}  // namespace

RgbColour aciColour(int index) {
    static constexpr std::array<RgbColour, 10> kNamed = {{{0, 0, 0},
                                                          {255, 0, 0},
                                                          {255, 255, 0},
                                                          {0, 255, 0},
                                                          {0, 255, 255},
                                                          {0, 0, 255},
                                                          {255, 0, 255},
                                                          {0, 0, 0},
                                                          {128, 128, 128},
                                                          {192, 192, 192}}};
    if (index < 0 || index > 255) return {};
    if (index < kFirstHue) return kNamed[static_cast<std::size_t>(index)];
    if (index > kLastHue) {
        const std::uint8_t grey = kGreys[static_cast<std::size_t>(index - kLastHue - 1)];
        return {grey, grey, grey};
    }
    const int offset = index - kFirstHue;
    const double hue = (offset / 10) * kHueStep;
    const double saturation = offset % 2 == 0 ? 1.0 : 0.5;
    return fromHsv(hue, saturation, kBrightness[static_cast<std::size_t>((offset % 10) / 2)]);
}

RgbColour colourOfColorref(std::uint32_t colorref) {
    return {static_cast<std::uint8_t>(colorref & 0xFF), static_cast<std::uint8_t>((colorref >> 8) & 0xFF),
            static_cast<std::uint8_t>((colorref >> 16) & 0xFF)};
}

std::string hexColour(const RgbColour& colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return text;
}

}  // namespace rvnhost
