// Numbers as the token texts write them, read without regard to the locale
// (the desktop application runs under the user's locale, which may use a
// decimal comma).
#pragma once

#include <optional>
#include <string_view>

namespace zentra {

// The decimal floating-point number at the start of the text ("2.5", "-5",
// "1.5E-3", "2E5"). Like strtod, it reads as far as the text is a number:
// "1.2.3" gives 1.2 and "2Ex" gives 2. A text with no number in front gives 0;
// one beyond the range of a double gives an infinity, or 0 when it is too small.
double numberTextValue(std::string_view text);

// True when the whole text is one decimal floating-point number.
bool isNumberText(std::string_view text);

// isNumberText and, when it holds, numberTextValue into `value`, reading the
// text once (the literal load asks both of every literal).
bool readNumberText(std::string_view text, double& value);

// The whole text as a decimal integer ("10", "-3"); nothing when the text
// holds anything else or lies beyond 64 bits.
std::optional<long long> integerTextValue(std::string_view text);

}  // namespace zentra
