// Reals in the texts of attributes: written in the drawing's current linear format, read back
// with a plain decimal conversion.
#pragma once

#include <string>
#include <string_view>

// The value as the current drawing shows a length (its units and precision); "0" when the host
// cannot format it.
std::wstring FormatDrawingReal(double value);
// The leading decimal number of the text; 0 when there is none.
double ParseDrawingReal(std::wstring_view text);
