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
    kTangentOfRightAngle = -18,  // degrees: an odd multiple of 90
    kAsinOutOfRange = -19,
    kAcosOutOfRange = -20,
    kSqrtOfNegative = -26,
    kPowerOfNonPositive = -28,
    kLogOfNonPositive = -30,
    kLog10OfNonPositive = -31,
    kLoopLimitReached = -41,
    kStackOverflow = -42,
    kElementOutOfRange = -43,  // outside the variable store
    kNoEndWord = -44,
    kElementOutsideArray = -45,  // an index outside 0..count-1 of its array
    kPassCancelled = -46,        // keepRunning answered false
};

inline constexpr int kStackSlots = 64;  // slot 0 is the base slot, so 63 values fit

// A pass asks whether to go on each time its jump counter reaches a multiple of this.
inline constexpr int kKeepRunningInterval = 65536;

struct MachineSettings {
    int loopLimit = 1000;                  // executed jumps allowed per pass (at least 1)
    double unitFactor = 57.29577951308232; // 1.0 for radians, 180/pi for degrees
    // Asked every kKeepRunningInterval executed jumps; false ends the pass
    // with kPassCancelled. A plain function and its context: between two
    // questions a jump costs no more than without one.
    bool (*keepRunning)(void* context) = nullptr;
    void* keepRunningContext = nullptr;
};

// Truncates toward zero to 64 bits and keeps the low 32 bits as a signed value.
// NaN and values beyond the 64-bit range give 0, as the hardware conversion does.
// What %, &, |, $ and element indices work on; int() keeps the whole value.
int toInteger(double x);

// Runs the code buffer from word 0 until the end word or the first failure.
// Reads and writes only the stores; allocates nothing.
int execute(const CodeBuffer& code, ValueStores& stores, const MachineSettings& settings,
            RandomSource& random);

// The message box text for a negative result code.
std::string runtimeErrorMessage(int resultCode, int loopLimit);

}  // namespace zentra
