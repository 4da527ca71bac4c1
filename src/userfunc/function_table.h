// The function table of one expansion run and the definition scan that
// builds it from the token array.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "front/reporter.h"
#include "front/token_table.h"

namespace zentra {

struct FunctionEntry {
    std::int32_t top = 0;         // index of the name token; entry 0: of the PROC marker
    std::int32_t size = 0;        // tokens from top through the closing "}"; entry 0: to the end
    std::int32_t paramCount = 0;  // 0 for entry 0
    std::string name;             // entry 0: the marker's text
};

// Entry 0 is the main program; at most 19 definitions follow it.
inline constexpr int kFunctionTableSize = 20;

struct FunctionTable {
    std::array<FunctionEntry, kFunctionTableSize> entries;
    int used = 0;

    FunctionEntry& operator[](int i) { return entries[static_cast<std::size_t>(i)]; }
    const FunctionEntry& operator[](int i) const { return entries[static_cast<std::size_t>(i)]; }
};

// Tokens of a definition's head, name through ")": also those of a call
// whose arguments are single tokens.
constexpr int headerLength(int paramCount) { return paramCount == 0 ? 3 : 2 * paramCount + 2; }

// Checks the definitions in front of the PROC marker, marks their name
// tokens USER and fills the table. Returns the entries in use (main program
// plus definitions), or -1 after reporting the first error.
int scanDefinitions(TokenTable& tokens, Reporter& report, FunctionTable& table);

// After the definition's size changed by d: grows its size and moves the
// tops of the entries behind it (the main program lies behind them all).
void shiftTable(FunctionTable& table, int entry, int d);

// Reports error 592 and answers -1 when a definition calls itself, directly
// or through others; else 0.
int checkRecursion(const TokenTable& tokens, Reporter& report, const FunctionTable& table);

}  // namespace zentra
