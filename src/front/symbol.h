// Symbol-table entries. Entries 0..39 are the builtin table, whose index is
// the operation number; user symbols start at entry 40.
#pragma once

#include <cstdint>
#include <string>

#include "front/token.h"

namespace zentra {

inline constexpr int kMaxSymbols = 4096;
inline constexpr int kFirstUserSymbol = 40;

struct Symbol {
    Kind kind = Kind::None;  // FUNC, DIGIT, STRING, CONST, VAR or ARRAY
    std::string name;
    std::string code;        // "#" + 2 hex digits, or letter + 3 hex digits of the slot,
                             // or a STRING constant's quoted text
    std::int32_t scope = 0;
    std::int32_t localSize = 0;
    std::int32_t argCount = 0;
};

// The slot a symbol's code item names: characters 2..4 read as hexadecimal,
// or -1 when the code item is not a letter and three hexadecimal digits.
int slotOfCode(const std::string& code);

}  // namespace zentra
