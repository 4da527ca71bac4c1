#include "base/hex_digits.h"

#include <gtest/gtest.h>

#include <string>

namespace zentra {
namespace {

struct WriteCase {
    std::int64_t value;
    int width;
    const char* digits;
};

class HexDigits : public ::testing::TestWithParam<WriteCase> {};

TEST_P(HexDigits, WritesTheLastDigitsInUpperCase) {
    EXPECT_EQ(hexDigits(GetParam().value, GetParam().width), GetParam().digits);
    std::string appended = "v";
    appendHexDigits(appended, GetParam().value, GetParam().width);
    EXPECT_EQ(appended, std::string("v") + GetParam().digits);
}

INSTANTIATE_TEST_SUITE_P(Cases, HexDigits, ::testing::Values(
    WriteCase{0, 3, "000"},
    WriteCase{0x1C, 2, "1C"},
    WriteCase{0xabc, 3, "ABC"},
    WriteCase{0x1234, 3, "234"},          // only the last digits
    WriteCase{-1, 3, "FFF"},              // a backward jump's distance
    WriteCase{-2, 8, "FFFFFFFE"},         // two's complement of 32 bits
    WriteCase{0xFFFFFFFF, 8, "FFFFFFFF"},
    WriteCase{0x12345678, 8, "12345678"},
    WriteCase{0x7F, 10, "000000007F"},    // past 32 bits: zeros
    WriteCase{5, 0, ""}));

TEST(HexDigits, EscapedByteSpellsTwoUpperCaseDigits) {
    EXPECT_EQ(escapedByte(0x00), "\\x00");
    EXPECT_EQ(escapedByte(0x1b), "\\x1B");
    EXPECT_EQ(escapedByte(0xFF), "\\xFF");
}

struct ReadCase {
    const char* text;
    std::int64_t value;
};

class HexValue : public ::testing::TestWithParam<ReadCase> {};

TEST_P(HexValue, ReadsEitherCaseIntoThirtyTwoBits) { EXPECT_EQ(hexValue(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Cases, HexValue, ::testing::Values(
    ReadCase{"1a", 26},
    ReadCase{"FF", 255},
    ReadCase{"fF", 255},
    ReadCase{"1g", -1},
    ReadCase{" 1", -1},
    ReadCase{"1G", -1},
    ReadCase{"", 0},
    ReadCase{"FFFFFFFF", 0xFFFFFFFF},  // distinct from the failure value
    ReadCase{"123456789", 0x23456789}));  // shifted in 32 bits: the first digit falls out

TEST(HexValue, DigitsAndTheirValues) {
    const std::string digits = "0123456789abcdefABCDEF";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        EXPECT_TRUE(isHexDigit(digits[i])) << digits[i];
        EXPECT_EQ(hexDigitValue(digits[i]), i < 16 ? static_cast<int>(i) : static_cast<int>(i) - 6) << digits[i];
    }
    for (const char c : std::string("gG/:@`x \xE3")) {
        EXPECT_FALSE(isHexDigit(c)) << c;
        EXPECT_EQ(hexDigitValue(c), -1) << c;
    }
    // What is written reads back.
    EXPECT_EQ(hexValue(hexDigits(0x7FFFFFFF, 8)), 0x7FFFFFFF);
}

}  // namespace
}  // namespace zentra
