// Numbers of EPANET input files, read and written with a decimal point whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The value of a whole UTF-8 token ("12", "-0.5", "+1e-3"); nothing when the token is not entirely a
// finite decimal number.
std::optional<double> ParseInpNumber(std::string_view token);

// The shortest text that reads back as exactly value ("0.1", "1e-07", "250").
std::string InpNumberText(double value);
