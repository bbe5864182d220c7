// Colours of the drawing: the host's colour index (ACI) as the red, green and blue a picture shows.
#pragma once

#include <cstdint>
#include <string>

namespace rvnhost {

struct RgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const RgbColour&) const = default;
};

// The colour of index 1 to 255 on a white page: 7 (white on the host's dark screen) is black;
// 1 to 6 the primaries red, yellow, green, cyan, blue, magenta; 8 and 9 greys; 10 to 249 the
// 24 hues of 15 degrees, each in five brightnesses, full and half saturated; 250 to 255 greys from
// dark to white. Index 0 or above 255 gives black.
RgbColour aciColour(int index);

// A Windows RGB value (0x00BBGGRR) as a colour.
RgbColour colourOfColorref(std::uint32_t colorref);

// "#rrggbb".
std::string hexColour(const RgbColour& colour);

}  // namespace rvnhost
