#include "front/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace zentra {
namespace {

struct NumberCase {
    std::string text;
    double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.text; }

class NumberText : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, ReadsAsFarAsTheTextIsANumber) {
    const double value = numberTextValue(GetParam().text);
    EXPECT_EQ(value, GetParam().value);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value));
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberText,
    testing::Values(NumberCase{"2.5", 2.5}, NumberCase{"-5", -5.0}, NumberCase{"1.5E-3", 1.5e-3},
                    NumberCase{"2E5", 2e5}, NumberCase{"1.2.3", 1.2}, NumberCase{"2Ex", 2.0},
                    NumberCase{"3E", 3.0}, NumberCase{"", 0.0}, NumberCase{"-", 0.0},
                    NumberCase{"1E400", kInf}, NumberCase{"-1E400", -kInf},
                    NumberCase{"1E-400", 0.0}, NumberCase{"-1E-400", -0.0},
                    NumberCase{"1" + std::string(400, '0'), kInf},
                    NumberCase{"0." + std::string(400, '0') + "1", 0.0},
                    NumberCase{std::string(400, '0') + "1E-2", 0.01},
                    NumberCase{"1E99999999999", kInf}, NumberCase{"1E-99999999999", 0.0}));

TEST(NumberText, ReadingOnceAgreesWithTheTestAndTheValue) {
    for (const char* text : {"2.5",   "-5",     "1.5E-3", "2E5",     "1.", ".5",  "0",     "-0",
                             "1e999", "-1e999", "1e-999", "-1e-999", "",   "abc", "1.2.3", "2Ex",
                             "1e",    "0x10",   "inf",    "nan",     "+5", " 1"}) {
        double value = 12345.0;
        const bool read = readNumberText(text, value);
        EXPECT_EQ(read, isNumberText(text)) << text;
        if (read) {
            const double expected = numberTextValue(text);
            EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0)
                << text << " " << value;  // -0.0 too
        } else {
            EXPECT_EQ(value, 12345.0) << text;
        }
    }
}

TEST(IntegerText, AcceptsOnlyAWholeDecimalInteger) {
    EXPECT_EQ(integerTextValue("10"), 10);
    EXPECT_EQ(integerTextValue("-3"), -3);
    EXPECT_EQ(integerTextValue("3000000000"), 3000000000LL);
    for (const char* text : {"", "1.5", "1E3", "12a", "-", "99999999999999999999"}) {
        EXPECT_FALSE(integerTextValue(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace zentra
