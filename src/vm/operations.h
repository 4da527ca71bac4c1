// The operation table: number, name, argument count and failure code of every
// operator and built-in function. The machine, the builtin symbol table, the
// compiler's argument check and the code listing all read it from here.
#pragma once

#include <array>
#include <string_view>

namespace zentra {

// Operation numbers are indices into the builtin table (symbol entries 0..39).
enum Op : int {
    kOpAdd = 0,
    kOpSub = 1,
    kOpMul = 2,
    kOpDiv = 3,
    kOpMod = 4,
    kOpGt = 5,
    kOpLt = 6,
    kOpGe = 7,
    kOpLe = 8,
    kOpEq = 9,
    kOpNe = 10,
    kOpLogicalAnd = 11,
    kOpLogicalOr = 12,
    kOpNot = 13,
    kOpBitAnd = 14,
    kOpBitOr = 15,
    kOpSin = 16,
    kOpCos = 17,
    kOpTan = 18,
    kOpAsin = 19,
    kOpAcos = 20,
    kOpAtan = 21,
    kOpAtan2 = 22,
    kOpSinh = 23,
    kOpCosh = 24,
    kOpTanh = 25,
    kOpSqrt = 26,
    kOpExp = 27,
    kOpPow = 28,
    kOpXor = 29,
    kOpLog = 30,
    kOpLog10 = 31,
    kOpAbs = 32,
    kOpLimit = 33,
    kOpInt = 34,
    kOpFft = 35,
    kOpOut = 36,
    kOpGraph = 37,
    kOpRandom = 38,
    kOpGauss = 39,
};

inline constexpr int kBuiltinCount = 40;

struct OperationInfo {
    std::string_view name;
    int argumentCount;  // what the compiler checks; 0 for operators, out and graph
};

inline constexpr std::array<OperationInfo, kBuiltinCount> kOperations{{
    {"+", 0},     {"-", 0},     {"*", 0},     {"/", 0},      {"%", 0},
    {">", 0},     {"<", 0},     {">=", 0},    {"<=", 0},     {"==", 0},
    {"!=", 0},    {"&&", 0},    {"||", 0},    {"!", 0},      {"&", 0},
    {"|", 0},     {"sin", 1},   {"cos", 1},   {"tan", 1},    {"asin", 1},
    {"acos", 1},  {"atan", 1},  {"atan2", 2}, {"sinh", 1},   {"cosh", 1},
    {"tanh", 1},  {"sqrt", 1},  {"exp", 1},   {"^", 0},      {"$", 0},
    {"log", 1},   {"log10", 1}, {"abs", 1},   {"limit", 3},  {"int", 1},
    {"fft", 2},   {"out", 0},   {"graph", 0}, {"random", 1}, {"gauss", 1},
}};

static_assert(kOperations[kOpPow].name == "^");
static_assert(kOperations[kOpGauss].name == "gauss");
static_assert(kOperations[kOpAtan2].argumentCount == 2);

}  // namespace zentra
