// Constants of the host's drawing file (docs/drawing-format.md describes the whole layout).
#pragma once

#include <array>
#include <cstdint>

namespace rvnhost::drawing_format {

// "RVNDWG" then CR LF, which a transfer that rewrites line ends would damage visibly.
inline constexpr std::array<unsigned char, 8> kMagic = {'R', 'V', 'N', 'D', 'W', 'G', '\r', '\n'};
inline constexpr std::uint16_t kVersion = 1;

// Bits of an object record's flags.
inline constexpr std::uint8_t kEntityFlag = 0x01;

}  // namespace rvnhost::drawing_format
