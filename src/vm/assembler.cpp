#include "vm/assembler.h"

#include "base/hex_digits.h"
#include "vm/code_text.h"

namespace zentra {

namespace {

int classBaseOf(char letter) {
    switch (letter) {
        case 'v': return kLoadVariableBase;
        case 'g': return kLoadLocalBase;
        case 'p': return kLoadElementBase;
        case 'c': return kLoadConstantBase;
        case 's': return kStoreVariableBase;
        case 't': return kStoreLocalBase;
        case 'w': return kStoreElementBase;
        case 'n':
            return kElementCountBase;
        case '@': return kBranchBase;
        case '%': return kJumpBase;
        case '#': return kOperationBase;
        default: return -1;
    }
}

}  // namespace

int assemble(std::string_view codeText, CodeBuffer& code) {
    int words = 0;
    int base = -1;   // -1 while waiting for a letter
    int digitsWanted = 0;
    int value = 0;
    for (const char c : codeText) {
        if (c == kCodeTextEnd) break;
        if (base < 0) {
            base = classBaseOf(c);
            if (base < 0) return -words;
            digitsWanted = c == '#' ? 2 : 3;
            value = 0;
            continue;
        }
        const int digit = hexDigitValue(c);
        if (digit < 0) return -1;
        value = value * 16 + digit;
        if (--digitsWanted == 0) {
            if (words >= kMaxProgramWords) return kAssembleTooLong;
            code[static_cast<std::size_t>(words++)] = static_cast<CodeWord>(base + value);
            base = -1;
        }
    }
    code[static_cast<std::size_t>(words)] = kEndWord;
    return words;
}

}  // namespace zentra
