// The texts of the job "rivanta inpout" itself: its usage, its argument errors and its messages.
// They pass through the translator where they are shown, as the plug-in's texts do, so that a
// translator library can give the whole product one language.
#pragma once

#include <string_view>

namespace rvntext {

inline constexpr std::wstring_view kInpOutUsage =
    L"Usage: rivanta inpout DRAWING --network NAME OUT.inp\n"
    L"\n"
    L"Writes the network NAME of a saved drawing as an EPANET input file: flows in l/s, lengths in m,\n"
    L"diameters and roughness in mm, Darcy-Weisbach; tanks as fixed-head tanks, excluded branches as\n"
    L"closed pipes. The settings EPANET has no option for travel as \";RIVANTA\" comments, so that\n"
    L"\"rivanta calc OUT.inp\" finds the same network. A network only drawn on its layer is read from its\n"
    L"schema with the installed settings, as \"rivanta calc\" reads it.\n"
    L"\n"
    L"  --network NAME  the network of the drawing to export\n"
    L"  -h, --help      show this help\n"
    L"\n"
    L"Exit status: 0 exported; 1 not exported; 2 wrong arguments.\n";

// Argument errors, each followed by the pointer to the help.
inline constexpr std::wstring_view kInpOutArgumentError = L"rivanta inpout: %s\nTry \"rivanta inpout --help\".";
inline constexpr std::wstring_view kInpOutOneNetwork = L"--network needs one value";
inline constexpr std::wstring_view kInpOutUnknownOption = L"unknown option %s";
inline constexpr std::wstring_view kInpOutTooManyFiles = L"too many files: \"%s\"";
inline constexpr std::wstring_view kInpOutNeedsFiles = L"a drawing and an output file are needed";
inline constexpr std::wstring_view kInpOutNeedsNetwork = L"--network NAME is needed";

// The export.
inline constexpr std::wstring_view kInpOutHostMessage = L"rivanta inpout: %s";
inline constexpr std::wstring_view kInpOutNoSuchNetwork = L"rivanta inpout: the drawing \"%s\" has no network \"%s\"";
inline constexpr std::wstring_view kInpOutNetworkNotRead = L"rivanta inpout: the network \"%s\" cannot be read";
inline constexpr std::wstring_view kInpOutExported = L"Exported network \"%s\" to \"%s\"";

}  // namespace rvntext
