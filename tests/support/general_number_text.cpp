#include "support/general_number_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace zentra::test_support {

std::string generalNumberText(double value, int digits) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";

    // Correctly rounded scientific text "d.ddd...e+XX" of the magnitude.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    std::string mantissa;
    for (char ch : text.substr(0, e)) {
        if (ch != '.') mantissa += ch;
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), end, exponent);
    const int E = exponent + 1;
    const std::size_t kept = mantissa.find_last_not_of('0');
    mantissa.erase(kept + 1);

    std::string out = value < 0 ? "-" : "";
    if (E >= -3 && E <= digits) {
        if (E <= 0) return out + "0." + std::string(static_cast<std::size_t>(-E), '0') + mantissa;
        const auto intDigits = static_cast<std::size_t>(E);
        if (mantissa.size() <= intDigits) return out + mantissa + std::string(intDigits - mantissa.size(), '0');
        return out + mantissa.substr(0, intDigits) + "." + mantissa.substr(intDigits);
    }
    out += mantissa.substr(0, 1);
    if (mantissa.size() > 1) out += "." + mantissa.substr(1);
    return out + "E" + std::to_string(E - 1);
}

}  // namespace zentra::test_support
