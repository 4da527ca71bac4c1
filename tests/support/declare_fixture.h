// Token arrays for the declaration tests, built directly instead of through
// the lexer and the token definition pass.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "front/compiler.h"
#include "host/memory_host.h"
#include "vm/value_stores.h"

namespace zentra::test {

struct TokenSpec {
    Kind kind;
    std::string text;
    int scope = 0;
};

// A compiler over a MemoryHost and a constant store, with the 40 builtin
// symbols in place so that user symbols start at entry 40.
class DeclareBench {
public:
    DeclareBench();

    MemoryHost host;
    ValueStore constants{};
    Compiler compiler{host, constants};

    // Space-separated words, their kinds picked from the text: "=" ";" ","
    // "[" "]" "-" "*" "{" "}" "(" ")", runs of ".", the keywords array, alias
    // and proc, "quoted" strings (kept without quotes), numbers (a digit, or
    // "-" and a digit, first) and names. Every text line is a source line;
    // tokens are in the parameter area from line 1, "proc" starts the
    // program area at line 1.
    void load(std::string_view source);
    // Explicit tokens, all in the parameter area on line 1.
    void load(const std::vector<TokenSpec>& tokens);

    // The declaration loop of the parser: counters reset, then Declare until
    // "proc" or the end of the tokens.
    void declareAll();

    double constant(int slot) const { return constants[static_cast<std::size_t>(slot)]; }
    std::vector<std::string> output() const { return host.output.lines(); }
    std::vector<std::string> traces() const { return host.messages.lines(); }
    std::vector<std::string> texts() const;
    const Symbol& symbol(int index) const { return compiler.symbols[index]; }
};

Kind kindOfWord(std::string_view word);

}  // namespace zentra::test
