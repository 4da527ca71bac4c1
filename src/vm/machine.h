// The stack machine: one pass over the code buffer.
#pragma once

#include <string>

#include "vm/value_stores.h"

namespace zentra {

// Result codes of a pass. Operation failures are minus the operation number.
enum PassResult : int {
    kPassOk = 0,
    kDivisionByZero = -3,
    kModuloByZero = -4,
    kAsinOutOfRange = -19,
    kAcosOutOfRange = -20,
    kSqrtOfNegative = -26,
    kPowerOfNonPositive = -28,
    kLogOfNonPositive = -30,
    kLog10OfNonPositive = -31,
    kLoopLimitReached = -41,
    kStackOverflow = -42,
    kElementOutOfRange = -43,
    kNoEndWord = -44,
};

inline constexpr int kStackSlots = 64;  // slot 0 is the base slot, so 63 values fit

struct MachineSettings {
    int loopLimit = 1000;                  // executed jumps allowed per pass (at least 1)
    double unitFactor = 57.29577951308232; // 1.0 for radians, 180/pi for degrees
};

// Truncates toward zero to 64 bits and keeps the low 32 bits as a signed value.
// NaN and values beyond the 64-bit range give 0, as the hardware conversion does.
int toInteger(double x);

// Runs the code buffer from word 0 until the end word or the first failure.
// Reads and writes only the stores; allocates nothing.
int execute(const CodeBuffer& code, ValueStores& stores, const MachineSettings& settings,
            RandomSource& random);

// The message box text for a negative result code.
std::string runtimeErrorMessage(int resultCode, int loopLimit);

}  // namespace zentra
