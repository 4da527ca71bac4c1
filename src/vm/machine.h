// The stack machine: one pass over the code buffer.
#pragma once

#include <string>

#include "vm/operations.h"
#include "vm/value_stores.h"

namespace zentra {

// Result codes of a pass. Operation failures are minus the operation number
// (operations.h); the machine's own failures lie beyond the operation numbers.
enum PassResult : int {
    kPassOk = 0,
    kDivisionByZero = failureCodeOf(kOpDiv),
    kModuloByZero = failureCodeOf(kOpMod),
    kTangentOfRightAngle = failureCodeOf(kOpTan),  // degrees: an odd multiple of 90
    kAsinOutOfRange = failureCodeOf(kOpAsin),
    kAcosOutOfRange = failureCodeOf(kOpAcos),
    kSqrtOfNegative = failureCodeOf(kOpSqrt),
    kPowerOfNonPositive = failureCodeOf(kOpPow),
    kLogOfNonPositive = failureCodeOf(kOpLog),
    kLog10OfNonPositive = failureCodeOf(kOpLog10),
    kLoopLimitReached = -41,
    kStackOverflow = -42,
    kElementOutOfRange = -43,  // outside the variable store
    kNoEndWord = -44,
    kElementOutsideArray = -45,  // an index outside 0..count-1 of its array
    kPassCancelled = -46,        // keepRunning answered false
};

static_assert(kLoopLimitReached < -kBuiltinCount);
static_assert(operationFailing(kDivisionByZero) == kOpDiv &&
              operationFailing(kModuloByZero) == kOpMod &&
              operationFailing(kTangentOfRightAngle) == kOpTan &&
              operationFailing(kAsinOutOfRange) == kOpAsin &&
              operationFailing(kAcosOutOfRange) == kOpAcos &&
              operationFailing(kSqrtOfNegative) == kOpSqrt &&
              operationFailing(kPowerOfNonPositive) == kOpPow &&
              operationFailing(kLogOfNonPositive) == kOpLog &&
              operationFailing(kLog10OfNonPositive) == kOpLog10);

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
