// Numbers as the drawing shows and reads them: linear units (1 scientific, 2 decimal) and angular
// units (0 degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians). Engineering, architectural and
// fractional linear units (3, 4, 5) and surveyor's angles (4) are not built: they are refused.
// Halves round away from zero on the value's shortest decimal text (2.675 at 2 decimals: 2.68).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rvnhost {

inline constexpr int kScientificUnits = 1;
inline constexpr int kDecimalUnits = 2;
inline constexpr int kMaxPrecision = 16;

enum class UnitsSupport { Supported, NotBuilt, Invalid };

UnitsSupport linearUnitsSupport(int units);
UnitsSupport angularUnitsSupport(int units);

// The value written in the units with that many decimals; nullopt for units not supported, a
// precision outside 0..kMaxPrecision, or a value that is not finite.
std::optional<std::wstring> formatLinear(double value, int units, int precision);
// The value of a distance text in the units; nullopt when the text is not one.
std::optional<double> parseLinear(std::wstring_view text, int units);
// The value in radians of an angle text in the units; nullopt when the text is not one.
std::optional<double> parseAngle(std::wstring_view text, int units);
// A plain decimal number: sign, digits with an optional point, optional exponent; blanks around it
// are ignored. nullopt for anything else or a value that is not finite.
std::optional<double> parseNumber(std::wstring_view text);

}  // namespace rvnhost
