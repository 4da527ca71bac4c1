#include "vm/branch.h"

#include "base/hex_digits.h"
#include "vm/code_text.h"

namespace zentra {

namespace {

constexpr int kPlaceholderDigits = 3;
constexpr int kMaxForwardDistance = 2047;  // what a 12-bit operand can reach

}  // namespace

Label appendBranchPlaceholder(Compiler& c, char letter) {
    appendCodeItem(c.codeText, c.wordCount, letter, 0);
    // The item ends the text, so its first digit is two characters before the end (1-based).
    return Label{static_cast<int>(c.codeText.size()) - 2, c.wordCount};
}

void fixBranch(Compiler& c, const Label& label, int adjustment) {
    const int d = (c.wordCount + adjustment - label.wordCount) & 0xFFF;
    if (d > kMaxForwardDistance) {
        // Recorded first, so that the errors this one causes further on stay quiet.
        c.errors.markLine(c.previous().position);
        c.error(773, "相対分岐" + std::to_string(d) + "ステップは大きすぎます。");
    }
    const auto at = static_cast<std::size_t>(label.textPosition) - 1;
    if (label.textPosition < 1 || at + kPlaceholderDigits > c.codeText.size()) return;
    c.codeText.replace(at, kPlaceholderDigits, hexDigits(d, kPlaceholderDigits));
}

}  // namespace zentra
