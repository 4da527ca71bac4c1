// The operation table: every operator and built-in function, declared once.
// The reference machine, the threaded translation, the builtin symbol table
// (entries 0..39), the builtin-name test, the compiler's argument check and
// the code listing all read it from here.
//
//   X(Name, text, form, arguments, pops, pushes, failure)
//
//   Name       the constant kOp<Name>; its place in the list is the operation
//              number, the operand of an operation word (#000..#027)
//   text       the builtin symbol's name, shown by the listing and the symbol dump
//   form       Operator   written between or before its operands
//              Function   called by name
//              Selection  out() and graph(): a list of names, no code
//              Reserved   in the table, not callable by any program (fft)
//   arguments  what the compiler's argument check asks of a call
//   pops       values the machine pops (a pop from the empty stack reads 0)
//   pushes     values it pushes: 1, or 0 for an operation that ends the pass
//              with result 0, as every operation word beyond the table does
//   failure    the message when the operation fails; the pass then ends with
//              minus the operation number. kNeverFails for the others
//
// Below, a b c are the operands in the order they were pushed, x the only
// one; comparisons and logic give 1 or 0; int() truncates to 32 bits as
// toInteger does; angles are in the angle unit (right angles exact in degrees).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zentra {

inline constexpr std::string_view kNeverFails{};
inline constexpr std::string_view kZeroDivide = "ゼロ割りが発生しました";
inline constexpr std::string_view kLogNonPositive = "正でない数の対数は計算できません";
inline constexpr std::string_view kPowNonPositive = "正でない数のべき乗は計算できません";
inline constexpr std::string_view kArcOutOfRange = "逆三角関数の入力が範囲を超えています";
inline constexpr std::string_view kSqrtNegative = "負数の平方根は計算できません";
inline constexpr std::string_view kTanRightAngle = "90度の奇数倍の正接は計算できません";

