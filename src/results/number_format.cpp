#include "results/number_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "vm/code_text.h"

namespace zentra {

std::string formatGeneral(double value, int precision) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";
    const int p = precision < 1 ? 1 : (precision > 17 ? 17 : precision);

    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", p - 1, std::fabs(value));
    // buffer: d.ddddde+XX
    std::string digits;
    const char* c = buffer;
    for (; *c != 'e'; ++c) {
        if (*c != '.') digits += *c;
    }
    const int e = std::atoi(c + 1) + 1;  // value = 0.d1d2... x 10^e
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int n = static_cast<int>(digits.size());

    std::string out = value < 0 ? "-" : "";
    if (e >= -3 && e <= p) {
        if (e <= 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-e), '0');
            out += digits;
        } else if (e >= n) {
            out += digits;
            out.append(static_cast<std::size_t>(e - n), '0');
        } else {
            out += digits.substr(0, static_cast<std::size_t>(e));
            out += '.';
            out += digits.substr(static_cast<std::size_t>(e));
        }
        return out;
    }
    out += digits[0];
    if (n > 1) {
        out += '.';
        out += digits.substr(1);
    }
    out += 'E';
    out += std::to_string(e - 1);
    return out;
}

std::string formatHex(double value, int precision) {
    if (value == 0.0) return "0";
    if (!(std::fabs(value) <= 2147483647.0)) return "********";
    const auto integer = static_cast<std::int32_t>(std::floor(value));
    const double fraction = (value - integer) * 4294967296.0;
    const auto fractionBits =
        static_cast<std::uint32_t>(static_cast<std::int64_t>(std::trunc(fraction)));

    std::string out(1, '0');
    if (integer != 0) {
        const std::string digits = hexDigits(static_cast<int>(static_cast<std::uint32_t>(integer)), 8);
        out = digits.substr(digits.find_first_not_of('0'));
    }
    const int g = static_cast<int>(std::trunc(std::log10(std::fabs(value)) + 1));
    // In double: a loaded document's precision may be any int.
    const int h = static_cast<int>(std::trunc((static_cast<double>(precision) - g) * 0.831 + 0.5));
    if (fractionBits != 0 && h > 0) {
        out += '.';
        out += hexDigits(static_cast<int>(fractionBits), 8).substr(0, static_cast<std::size_t>(h < 8 ? h : 8));
    }
    return out;
}

}  // namespace zentra
