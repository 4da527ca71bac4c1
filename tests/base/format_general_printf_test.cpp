// formatGeneral against the printf-based form it replaced: the same text for
// random doubles of every magnitude at every precision.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "base/number_format.h"

namespace zentra {
namespace {

std::string printfGeneral(double value, int precision) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0) return "0";
    const int p = precision < 1 ? 1 : (precision > 17 ? 17 : precision);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", p - 1, std::fabs(value));
    std::string digits;
    const char* c = buffer;
    for (; *c != 'e'; ++c) {
        if (*c != '.') digits += *c;
    }
    const int e = std::atoi(c + 1) + 1;
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

TEST(FormatGeneralPrintf, SameTextForRandomDoubles) {
    std::mt19937_64 rng(2024);
    int compared = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        double value;
        switch (trial % 4) {
            case 0: {  // any bit pattern: subnormals, huge, tiny, NaN, infinities
                const std::uint64_t bits = rng();
                std::memcpy(&value, &bits, sizeof value);
                break;
            }
            case 1: value = std::uniform_int_distribution<int>(-100000, 100000)(rng) / 8.0; break;
            case 2: value = std::uniform_int_distribution<int>(-999, 999)(rng) * std::pow(10.0, trial % 40 - 20); break;
            default: value = std::uniform_real_distribution<double>(-1.0, 1.0)(rng); break;
        }
        for (const int precision : {-3, 0, 1, 2, 4, 6, 9, 12, 15, 16, 17, 20}) {
            ASSERT_EQ(formatGeneral(value, precision), printfGeneral(value, precision))
                << "value " << value << " precision " << precision;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 20000 * 12);
}

TEST(FormatGeneralPrintf, RoundingTiesAndCarries) {
    for (const double value : {0.5, 1.5, 2.5, 0.125, 9.5, 99.95, 999999.5, 0.00095, 9.999999999999999e22,
                               1e-5, 1e16, 123456789012345678.0, 5e-324, 1.7976931348623157e308}) {
        for (int precision = 1; precision <= 17; ++precision) {
            EXPECT_EQ(formatGeneral(value, precision), printfGeneral(value, precision)) << value;
            EXPECT_EQ(formatGeneral(-value, precision), printfGeneral(-value, precision)) << value;
        }
    }
}

}  // namespace
}  // namespace zentra
