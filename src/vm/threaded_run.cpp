// The dispatch loop of the threaded machine: each handler does its work and
// jumps straight to the next instruction's handler (GCC's labels as values).
#include <cmath>
#include <cstdint>

#include "vm/operation_math.h"
#include "vm/threaded_code.h"

namespace zentra {

int runThreaded(ThreadedProgram& program, const MachineSettings& settings, RandomSource& random) {
    static const void* const kLabels[] = {
#define ZENTRA_OPERATION_LABEL(name, ...) &&handle##name,
        ZENTRA_OPERATIONS(ZENTRA_OPERATION_LABEL)
#undef ZENTRA_OPERATION_LABEL
#define ZENTRA_HANDLER_LABEL(name) &&handle##name,
        ZENTRA_THREADED_HANDLERS(ZENTRA_HANDLER_LABEL)
#undef ZENTRA_HANDLER_LABEL
    };
    if (!program.linked) {
        for (Instruction& in : program.code) in.label = kLabels[static_cast<int>(in.handler)];
        program.linked = true;
    }

    const Instruction* const base = program.code.data();
    const Instruction* pc = base;
    int jumps = 0;
    int jumpStop = nextJumpStop(0, settings);
    const double u = settings.unitFactor;
    // x / 1.0 and x * 1.0 are x itself, so radians can skip the conversion.
    const bool radians = u == 1.0;
    double* const variables = program.stores->variables.data();

#define ZENTRA_DISPATCH() goto* pc->label
#define ZENTRA_NEXT()      \
    do {                   \
        ++pc;              \
        ZENTRA_DISPATCH(); \
    } while (0)
#define ZENTRA_BINARY(name, expr)          \
    handle##name : {                       \
        const double a = *pc->a;           \
        const double b = *pc->b;           \
        *pc->d = (expr);                   \
        ZENTRA_NEXT();                     \
    }
#define ZENTRA_UNARY(name, expr)           \
    handle##name : {                       \
        const double x = *pc->a;           \
        *pc->d = (expr);                   \
        ZENTRA_NEXT();                     \
    }
// The comparison that a branch word would find true; the branch is taken
// when it is false.
#define ZENTRA_BRANCH(name, holds)                        \
    handleBranch##name : {                                \
        const double a = *pc->a;                          \
        const double b = *pc->b;                          \
        pc = (holds) ? pc + 1 : base + pc->target;        \
        ZENTRA_DISPATCH();                                \
    }
// Counts a jump; at a stop, fails the pass or asks whether to go on.
#define ZENTRA_COUNT_JUMP()                         \
    do {                                            \
        if (jumpStop <= ++jumps) {                  \
            jumpStop = atJumpStop(jumps, settings); \
            if (jumpStop < 0) return jumpStop;      \
        }                                           \
    } while (0)
#define ZENTRA_JUMP_BRANCH(name, holds)                 \
    handleJump##name : {                                \
        ZENTRA_COUNT_JUMP();                            \
        const double a = *pc->a;                        \
        const double b = *pc->b;                        \
        pc = base + ((holds) ? pc->extra : pc->target); \
        ZENTRA_DISPATCH();                              \
    }

    ZENTRA_DISPATCH();

    ZENTRA_BINARY(Add, a + b)
    ZENTRA_BINARY(Sub, a - b)
    ZENTRA_BINARY(Mul, a * b)
handleDiv : {
    const double b = *pc->b;
    if (b == 0.0) return kDivisionByZero;
    *pc->d = *pc->a / b;
    ZENTRA_NEXT();
}
handleMod : {
    const double b = *pc->b;
    const double a = *pc->a;
    if (b == 0.0) return kModuloByZero;
    const std::int64_t ia = truncateToInt32(a);
    const std::int64_t ib = truncateToInt32(b);
    if (ib == 0) return kModuloByZero;
    *pc->d = static_cast<double>(ia % ib);
    ZENTRA_NEXT();
}
    ZENTRA_BINARY(Gt, a > b)
    ZENTRA_BINARY(Lt, !(a >= b))
    ZENTRA_BINARY(Ge, a >= b)
    ZENTRA_BINARY(Le, !(a > b))
    ZENTRA_BINARY(Eq, !(a < b || a > b))
    ZENTRA_BINARY(Ne, (a < b || a > b))
    ZENTRA_BINARY(LogicalAnd, (a != 0.0 && b != 0.0))
    ZENTRA_BINARY(LogicalOr, (a != 0.0 || b != 0.0))
    ZENTRA_BINARY(BitAnd, truncateToInt32(a) & truncateToInt32(b))
    ZENTRA_BINARY(BitOr, truncateToInt32(a) | truncateToInt32(b))
    ZENTRA_BINARY(Xor, truncateToInt32(a) ^ truncateToInt32(b))
    ZENTRA_BINARY(Atan2, std::atan2(b, a) * u)
