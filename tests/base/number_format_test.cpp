#include "base/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>

namespace zentra {
namespace {

constexpr double kPi = std::numbers::pi;

struct GeneralCase {
    double value;
    int precision;
    const char* text;
};

void PrintTo(const GeneralCase& c, std::ostream* os) { *os << c.value << " @" << c.precision; }

class GeneralForm : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralForm, PrintsTheValueAtThePrecision) {
    EXPECT_EQ(formatGeneral(GetParam().value, GetParam().precision), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(FixedAndScientific, GeneralForm, ::testing::Values(
    GeneralCase{1.5e20, 12, "1.5E20"},
    GeneralCase{0.000001, 12, "1E-6"},
    GeneralCase{0.0001, 12, "0.0001"},
    GeneralCase{0.0001234, 12, "0.0001234"},   // E = -3: still fixed
    GeneralCase{0.00001234, 12, "1.234E-5"},   // E = -4: scientific
    GeneralCase{2.0 / 3.0, 12, "0.666666666667"},
    GeneralCase{2.0 / 3.0, 4, "0.6667"},
    GeneralCase{2.0 / 3.0, 15, "0.666666666666667"},
    GeneralCase{0.0, 12, "0"},
    GeneralCase{-0.0, 12, "0"},
    GeneralCase{1.0, 4, "1"},
    GeneralCase{255.5, 12, "255.5"},
    GeneralCase{-255.5, 12, "-255.5"},
    GeneralCase{-1.5e20, 12, "-1.5E20"},
    GeneralCase{-0.000001, 12, "-1E-6"},
    GeneralCase{1e14, 15, "100000000000000"},  // E = p: fixed, zeros filled in
    GeneralCase{1e15, 15, "1E15"},             // E = p + 1
    GeneralCase{1e-300, 15, "1E-300"},
    GeneralCase{123456.0, 4, "1.235E5"}));

INSTANTIATE_TEST_SUITE_P(ThirteenDigitIntegers, GeneralForm, ::testing::Values(
    GeneralCase{1234567890123.0, 12, "1.23456789012E12"},
    GeneralCase{1234567890123.0, 13, "1234567890123"},
    GeneralCase{1234567890123.0, 15, "1234567890123"},
    GeneralCase{-1234567890123.0, 12, "-1.23456789012E12"},
    GeneralCase{123456789012.0, 12, "123456789012"}));

INSTANTIATE_TEST_SUITE_P(RoundingCarries, GeneralForm, ::testing::Values(
    GeneralCase{9.99999, 4, "10"},
    GeneralCase{-9.99999, 4, "-10"},
    GeneralCase{99.99999, 4, "100"},
    GeneralCase{0.099999, 4, "0.1"},
    GeneralCase{9999.7, 4, "1E4"},        // the carry moves the exponent past p
    GeneralCase{0.00099999, 4, "0.001"},  // and back into the fixed range
    GeneralCase{1.23456, 4, "1.235"},
    GeneralCase{1.00001, 4, "1"}));

INSTANTIATE_TEST_SUITE_P(EveryPrecision, GeneralForm, ::testing::Values(
    GeneralCase{kPi, 4, "3.142"}, GeneralCase{kPi, 5, "3.1416"}, GeneralCase{kPi, 6, "3.14159"},
    GeneralCase{kPi, 7, "3.141593"}, GeneralCase{kPi, 8, "3.1415927"},
    GeneralCase{kPi, 9, "3.14159265"}, GeneralCase{kPi, 10, "3.141592654"},
    GeneralCase{kPi, 11, "3.1415926536"}, GeneralCase{kPi, 12, "3.14159265359"},
    GeneralCase{kPi, 13, "3.14159265359"},  // the 13th digit rounds to 0 and is dropped
    GeneralCase{kPi, 14, "3.1415926535898"}, GeneralCase{kPi, 15, "3.14159265358979"}));

INSTANTIATE_TEST_SUITE_P(NotFinite, GeneralForm, ::testing::Values(
    GeneralCase{std::numeric_limits<double>::infinity(), 12, "INF"},
    GeneralCase{-std::numeric_limits<double>::infinity(), 12, "-INF"},
    GeneralCase{std::numeric_limits<double>::quiet_NaN(), 12, "NAN"}));

struct HexCase {
    double value;
    int precision;
    const char* text;
};

void PrintTo(const HexCase& c, std::ostream* os) { *os << c.value << " @" << c.precision; }

class HexForm : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexForm, PrintsIntegerAndFractionDigits) {
    EXPECT_EQ(formatHex(GetParam().value, GetParam().precision), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, HexForm, ::testing::Values(
    HexCase{255.5, 12, "FF.8000000"},  // g = 3, h = 7.979 truncated to 7
    HexCase{1.0, 12, "1"},
    HexCase{0.0, 12, "0"},
    HexCase{-1.0, 12, "FFFFFFFF"},
    HexCase{2147483647.0, 12, "7FFFFFFF"},
    HexCase{-2147483647.0, 12, "80000001"},
    HexCase{0.5, 12, "0.80000000"},        // h = 10: all 8 fraction digits
    HexCase{-0.5, 12, "FFFFFFFF.80000000"},  // floor -1 plus one half
    HexCase{-2.25, 12, "FFFFFFFD.C0000000"},
    HexCase{0.1, 12, "0.19999999"},        // the fraction is truncated, not rounded
    HexCase{255.5, 4, "FF.8"},             // h = 1.331 -> 1
    HexCase{1000.5, 4, "3E8"},             // h = 0.5 -> 0: no fraction
    HexCase{16.0625, 15, "10.10000000"}));  // h = 11, but only 8 digits exist

INSTANTIATE_TEST_SUITE_P(OutOfRange, HexForm, ::testing::Values(
    HexCase{3e9, 12, "********"},
    HexCase{-3e9, 12, "********"},
    HexCase{2147483647.5, 12, "********"},
    HexCase{std::numeric_limits<double>::infinity(), 12, "********"},
    HexCase{std::numeric_limits<double>::quiet_NaN(), 12, "********"}));

// A document may carry any precision, and the hexadecimal display may be
// switched on before a run clamps it: the digit count must not overflow.
INSTANTIATE_TEST_SUITE_P(PrecisionOfAnyInteger, HexForm, ::testing::Values(
    HexCase{0.001, std::numeric_limits<int>::max(), "0.00418937"},
    HexCase{0.001, std::numeric_limits<int>::min(), "0"},
    HexCase{1e-300, std::numeric_limits<int>::max(), "0"},
    HexCase{-2147483647.0, std::numeric_limits<int>::min(), "80000001"},
    HexCase{255.5, std::numeric_limits<int>::max(), "FF.80000000"}));

TEST(NumberText, ZeroPad) {
    EXPECT_EQ(zeroPad(7, 3), "007");
    EXPECT_EQ(zeroPad(1234, 3), "1234");
    EXPECT_EQ(zeroPad(0, 2), "00");
}

}  // namespace
}  // namespace zentra
