// Number texts: the general form with p significant digits and the
// hexadecimal display text.
#pragma once

#include <string>

namespace zentra {

// p significant digits, trailing zeros dropped; fixed notation when the
// decimal exponent E (value = 0.d1d2... x 10^E) lies in -3..p, else
// scientific ("1.5E20", "1E-6"). Non-finite values print as INF, -INF, NAN.
std::string formatGeneral(double value, int precision);

// The hexadecimal display text of a value at a display precision:
// integer part, and as many fraction digits as the precision warrants.
std::string formatHex(double value, int precision);

// The decimal digits of value, zeros in front up to width.
std::string zeroPad(long long value, int width);

}  // namespace zentra
