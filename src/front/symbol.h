// Symbol-table entries. Entries 0..39 are the builtin table, whose index is
// the operation number; user symbols start at entry 40.
#pragma once

#include <cstdint>
#include <string>

#include "front/token.h"

namespace zentra {

inline constexpr int kMaxSymbols = 4096;
inline constexpr int kFirstUserSymbol = 40;

// What a symbol's code is: the word a use of it compiles to, or none.
enum class CodeClass : std::uint8_t {
    None,          // no code (a parameter of a function body left undefined)
    Operation,     // a builtin: the operation word
    LoadVariable,  // a variable or alias
    LoadLocal,     // a variable of an expanded function body
    LoadConstant,  // a named constant or a literal
    ElementBase,   // an array: the variable slot of element 0 (loads as a variable)
    String,        // a text constant: no word, the text is the symbol's own
};

struct SymbolCode {
    CodeClass codeClass = CodeClass::None;
    std::int32_t operand = 0;  // the slot, or the operation number

    // The slot a load or store names, or -1 for an operation, a text or none.
    int slot() const {
        return codeClass == CodeClass::None || codeClass == CodeClass::Operation ||
                       codeClass == CodeClass::String
                   ? -1
                   : operand;
    }
    bool isLoad() const { return slot() >= 0; }
    friend bool operator==(const SymbolCode&, const SymbolCode&) = default;
};

constexpr SymbolCode operationCode(int operation) { return {CodeClass::Operation, operation}; }

struct Symbol {
    Kind kind = Kind::None;  // FUNC, DIGIT, STRING, CONST, VAR or ARRAY
    std::string name;
    SymbolCode code;
    std::int32_t scope = 0;
    std::int32_t localSize = 0;
    std::int32_t argCount = 0;
    std::string text;  // a STRING constant's text
};

// The code as the symbol dump shows it: "#" + 2 hex digits, a load letter
// (v g c; an array's is v) + 3 hex digits of the slot, a STRING's quoted
// text, or nothing.
std::string codeItemText(const SymbolCode& code, const std::string& text);

// The listing letter of a load code ('#' for an operation), or 0.
char codeLetter(CodeClass codeClass);

}  // namespace zentra
