// Numbers in the system's text files: the leading-number conversions of the wide C runtime
// (_wtoi, _wtof) and the fixed-point formats of its printf, independent of the process locale.
#pragma once

#include <string>
#include <string_view>

// The leading integer of text as _wtoi reads it: blanks skipped, an optional sign, decimal
// digits; 0 when there are none; saturated to the int range.
int LeadingInt(std::wstring_view text);

// The leading number of text as _wtof reads it (decimal or hexadecimal, exponent, inf, nan);
// 0 when there is none.
double LeadingDouble(std::wstring_view text);

// Appends the decimal digits of value, with a minus sign when negative ("%d"). Unlike
// std::to_wstring, which goes through the wide printf, it formats in place.
void AppendIntegerText(std::wstring& out, long long value);

// The value as printf's "%.<decimals>f" writes it ("%lf" is six decimals, "%.10Lf" ten).
std::string FixedText(double value, int decimals);
