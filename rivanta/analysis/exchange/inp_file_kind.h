// What an EPANET input file must be before its lines are read: text, UTF-8 (or ASCII), not empty.
// A file that is not says what it is, instead of a refusal of some section and line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Why bytes cannot be an input file (empty, UTF-16 text, not text at all), as a translated reason;
// nothing when they can.
std::optional<std::wstring> InpFileKindRefusal(std::string_view bytes);
