// Small helpers the expression and statement compilers share for appending
// symbol code items and placing errors.
#pragma once

#include <string>
#include <string_view>

#include "front/compiler.h"
#include "front/symbol.h"
#include "vm/code_text.h"

namespace zentra {

// A code item that pushes a value: a load-variable, load-local or
// load-constant letter followed by three hexadecimal digits.
inline bool isLoadItem(const std::string& code) {
    if (code.empty()) return false;
    const char letter = code[0];
    return (letter == 'v' || letter == 'g' || letter == 'c') && slotOfCode(code) >= 0;
}

// Appends a symbol's code item as one word.
inline void appendSymbolItem(Compiler& c, const std::string& code) {
    c.codeText += code;
    ++c.wordCount;
}

// Appends the count word that follows an element word: the array's declared
// element count, or, should the registry hold none (a declaration that
// failed and was reported), the slots left in the variable store.
inline void appendElementCount(Compiler& c, std::string_view arrayName, int base) {
    int count = c.arraySize(arrayName);
    if (count < 1 || count > kStoreSize - base) count = kStoreSize - base;
    appendCodeItem(c.codeText, c.wordCount, 'n', count);
}

// The position of the current token; past the last token, that of the last
// one, so that an error at the end of the program still names a line.
inline std::int32_t currentPosition(const Compiler& c) {
    return c.tokenIndex < c.tokenCount ? c.current().position : c.tokenAt(c.tokenCount - 1).position;
}

}  // namespace zentra
