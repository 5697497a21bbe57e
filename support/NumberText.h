// Numbers as text, written here instead of taken from the C library's printf family: MinGW's
// printf brings its own formatter and floating-point conversion (about 20 KiB) into each
// program that calls it.
#pragma once

#include <string>

namespace NumberText {

// The decimal digits of value, with a leading '-' when negative ("%d").
std::wstring Decimal(int value);
// What "%.15g" writes: 15 significant digits, correctly rounded (an exact half to even), no
// trailing zeros, in exponent form ("1.5e+20", "1e-05") when the decimal exponent is below -4
// or above 14; "inf", "-inf" and "nan" (whatever its sign) for the values that are no number.
std::wstring General(double value);

}  // namespace NumberText