// clang-format off
#define ZENTRA_OPERATIONS(X)                                                                      \
    X(Add,        "+",      Operator,  0, 2, 1, kNeverFails)     /*  0  a + b                  */ \
    X(Sub,        "-",      Operator,  0, 2, 1, kNeverFails)     /*  1  a - b                  */ \
    X(Mul,        "*",      Operator,  0, 2, 1, kNeverFails)     /*  2  a * b                  */ \
    X(Div,        "/",      Operator,  0, 2, 1, kZeroDivide)     /*  3  a / b                  */ \
    X(Mod,        "%",      Operator,  0, 2, 1, kZeroDivide)     /*  4  int(a) % int(b)        */ \
    X(Gt,         ">",      Operator,  0, 2, 1, kNeverFails)     /*  5  a > b                  */ \
    X(Lt,         "<",      Operator,  0, 2, 1, kNeverFails)     /*  6  not a >= b             */ \
    X(Ge,         ">=",     Operator,  0, 2, 1, kNeverFails)     /*  7  a >= b                 */ \
    X(Le,         "<=",     Operator,  0, 2, 1, kNeverFails)     /*  8  not a > b              */ \
    X(Eq,         "==",     Operator,  0, 2, 1, kNeverFails)     /*  9  not (a < b or a > b)   */ \
    X(Ne,         "!=",     Operator,  0, 2, 1, kNeverFails)     /* 10  a < b or a > b         */ \
    X(LogicalAnd, "&&",     Operator,  0, 2, 1, kNeverFails)     /* 11  a != 0 and b != 0      */ \
    X(LogicalOr,  "||",     Operator,  0, 2, 1, kNeverFails)     /* 12  a != 0 or b != 0       */ \
    X(Not,        "!",      Operator,  0, 1, 1, kNeverFails)     /* 13  not x > 0              */ \
    X(BitAnd,     "&",      Operator,  0, 2, 1, kNeverFails)     /* 14  int(a) & int(b)        */ \
    X(BitOr,      "|",      Operator,  0, 2, 1, kNeverFails)     /* 15  int(a) | int(b)        */ \
    X(Sin,        "sin",    Function,  1, 1, 1, kNeverFails)     /* 16  sine of x              */ \
    X(Cos,        "cos",    Function,  1, 1, 1, kNeverFails)     /* 17  cosine of x            */ \
    X(Tan,        "tan",    Function,  1, 1, 1, kTanRightAngle)  /* 18  tangent of x           */ \
    X(Asin,       "asin",   Function,  1, 1, 1, kArcOutOfRange)  /* 19  angle of sine x        */ \
    X(Acos,       "acos",   Function,  1, 1, 1, kArcOutOfRange)  /* 20  angle of cosine x      */ \
    X(Atan,       "atan",   Function,  1, 1, 1, kNeverFails)     /* 21  angle of tangent x     */ \
    X(Atan2,      "atan2",  Function,  2, 2, 1, kNeverFails)     /* 22  angle of point (a, b)  */ \
    X(Sinh,       "sinh",   Function,  1, 1, 1, kNeverFails)     /* 23  hyperbolic sine        */ \
    X(Cosh,       "cosh",   Function,  1, 1, 1, kNeverFails)     /* 24  hyperbolic cosine      */ \
    X(Tanh,       "tanh",   Function,  1, 1, 1, kNeverFails)     /* 25  hyperbolic tangent     */ \
    X(Sqrt,       "sqrt",   Function,  1, 1, 1, kSqrtNegative)   /* 26  square root            */ \
    X(Exp,        "exp",    Function,  1, 1, 1, kNeverFails)     /* 27  e ^ x                  */ \
    X(Pow,        "^",      Operator,  0, 2, 1, kPowNonPositive) /* 28  a ^ b                  */ \
    X(Xor,        "$",      Operator,  0, 2, 1, kNeverFails)     /* 29  int(a) ^ int(b)        */ \
    X(Log,        "log",    Function,  1, 1, 1, kLogNonPositive) /* 30  natural logarithm      */ \
    X(Log10,      "log10",  Function,  1, 1, 1, kLogNonPositive) /* 31  common logarithm       */ \
    X(Abs,        "abs",    Function,  1, 1, 1, kNeverFails)     /* 32  |x|                    */ \
    X(Limit,      "limit",  Function,  3, 3, 1, kNeverFails)     /* 33  a clamped to b, then c */ \
    X(Int,        "int",    Function,  1, 1, 1, kNeverFails)     /* 34  x truncated toward 0   */ \
    X(Fft,        "fft",    Reserved,  2, 0, 0, kNeverFails)     /* 35  ends the pass          */ \
    X(Out,        "out",    Selection, 0, 0, 0, kNeverFails)     /* 36  ends the pass          */ \
    X(Graph,      "graph",  Selection, 0, 0, 0, kNeverFails)     /* 37  ends the pass          */ \
    X(Random,     "random", Function,  1, 1, 1, kNeverFails)     /* 38  uniform 0..1; x unused */ \
    X(Gauss,      "gauss",  Function,  1, 1, 1, kNeverFails)     /* 39  normal draw times x    */
// clang-format on

enum Op : int {
#define ZENTRA_OPERATION_ENUM(name, ...) kOp##name,
    ZENTRA_OPERATIONS(ZENTRA_OPERATION_ENUM)
#undef ZENTRA_OPERATION_ENUM
};

// The operations, and so the builtin symbol entries.
#define ZENTRA_OPERATION_ONE(...) +1
inline constexpr int kBuiltinCount = 0 ZENTRA_OPERATIONS(ZENTRA_OPERATION_ONE);
#undef ZENTRA_OPERATION_ONE

enum class OperationForm : std::uint8_t { Operator, Function, Selection, Reserved };

struct OperationInfo {
    std::string_view name;
    OperationForm form;
    int argumentCount;  // what the compiler checks
    int pops;
    int pushes;  // 0: the operation ends the pass
    std::string_view failure;
};

