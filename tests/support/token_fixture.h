// A compiler set up from token texts, for the compiler tests: the lexer and the
// token definition pass are not needed to build the token array.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "front/compiler.h"
#include "host/memory_host.h"
#include "vm/machine.h"
#include "vm/value_stores.h"

namespace zentra::test_support {

// The kind the token definition pass would give this text: operators and
// keywords by their text, builtin function names FUNC, numbers DIGIT, other
// names IDENT.
Kind kindOfText(std::string_view text);

class TokenFixture {
public:
    TokenFixture();

    // Space-separated token texts. A line break starts the next program line
    // (the first is line 1); "name~N" gives the token scope level N; a text in
    // double quotes is a STRING token with the text inside the quotes.
    // Also resets the symbol table to the 40 builtin entries and the counters.
    void setTokens(std::string_view text, int area = kProgramArea);

    // Symbols as the parameter area or earlier statements would leave them.
    void declareVariable(const std::string& name, int scope = 0);
    void declareArray(const std::string& name, int count);
    void declareString(const std::string& name, const std::string& text);

    // Runs the compiled words for one pass with the literals loaded;
    // kProgramTooLong when they do not fit the buffer.
    int run(int loopLimit = 1000);
    static constexpr int kProgramTooLong = -kCodeBufferSize;
    double variable(const std::string& name) const;
    // The monitor's code text of the words compiled so far, without its end mark.
    std::string codeText() const;

    std::vector<std::string> output() const { return host.output.lines(); }

    MemoryHost host;
    ValueStore constantStore{};
    Compiler compiler{host, constantStore};
    ValueStores stores;
    CodeBuffer code{};
};

}  // namespace zentra::test_support
