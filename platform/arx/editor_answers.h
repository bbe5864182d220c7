// How the editor reads a typed answer: points, integers, cancel words and entity handles.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "gepnt3d.h"

namespace rvnhost {

// "*Cancel*", "ESC" or "^C", in any case: the user cancels the prompt.
bool isCancelWord(std::wstring_view answer);

// A typed point: "x,y" (z 0), "x,y,z", "distance<angle" (from the origin), or any of them after
// "@" relative to lastPoint ("@" alone is lastPoint). Angles are in angularUnits. nullopt when the
// text is not a point.
std::optional<AcGePoint3d> parsePoint(std::wstring_view answer, const AcGePoint3d& lastPoint, int angularUnits);

// A decimal integer from -32768 to 32767; nullopt for anything else.
std::optional<int> parseShortInteger(std::wstring_view answer);
// True when the text is an integer, whatever its size (to tell "out of range" from "not a number").
bool looksLikeInteger(std::wstring_view answer);

// An entity handle typed as "#" and hexadecimal digits; nullopt for anything else.
std::optional<std::uint64_t> parseHandle(std::wstring_view answer);

// The answer without blanks around it.
std::wstring trimmedAnswer(std::wstring_view answer);

}  // namespace rvnhost
