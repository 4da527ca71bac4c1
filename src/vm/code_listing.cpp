#include "vm/code_listing.h"

#include "base/hex_digits.h"

namespace zentra {

namespace {

constexpr int kItemsPerLine = 12;

char listingLetter(CodeWord w) {
    if (w >= kOperationBase) return '#';
    if (w >= kJumpBase) return '%';
    if (w >= kBranchBase) return '@';
    if (w >= kStoreLocalBase) return 't';  // store-local and store-element
    if (w >= kStoreVariableBase) return 's';
    if (w >= kLoadConstantBase) return 'c';
    if (w >= kLoadLocalBase) return 'g';  // load-local and load-element
    return 'v';
}

int listingValue(CodeWord w) { return w >= kOperationBase ? operationOf(w) : slotOf(w); }

// The word's top four bits, as the class bases spell them.
constexpr CodeWord topBitsOf(CodeWord w) { return w & 0xF000; }

// A line ends after a branch, and after a variable or local store unless a
// word of the branch class or above follows it.
bool endsLine(CodeWord w, CodeWord next) {
    if (topBitsOf(w) == kBranchBase) return true;
    if (next >= kBranchBase) return false;
    return topBitsOf(w) == kStoreVariableBase || topBitsOf(w) == kStoreLocalBase;
}

}  // namespace

std::string codeListing(const CodeBuffer& code) {
    std::string result;
    std::string line = "0000  ";
    int k = 0;
    bool isCount = false;  // the word is the count word of the element word before it
    for (int n = 0; n < kCodeBufferSize && code[static_cast<std::size_t>(n)] != kEndWord; ++n) {
        const CodeWord w = code[static_cast<std::size_t>(n)];
        const CodeWord next = n + 1 < kCodeBufferSize ? code[static_cast<std::size_t>(n) + 1] : kEndWord;
        line += ' ';
        line += isCount ? 'n' : listingLetter(w);
        appendHexDigits(line, isCount ? elementCountOf(w) : listingValue(w), 3);
        bool ends = !isCount && endsLine(w, next);
        isCount = !isCount && isElementWord(w);
        if (!ends) ends = ++k == kItemsPerLine;
        if (ends) {
            result += line;
            result += '\\';
            line.clear();
            if (k < kItemsPerLine) {
                appendHexDigits(line, n + 1, 4);
                line += "  ";
            } else {
                line.assign(6, ' ');
            }
            k = 0;
        }
    }
    result += line;
    result += '\\';
    return result;
}

}  // namespace zentra
