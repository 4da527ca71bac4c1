#include "vm/machine.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "vm/operation_math.h"
#include "vm/operations.h"

namespace zentra {

int toInteger(double x) { return truncateToInt32(x); }

namespace {

constexpr std::uint64_t kUnaryOperations = operationsPopping(1);
constexpr std::uint64_t kBinaryOperations = operationsPopping(2);
constexpr std::uint64_t kTernaryOperations = operationsPopping(3);

// With the end word in the buffer's last slot, straight-line execution can
// never run past the buffer, so only jumps and branches need a bounds test.
template <bool kCheckEveryWord>
int run(const CodeBuffer& code, ValueStores& stores, const MachineSettings& settings,
        RandomSource& random) {
    double stack[kStackSlots];
    stack[0] = 0.0;  // the base slot: what a pop from the empty stack reads; never written
    int sp = 0;
    int ip = 0;
    int jumps = 0;
    int jumpStop = nextJumpStop(0, settings);
    const double u = settings.unitFactor;
    double* const variables = stores.variables.data();
    double* const locals = stores.locals.data();
    const double* const constants = stores.constants.data();

    auto pop = [&]() {
        const double v = stack[sp];
        sp -= (sp > 0);
        return v;
    };
#define ZENTRA_PUSH(value)                              \
    do {                                                \
        if (sp >= kStackSlots - 1) return kStackOverflow; \
        stack[++sp] = (value);                          \
    } while (0)
// After at least one pop there is always room for one value.
#define ZENTRA_REPLACE(value) (stack[++sp] = (value))

    for (;;) {
        if constexpr (kCheckEveryWord) {
            if (static_cast<unsigned>(ip) >= static_cast<unsigned>(kCodeBufferSize)) return kNoEndWord;
        }
        const CodeWord w = code[static_cast<std::size_t>(ip)];
        switch (w >> 12) {
            case 0x0:
            case 0x1:
                ZENTRA_PUSH(variables[slotOf(w)]);
                break;
            case 0x2:
                ZENTRA_PUSH(locals[localSlotOf(w)]);
                break;
            case 0x3: {
                // The count word follows; an element word in the last slot has none.
                if (ip + 1 >= kCodeBufferSize) return kNoEndWord;
                const int slot = elementSlot(
                    slotOf(w), elementCountOf(code[static_cast<std::size_t>(ip) + 1]), pop());
                if (slot < 0) return slot;
                ZENTRA_REPLACE(variables[slot]);
                if (++ip + 1 >= kCodeBufferSize) return kNoEndWord;
                break;
            }
            case 0x4:
            case 0x5:
                ZENTRA_PUSH(constants[slotOf(w)]);
                break;
            case 0x6:
            case 0x7:
                variables[slotOf(w)] = pop();
                break;
            case 0x8:
                locals[localSlotOf(w)] = pop();
                break;
            case 0x9: {
                if (ip + 1 >= kCodeBufferSize) return kNoEndWord;
                const double v = pop();
                const int slot = elementSlot(
                    slotOf(w), elementCountOf(code[static_cast<std::size_t>(ip) + 1]), pop());
                if (slot < 0) return slot;
                variables[slot] = v;
                if (++ip + 1 >= kCodeBufferSize) return kNoEndWord;
                break;
            }
            case 0xA:
            case 0xB:
                if (!(pop() > 0.0)) {
                    ip += branchDistanceOf(w);
                    if (ip >= kCodeBufferSize - 1) return kNoEndWord;
                }
                break;
            case 0xC:
            case 0xD:
                ip += jumpDistanceOf(w);
                if (static_cast<unsigned>(ip + 1) >= static_cast<unsigned>(kCodeBufferSize)) {
                    return kNoEndWord;
                }
                // The counter changes only here, so the limit test after every word
                // can only fail after a jump; the same stop asks whether to go on.
                if (jumpStop <= ++jumps) {
                    jumpStop = atJumpStop(jumps, settings);
                    if (jumpStop < 0) return jumpStop;
                }
                break;
            default: {  // 0xE, 0xF: operations and the end word
                if (w == kEndWord) return kPassOk;
                const int op = operationOf(w);
                // The operation's shape from the table as bit sets: as quick as
                // a chain of compares, and no memory load.
                const std::uint64_t bit = op < kBuiltinCount ? std::uint64_t{1} << op : 0;
                if (bit & kBinaryOperations) {
                    const double b = pop();
                    const double a = pop();
                    double r;
                    switch (op) {
                        case kOpAdd: r = a + b; break;
                        case kOpSub: r = a - b; break;
                        case kOpMul: r = a * b; break;
                        case kOpDiv:
                            if (b == 0.0) return kDivisionByZero;
                            r = a / b;
                            break;
                        case kOpMod: {
                            if (b == 0.0) return kModuloByZero;
                            const std::int64_t ia = toInteger(a);
                            const std::int64_t ib = toInteger(b);
                            if (ib == 0) return kModuloByZero;
                            r = static_cast<double>(ia % ib);
                            break;
                        }
                        case kOpGt: r = a > b; break;
                        case kOpLt: r = !(a >= b); break;
                        case kOpGe: r = a >= b; break;
                        case kOpLe: r = !(a > b); break;
                        case kOpEq: r = !(a < b || a > b); break;
                        case kOpNe: r = (a < b || a > b); break;
                        case kOpLogicalAnd: r = (a != 0.0 && b != 0.0); break;
                        case kOpLogicalOr: r = (a != 0.0 || b != 0.0); break;
                        case kOpBitAnd: r = toInteger(a) & toInteger(b); break;
                        case kOpBitOr: r = toInteger(a) | toInteger(b); break;
                        case kOpXor: r = toInteger(a) ^ toInteger(b); break;
                        case kOpAtan2: r = std::atan2(b, a) * u; break;
                        default: {  // kOpPow
                            const int n = toInteger(b);
                            if (static_cast<double>(n) == b) {
                                r = integralPower(a, n);
                            } else if (!(a > 0.0)) {
                                return kPowerOfNonPositive;
                            } else {
                                r = std::exp(std::log(a) * b);
                            }
                            break;
                        }
                    }
                    ZENTRA_REPLACE(r);
                    break;
                }
                if (bit & kTernaryOperations) {  // limit
                    const double hi = pop();
                    const double lo = pop();
                    double x = pop();
                    if (x < lo) x = lo;
                    if (x > hi) x = hi;
                    ZENTRA_REPLACE(x);
                    break;
                }
                if (!(bit & kUnaryOperations)) return kPassOk;  // ends the pass
                const double x = pop();
                double r;
                switch (op) {
                    case kOpNot: r = x > 0.0 ? 0.0 : 1.0; break;
                    case kOpSin:
                        r = sineOf(x, u);
                        break;
                    case kOpCos:
                        r = cosineOf(x, u);
                        break;
                    case kOpTan:
                        if (!tangentOf(x, u, r)) return kTangentOfRightAngle;
                        break;
                    case kOpAsin:
                        if (std::fabs(x) > 1.0) return kAsinOutOfRange;
                        r = std::asin(x) * u;
                        break;
                    case kOpAcos:
                        if (std::fabs(x) > 1.0) return kAcosOutOfRange;
                        r = std::acos(x) * u;
                        break;
                    case kOpAtan: r = std::atan(x) * u; break;
                    case kOpSinh: r = std::sinh(x); break;
                    case kOpCosh: r = std::cosh(x); break;
                    case kOpTanh: r = std::tanh(x); break;
                    case kOpSqrt:
                        if (x < 0.0) return kSqrtOfNegative;
                        r = std::sqrt(x);
                        break;
                    case kOpExp: r = std::exp(x); break;
                    case kOpLog:
                        if (!(x > 0.0)) return kLogOfNonPositive;
                        r = std::log(x);
                        break;
                    case kOpLog10:
                        if (!(x > 0.0)) return kLog10OfNonPositive;
                        r = std::log10(x);
                        break;
                    case kOpAbs: r = std::fabs(x); break;
                    case kOpInt:
                        r = integerPart(x);
                        break;
                    case kOpRandom: r = drawUniform(random); break;
                    case kOpGauss: r = drawGauss(random, x); break;
                    default: return kPassOk;
                }
                ZENTRA_REPLACE(r);
                break;
            }
        }
        ++ip;
    }
#undef ZENTRA_PUSH
#undef ZENTRA_REPLACE
}

}  // namespace

int execute(const CodeBuffer& code, ValueStores& stores, const MachineSettings& settings,
            RandomSource& random) {
    if (code[kCodeBufferSize - 1] == kEndWord) return run<false>(code, stores, settings, random);
    return run<true>(code, stores, settings, random);
}

namespace {

struct Failure {
    int code;
    std::string_view message;
};

// The messages of the machine's own failures but the loop limit's, which
// names the limit; those of the operations are in the operation table.
constexpr Failure kFailures[] = {
    {kStackOverflow, "計算スタックがあふれました(値は63個までです)"},
    {kElementOutOfRange, "配列の要素番号が変数領域(0～4095)の範囲を超えました"},
    {kNoEndWord, "プログラムの終わりが見つかりません(コード領域の外へ分岐しました)"},
    {kElementOutsideArray, "配列の要素番号が配列の範囲(0～要素数-1)を超えました"},
    {kPassCancelled, "計算を中止しました"},
};

}  // namespace

std::string runtimeErrorMessage(int resultCode, int loopLimit) {
    if (resultCode == kLoopLimitReached) {
        return "計算の繰り返し回数が上限(" + std::to_string(loopLimit) +
               "回)を超えました\n上限値は定数定義エリアに loops=回数 と書けば変更できます";
    }
    if (const int op = operationFailing(resultCode); op >= 0) {
        return std::string(kOperations[static_cast<std::size_t>(op)].failure);
    }
    for (const Failure& failure : kFailures) {
        if (failure.code == resultCode) return std::string(failure.message);
    }
    return "エラーが発生しました（" + std::to_string(resultCode) + ")";
}

}  // namespace zentra
