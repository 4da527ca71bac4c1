// The multi-step operations, shared by the reference machine and the
// threaded machine so that both round and draw exactly alike.
#pragma once

#include <cmath>
#include <cstdint>

#include "vm/value_stores.h"

namespace zentra {

// Truncates toward zero to 64 bits and keeps the low 32 bits as a signed value;
// NaN and values beyond the 64-bit range give 0.
inline int truncateToInt32(double x) {
    if (!(std::fabs(x) < 9223372036854775808.0)) return 0;
    const auto wide = static_cast<std::int64_t>(x);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

// Exponents up to this size are raised by literal repeated multiplication, so the
// rounding is exactly that of the defined method; larger ones (which would take
// seconds that way) use binary powering.
inline constexpr std::int64_t kLiteralPowerLimit = 65536;

inline double integralPower(double a, int n) {
    std::int64_t count = n < 0 ? -static_cast<std::int64_t>(n) : n;
    double r = 1.0;
    if (count <= kLiteralPowerLimit) {
        if (n > 0) {
            for (std::int64_t k = 0; k < count; ++k) r = a * r;
        } else {
            for (std::int64_t k = 0; k < count; ++k) r = r / a;
        }
        return r;
    }
    double base = n > 0 ? a : 1.0 / a;
    while (count > 0) {
        if (count & 1) r *= base;
        base *= base;
        count >>= 1;
    }
    return r;
}

inline double drawUniform(RandomSource& random) { return random.draw() * (1.0 / 32767.0); }

inline double drawGauss(RandomSource& random, double x) {
    int sum = 0;
    for (int k = 0; k < 12; ++k) sum += random.draw() & 0x7FFF;
    return (sum - 196608) * 3.051758e-05 * x;
}

}  // namespace zentra
