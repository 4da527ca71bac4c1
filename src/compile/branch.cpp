#include "compile/branch.h"

namespace zentra {

namespace {

constexpr int kMaxForwardDistance = 2047;  // what a 12-bit operand can reach

}  // namespace

Label emitBranchPlaceholder(Compiler& c, ClassBase branchClass) {
    return Label{c.emitter.append(encodeWord(branchClass, 0)), branchClass};
}

void fixBranch(Compiler& c, const Label& label, int adjustment) {
    const int d = (c.emitter.count() + adjustment - (label.word + 1)) & 0xFFF;
    if (d > kMaxForwardDistance) {
        // Recorded first, so that the errors this one causes further on stay quiet.
        c.errors.markLine(c.previous().position);
        c.error(773, "相対分岐" + std::to_string(d) + "ステップは大きすぎます。");
    }
    if (label.word < 0) return;
    c.emitter.patch(label.word, encodeWord(label.branchClass, d));
}

}  // namespace zentra