handlePow : {
    const double b = *pc->b;
    const double a = *pc->a;
    const int n = truncateToInt32(b);
    if (static_cast<double>(n) == b) {
        *pc->d = integralPower(a, n);
    } else if (!(a > 0.0)) {
        return kPowerOfNonPositive;
    } else {
        *pc->d = std::exp(std::log(a) * b);
    }
    ZENTRA_NEXT();
}
    ZENTRA_UNARY(Not, x > 0.0 ? 0.0 : 1.0)
    ZENTRA_UNARY(Sin, radians ? std::sin(x) : sineOf(x, u))
    ZENTRA_UNARY(Cos, radians ? std::cos(x) : cosineOf(x, u))
handleTan : {
    const double x = *pc->a;
    if (radians) {
        *pc->d = std::tan(x);
    } else {
        double r;
        if (!tangentOf(x, u, r)) return kTangentOfRightAngle;
        *pc->d = r;
    }
    ZENTRA_NEXT();
}
handleAsin : {
    const double x = *pc->a;
    if (std::fabs(x) > 1.0) return kAsinOutOfRange;
    *pc->d = std::asin(x) * u;
    ZENTRA_NEXT();
}
handleAcos : {
    const double x = *pc->a;
    if (std::fabs(x) > 1.0) return kAcosOutOfRange;
    *pc->d = std::acos(x) * u;
    ZENTRA_NEXT();
}
    ZENTRA_UNARY(Atan, std::atan(x) * u)
    ZENTRA_UNARY(Sinh, std::sinh(x))
    ZENTRA_UNARY(Cosh, std::cosh(x))
    ZENTRA_UNARY(Tanh, std::tanh(x))
handleSqrt : {
    const double x = *pc->a;
    if (x < 0.0) return kSqrtOfNegative;
    *pc->d = std::sqrt(x);
    ZENTRA_NEXT();
}
    ZENTRA_UNARY(Exp, std::exp(x))
handleLog : {
    const double x = *pc->a;
    if (!(x > 0.0)) return kLogOfNonPositive;
    *pc->d = std::log(x);
    ZENTRA_NEXT();
}
handleLog10 : {
    const double x = *pc->a;
    if (!(x > 0.0)) return kLog10OfNonPositive;
    *pc->d = std::log10(x);
    ZENTRA_NEXT();
}
    ZENTRA_UNARY(Abs, std::fabs(x))
    ZENTRA_UNARY(Int, integerPart(x))
handleRandom : {
    *pc->d = drawUniform(random);
    ZENTRA_NEXT();
}
    ZENTRA_UNARY(Gauss, drawGauss(random, x))
handleLimit : {
    const double hi = *pc->c;
    const double lo = *pc->b;
    double x = *pc->a;
    if (x < lo) x = lo;
    if (x > hi) x = hi;
    *pc->d = x;
    ZENTRA_NEXT();
}
handleMove : {
    *pc->d = *pc->a;
    ZENTRA_NEXT();
}
handleLoadElement : {
    const int slot = elementSlot(pc->extra, pc->count, *pc->a);
    if (slot < 0) return slot;
    *pc->d = variables[slot];
    ZENTRA_NEXT();
}
handleStoreElement : {
    const double v = *pc->b;
    const int slot = elementSlot(pc->extra, pc->count, *pc->a);
    if (slot < 0) return slot;
    variables[slot] = v;
    if (slot >= program.elementWriteEnd) program.elementWriteEnd = slot + 1;
    ZENTRA_NEXT();
}
handleBranch : {
    pc = *pc->a > 0.0 ? pc + 1 : base + pc->target;
    ZENTRA_DISPATCH();
}
    ZENTRA_BRANCH(Gt, a > b)
    ZENTRA_BRANCH(Lt, !(a >= b))
    ZENTRA_BRANCH(Ge, a >= b)
    ZENTRA_BRANCH(Le, !(a > b))
    ZENTRA_BRANCH(Eq, !(a < b || a > b))
    ZENTRA_BRANCH(Ne, (a < b || a > b))
handleJump : {
    // The counter changes only here, so the limit test after every word can
    // only fail after a jump.
    ZENTRA_COUNT_JUMP();
    pc = base + pc->target;
    ZENTRA_DISPATCH();
}
    ZENTRA_JUMP_BRANCH(Gt, a > b)
    ZENTRA_JUMP_BRANCH(Lt, !(a >= b))
    ZENTRA_JUMP_BRANCH(Ge, a >= b)
    ZENTRA_JUMP_BRANCH(Le, !(a > b))
    ZENTRA_JUMP_BRANCH(Eq, !(a < b || a > b))
    ZENTRA_JUMP_BRANCH(Ne, (a < b || a > b))
// The operations that push nothing end the pass like the end word.
handleFft:
handleOut:
handleGraph:
handleEnd:
    return kPassOk;
handleFail:
    return pc->extra;

#undef ZENTRA_DISPATCH
#undef ZENTRA_NEXT
#undef ZENTRA_BINARY
#undef ZENTRA_UNARY
#undef ZENTRA_BRANCH
#undef ZENTRA_JUMP_BRANCH
#undef ZENTRA_COUNT_JUMP
}

}  // namespace zentra
