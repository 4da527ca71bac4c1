// Hexadecimal digits, written and read: the code text and the listing, the
// hexadecimal display, "0x" literals and the \xHH spelling of a byte.
// Written digits are upper case; read digits may be either case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zentra {

constexpr bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// 0 to 15, or -1 for any other character.
constexpr int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The last `width` digits of the value's 32 bits, leading zeros kept (a
// width past 8 adds zeros): a negative value shows its two's complement.
void appendHexDigits(std::string& out, std::int64_t value, int width);
std::string hexDigits(std::int64_t value, int width);

// "\x" and the two digits of the byte.
std::string escapedByte(unsigned char byte);

// The digits as a 32-bit value (shifted in a 32-bit register, so only the
// last eight count); -1 when any other character occurs; 0 for the empty text.
std::int64_t hexValue(std::string_view text);

}  // namespace zentra
