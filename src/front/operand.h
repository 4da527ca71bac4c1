// The operand descriptor and the symbol allocation every compiler shares.
#pragma once

#include <cstdint>
#include <string>

#include "front/compiler.h"

namespace zentra {

// Filled from an operand's token and completed from its symbol. Kind None
// with empty texts means the value is already on the stack.
struct Operand {
    Kind kind = Kind::None;
    std::string name;
    SymbolCode code;
    std::int32_t scope = 0;
    std::string text;  // a STRING constant's text
};

Operand operandFromToken(const Token& token);

// Index of the first symbol that matches the operand (same name, and a
// DIGIT/STRING operand, an ARRAY entry or an equal scope level), or -1.
// A match made by the first three conditions resets the entry's scope to 0.
int lookupOperand(Compiler& compiler, const Operand& operand);

// Finds the operand's symbol or allocates one of the given class (VAR,
// ARRAY, CONST, DIGIT or STRING), and completes the operand's kind and code.
// The name "return" only sets the return scope.
void declareSymbol(Compiler& compiler, Operand& operand, Kind symbolClass);

}  // namespace zentra
