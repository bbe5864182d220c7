// The texts of the job "rivanta svgout --network NAME --results": a drawn network in the colours
// of its results. They pass through the translator where they are shown.
#pragma once

#include <string_view>

namespace rvntext {

inline constexpr std::wstring_view kSvgArgumentError = L"rivanta svgout: %s\nTry \"rivanta svgout --help\".";
inline constexpr std::wstring_view kSvgNeedsNetwork = L"--network NAME --results is needed";
inline constexpr std::wstring_view kSvgMessage = L"rivanta svgout: %s";
inline constexpr std::wstring_view kSvgNoSuchNetwork =
    L"rivanta svgout: the drawing \"%s\" has no network \"%s\" (%s)";
inline constexpr std::wstring_view kSvgNetworkNotRead = L"rivanta svgout: the network \"%s\" cannot be read";
inline constexpr std::wstring_view kSvgNoSchema =
    L"rivanta svgout: the network \"%s\" is not drawn: it has no schema to colour";
inline constexpr std::wstring_view kSvgSchemaNotRead =
    L"rivanta svgout: the schema of the network \"%s\" cannot be read from the drawing";
inline constexpr std::wstring_view kSvgNoResults =
    L"rivanta svgout: the network \"%s\" has no results: calculate it first "
    L"(rivanta calc DRAWING --network %s --save)";
inline constexpr std::wstring_view kSvgWritten = L"Wrote \"%s\": network \"%s\" in the colours of its results";
// The legend's title in the picture.
inline constexpr std::wstring_view kSvgLegendTitle = L"Rete \"%s\": risultati fuori soglia";

}  // namespace rvntext
