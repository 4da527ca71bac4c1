// Small helpers the expression and statement compilers share for emitting
// words and placing errors.
#pragma once

#include <string_view>

#include "front/compiler.h"
#include "front/symbol.h"
#include "vm/code_word.h"

namespace zentra {

inline void emitWord(Compiler& c, ClassBase base, int operand) { c.emitter.append(encodeWord(base, operand)); }

// The word a use of a symbol's code compiles to: its load (an array's base
// loads as a variable) or its operation. A text or no code has none.
inline void emitSymbolCode(Compiler& c, const SymbolCode& code) {
    switch (code.codeClass) {
        case CodeClass::Operation: emitWord(c, kOperationBase, code.operand); break;
        case CodeClass::LoadVariable:
        case CodeClass::ElementBase: emitWord(c, kLoadVariableBase, code.operand); break;
        case CodeClass::LoadLocal: emitWord(c, kLoadLocalBase, code.operand); break;
        case CodeClass::LoadConstant: emitWord(c, kLoadConstantBase, code.operand); break;
        case CodeClass::None:
        case CodeClass::String: break;
    }
}

// Emits the count word that follows an element word: the array's declared
// element count, or, should the registry hold none (a declaration that
// failed and was reported), the slots left in the variable store.
inline void emitElementCount(Compiler& c, std::string_view arrayName, int base) {
    int count = c.layout.arraySize(arrayName);
    if (count < 1 || count > kStoreSize - base) count = kStoreSize - base;
    c.emitter.append(encodeCountWord(count));
}

// The position of the current token; past the last token, that of the last
// one, so that an error at the end of the program still names a line.
inline std::int32_t currentPosition(const Compiler& c) {
    return c.tokenIndex < c.tokens.count() ? c.current().position
                                           : c.tokenAt(c.tokens.count() - 1).position;
}

}  // namespace zentra
