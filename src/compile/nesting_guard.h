// A bound on how deeply expressions and blocks nest while they compile, so
// that the recursive compilers stay far from the end of the machine stack
// (a program of 4096 "(" would otherwise overflow it).
#pragma once

#include <string>

#include "front/compiler.h"
#include "compile/emit_support.h"

namespace zentra {

inline constexpr int kMaxNesting = 256;
inline constexpr int kErrNestingTooDeep = 927;

// Counts one level for its lifetime in the compiler's second integer, which
// the parser driver resets to 0 and nothing else uses.
class NestingGuard {
public:
    explicit NestingGuard(Compiler& compiler) : c_(compiler) { ++c_.nestingDepth; }
    ~NestingGuard() { --c_.nestingDepth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

    // Past the limit: reports it and gives up the rest of the tokens, which
    // could only add one complaint per token.
    bool tooDeep() {
        if (c_.nestingDepth <= kMaxNesting) return false;
        const std::int32_t position = currentPosition(c_);
        c_.errors.markLine(position);
        c_.errorAt(kErrNestingTooDeep,
                   position, "式または文の入れ子が" + std::to_string(kMaxNesting) + "段を超えました。");
        c_.tokenIndex = c_.tokens.count();
        return true;
    }

private:
    Compiler& c_;
};

}  // namespace zentra
