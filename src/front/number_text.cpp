#include "front/number_text.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace zentra {

namespace {

constexpr bool isDecimal(char c) { return c >= '0' && c <= '9'; }

// The power of ten of the leading significant digit of a number text that
// from_chars found beyond the range of a double: above 0 it overflowed.
long long leadingPowerOfTen(std::string_view text) {
    std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    long long integerDigits = 0;
    long long zerosAfterPoint = 0;
    bool point = false;
    bool significant = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!isDecimal(c)) break;
        if (c != '0') significant = true;
        if (!point && significant) ++integerDigits;
        if (point && !significant) ++zerosAfterPoint;
    }
    if (!significant) return std::numeric_limits<long long>::min();
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        const auto rest = text.substr(i + 1);
        int value = 0;
        const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        // An exponent beyond int is out of every range; its sign decides.
        if (result.ec == std::errc::result_out_of_range) {
            exponent = rest.starts_with('-') ? -100000 : 100000;
        } else if (result.ec == std::errc{}) {
            exponent = value;
        }
    }
    const long long lead = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);
    return lead + exponent;
}

}  // namespace

bool isNumberText(std::string_view text) {
    double value = 0.0;
    return readNumberText(text, value);
}

bool readNumberText(std::string_view text, double& value) {
    if (text.empty()) return false;
    double parsed = 0.0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, parsed);
    if (end != last || (ec != std::errc{} && ec != std::errc::result_out_of_range)) return false;
    // Out of range, numberTextValue decides between an infinity and 0.
    value = ec == std::errc{} ? parsed : numberTextValue(text);
    return true;
}

double numberTextValue(std::string_view text) {
    double value = 0.0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc{}) return value;
    if (ec == std::errc::result_out_of_range) {
        const bool negative = text.starts_with('-');
        const std::string_view matched(first, static_cast<std::size_t>(end - first));
        if (leadingPowerOfTen(matched) > 0) {
            const double huge = std::numeric_limits<double>::infinity();
            return negative ? -huge : huge;
        }
        return negative ? -0.0 : 0.0;
    }
    return 0.0;
}

std::optional<long long> integerTextValue(std::string_view text) {
    long long value = 0;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(text.data(), last, value);
    if (ec != std::errc{} || end != last) return std::nullopt;
    return value;
}

}  // namespace zentra
