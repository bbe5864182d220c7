// Numbers in dialog fields: shown with up to 15 significant digits ("1", "0.1", "-0.5"), read only
// when the whole field is one finite decimal number (blanks around it allowed), whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::wstring DialogNumberText(double value);
std::optional<double> DialogNumber(std::wstring_view text);