inline constexpr std::array<OperationInfo, kBuiltinCount> kOperations{{
#define ZENTRA_OPERATION_INFO(name, text, form, arguments, pops, pushes, failure) \
    {text, OperationForm::form, arguments, pops, pushes, failure},
    ZENTRA_OPERATIONS(ZENTRA_OPERATION_INFO)
#undef ZENTRA_OPERATION_INFO
}};

// An operation word carries an 8-bit operation number; the ones beyond the
// table end the pass like fft.
inline constexpr int kOperationNumbers = 256;

struct StackEffect {
    std::uint8_t pops = 0;
    std::uint8_t pushes = 0;  // 0: the pass ends here with result 0
};

// The stack effect of every operation number, read by the machines per word.
inline constexpr std::array<StackEffect, kOperationNumbers> kStackEffects = [] {
    std::array<StackEffect, kOperationNumbers> effects{};
    for (int op = 0; op < kBuiltinCount; ++op) {
        const OperationInfo& info = kOperations[static_cast<std::size_t>(op)];
        effects[static_cast<std::size_t>(op)] = {static_cast<std::uint8_t>(info.pops),
                                                 static_cast<std::uint8_t>(info.pushes)};
    }
    return effects;
}();

// The operations that pop `pops` values and push one, as a set of bits
// (bit n: operation n), so that a dispatch tests a shape with one AND.
constexpr std::uint64_t operationsPopping(int pops) {
    std::uint64_t set = 0;
    for (int op = 0; op < kBuiltinCount; ++op) {
        const OperationInfo& info = kOperations[static_cast<std::size_t>(op)];
        if (info.pushes == 1 && info.pops == pops) set |= std::uint64_t{1} << op;
    }
    return set;
}
static_assert(kBuiltinCount <= 64);

// The result code of a failed operation: minus its number.
constexpr int failureCodeOf(int op) { return -op; }

// The operation whose failure `resultCode` is, or -1.
constexpr int operationFailing(int resultCode) {
    const int op = -resultCode;
    if (op <= 0 || op >= kBuiltinCount) return -1;
    return kOperations[static_cast<std::size_t>(op)].failure.empty() ? -1 : op;
}

// The operation of that name (a builtin symbol's name), or -1.
constexpr int operationNamed(std::string_view name) {
    for (int op = 0; op < kBuiltinCount; ++op) {
        if (kOperations[static_cast<std::size_t>(op)].name == name) return op;
    }
    return -1;
}

// Whether a program calls the operation by its name: functions and selections.
constexpr bool isCalledByName(int op) {
    const OperationForm form = kOperations[static_cast<std::size_t>(op)].form;
    return form == OperationForm::Function || form == OperationForm::Selection;
}

static_assert(kBuiltinCount == 40 && kOpGauss == 39);
static_assert(kOperations[kOpPow].name == "^" && kOperations[kOpAtan2].argumentCount == 2);
static_assert(kStackEffects[kOpLimit].pops == 3 &&
              kStackEffects[kOperationNumbers - 1].pushes == 0);
// Every operation computes one value from one to three, or ends the pass
// without touching the stack.
static_assert([] {
    for (const OperationInfo& info : kOperations) {
        const bool computes = info.pushes == 1 && info.pops >= 1 && info.pops <= 3;
        const bool ends = info.pushes == 0 && info.pops == 0;
        if (!computes && !ends) return false;
    }
    return true;
}());
// A function takes as many arguments as the machine pops for it.
static_assert([] {
    for (const OperationInfo& info : kOperations) {
        if (info.form == OperationForm::Function && info.argumentCount != info.pops) return false;
    }
    return true;
}());
// The threaded form fuses a comparison with the branch after it, in this order.
static_assert(kOpLt == kOpGt + 1 && kOpGe == kOpGt + 2 && kOpLe == kOpGt + 3 &&
              kOpEq == kOpGt + 4 && kOpNe == kOpGt + 5);

}  // namespace zentra
