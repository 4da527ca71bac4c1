#include "base/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "base/hex_digits.h"

namespace zentra {

std::string formatGeneral(double value, int precision) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";
    const int p = precision < 1 ? 1 : (precision > 17 ? 17 : precision);

    // d.ddddde+XX, rounded as printf's %.*e rounds (a sweep prints every pass,
    // so this avoids printf's slower formatting).
    char buffer[64];
    const char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, p - 1).ptr;
    char digits[24];
    int n = 0;
    const char* c = buffer;
    for (; c != end && *c != 'e'; ++c) {
        if (*c != '.') digits[n++] = *c;
    }
    int e = 0;  // value = 0.d1d2... x 10^e
    const bool negativeExponent = c + 1 != end && c[1] == '-';
    for (const char* d = c + 2; d < end; ++d) e = e * 10 + (*d - '0');
    e = (negativeExponent ? -e : e) + 1;
    while (n > 1 && digits[n - 1] == '0') --n;

    char out[64];
    int k = 0;
    auto put = [&](char ch) { out[k++] = ch; };
    auto putDigits = [&](int from, int to) {
        for (int i = from; i < to; ++i) put(digits[i]);
    };
    if (value < 0) put('-');
    if (e >= -3 && e <= p) {
        if (e <= 0) {
            put('0');
            put('.');
            for (int i = 0; i < -e; ++i) put('0');
            putDigits(0, n);
        } else if (e >= n) {
            putDigits(0, n);
            for (int i = n; i < e; ++i) put('0');
        } else {
            putDigits(0, e);
            put('.');
            putDigits(e, n);
        }
        return std::string(out, static_cast<std::size_t>(k));
    }
    put(digits[0]);
    if (n > 1) {
        put('.');
        putDigits(1, n);
    }
    put('E');
    const char* const exponentEnd = std::to_chars(out + k, out + sizeof out, e - 1).ptr;
    return std::string(static_cast<const char*>(out), exponentEnd);
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

std::string zeroPad(long long value, int width) {
    std::string out = std::to_string(value);
    if (static_cast<int>(out.size()) < width) {
        out.insert(0, static_cast<std::size_t>(width) - out.size(), '0');
    }
    return out;
}

}  // namespace zentra
