// The multi-step operations, shared by the reference machine and the
// threaded machine so that both round and draw exactly alike.
#pragma once

#include <cmath>
#include <cstdint>

#include "vm/machine.h"
#include "vm/value_stores.h"

namespace zentra {

// Truncates toward zero to 64 bits and keeps the low 32 bits as a signed value;
// NaN and values beyond the 64-bit range give 0.
inline int truncateToInt32(double x) {
    if (!(std::fabs(x) < 9223372036854775808.0)) return 0;
    const auto wide = static_cast<std::int64_t>(x);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

// int(): truncation toward zero of the whole value, exact for every double
// (all of them beyond 2^52 are whole already). Infinities and NaN stay as
// they are; -0.0 becomes 0.0, as the integer conversion gave it.
inline double integerPart(double x) { return std::trunc(x) + 0.0; }

// Exponents up to this size are raised by literal repeated multiplication, so the
// rounding is exactly that of the defined method; larger ones (which would take
// seconds that way) use the C library's pow, within an ulp or so of the exact power.
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
    return std::pow(a, static_cast<double>(n));
}

// The slot of element x of the array at `base` with `count` elements, or the
// failure: an index outside 0..count-1 (indices keep the 32-bit rule), or a
// slot past the variable store (only a hand-made count can reach that).
inline int elementSlot(int base, int count, double x) {
    const int index = truncateToInt32(x);
    if (index < 0 || index >= count) return kElementOutsideArray;
    if (base + index >= kStoreSize) return kElementOutOfRange;
    return base + index;
}

// --- angles in degrees ---------------------------------------------------
inline constexpr double kDegreesPerRadian = 57.29577951308232;

// A non-zero whole multiple of 90 degrees as its quarter turn 0..3 (360k, 90 +
// 360k, ...); -1 for every other argument, which keeps the plain formula.
// 0 itself needs nothing: the formula is exact there.
inline int rightAngleQuarter(double x) {
    if (x == 0.0 || x != std::trunc(x) || std::fmod(x, 90.0) != 0.0) return -1;
    double turn = std::fmod(x, 360.0);  // exact, with the sign of x
    if (turn < 0.0) turn += 360.0;
    return static_cast<int>(turn / 90.0);
}

inline double sineOf(double x, double u) {
    if (u == kDegreesPerRadian) {
        static constexpr double kValues[] = {0.0, 1.0, 0.0, -1.0};
        const int quarter = rightAngleQuarter(x);
        if (quarter >= 0) return kValues[quarter];
    }
    return std::sin(x / u);
}

inline double cosineOf(double x, double u) {
    if (u == kDegreesPerRadian) {
        static constexpr double kValues[] = {1.0, 0.0, -1.0, 0.0};
        const int quarter = rightAngleQuarter(x);
        if (quarter >= 0) return kValues[quarter];
    }
    return std::cos(x / u);
}

// False for the tangent of an odd multiple of 90 degrees, which has no value.
inline bool tangentOf(double x, double u, double& r) {
    if (u == kDegreesPerRadian) {
        const int quarter = rightAngleQuarter(x);
        if (quarter >= 0) {
            r = 0.0;
            return quarter % 2 == 0;
        }
    }
    r = std::tan(x / u);
    return true;
}

inline double drawUniform(RandomSource& random) { return random.draw() * (1.0 / 32767.0); }

inline double drawGauss(RandomSource& random, double x) {
    int sum = 0;
    for (int k = 0; k < 12; ++k) sum += random.draw() & 0x7FFF;
    return (sum - 196608) * 3.051758e-05 * x;
}

// --- the jump counter ----------------------------------------------------
inline int loopLimitOf(const MachineSettings& settings) {
    return settings.loopLimit < 1 ? 1 : settings.loopLimit;
}

// The jump count at which a pass next stops to look: the loop limit, or the
// next multiple of kKeepRunningInterval before it when somebody asks. The
// machines keep only this in their loop, so a jump costs what it did
// before there was anybody to ask.
inline int nextJumpStop(int jumps, const MachineSettings& settings) {
    const int loopLimit = loopLimitOf(settings);
    if (settings.keepRunning == nullptr) return loopLimit;
    const int toNext = kKeepRunningInterval - jumps % kKeepRunningInterval;
    return loopLimit - jumps <= toNext ? loopLimit : jumps + toNext;
}

// At a stop: the loop-limit failure or the cancellation (negative), or the next stop.
[[gnu::cold, gnu::noinline]] inline int atJumpStop(int jumps, const MachineSettings& settings) {
    if (jumps >= loopLimitOf(settings)) return kLoopLimitReached;
    if (!settings.keepRunning(settings.keepRunningContext)) return kPassCancelled;
    return nextJumpStop(jumps, settings);
}

}  // namespace zentra
