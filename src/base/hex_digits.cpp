#include "base/hex_digits.h"

namespace zentra {

void appendHexDigits(std::string& out, std::int64_t value, int width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 4 * (width - 1); shift >= 0; shift -= 4) out += shift < 32 ? kDigits[(bits >> shift) & 0xF] : '0';
}

std::string hexDigits(std::int64_t value, int width) {
    std::string out;
    appendHexDigits(out, value, width);
    return out;
}

std::string escapedByte(unsigned char byte) {
    std::string out = "\\x";
    appendHexDigits(out, byte, 2);
    return out;
}

std::int64_t hexValue(std::string_view text) {
    std::uint32_t value = 0;
    for (const char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0) return -1;
        value = (value << 4) + static_cast<std::uint32_t>(digit);
    }
    return value;
}

}  // namespace zentra
