// Rounding of branch lengths to the drawing's linear precision.
#pragma once

// x rounded to n decimals digit by digit: the fraction left after the n-th digit adds one unit of
// that digit only when it is greater than one half (exactly one half rounds down). A whole x is
// returned as it is.
double RoundToDecimals(double x, int n);
