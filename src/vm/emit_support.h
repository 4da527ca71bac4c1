// Small helpers the expression and statement compilers share for appending
// symbol code items and placing errors.
#pragma once

#include <string>

#include "front/compiler.h"
#include "front/symbol.h"

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

// The position of the current token; past the last token, that of the last
// one, so that an error at the end of the program still names a line.
inline std::int32_t currentPosition(const Compiler& c) {
    return c.tokenIndex < c.tokenCount ? c.current().position : c.tokenAt(c.tokenCount - 1).position;
}

}  // namespace zentra
