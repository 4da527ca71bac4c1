// Printed result values, written for the tests from the rules of the general
// form alone (the engine's own formatter is what they check).
#pragma once

#include <string>

namespace zentra::test_support {

// The value rounded to `digits` significant digits: fixed-point while the
// decimal exponent E (value = 0.d1d2... x 10^E) lies in -3..digits, else
// d.dddE+-x; trailing zeros dropped; 0 as "0"; INF, -INF and NAN.
std::string generalNumberText(double value, int digits);

}  // namespace zentra::test_support
