// Token arrays for the user-function tests, written as source lines of
// space-separated token texts with the kinds the token definition pass
// would give them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "front/compiler.h"
#include "host/memory_host.h"
#include "vm/value_stores.h"

namespace zentra::test {

// The final kind of a token text: operators and keywords by table, builtin
// names FUNC, numbers DIGIT, "..." STRING, anything else IDENT.
Kind fixtureKindOf(std::string_view text);

class UserFunctionFixture {
  public:
    UserFunctionFixture();

    // Appends the tokens of one source line; a text in double quotes becomes
    // a STRING token without them.
    void line(int area, int lineNumber, std::string_view texts);
    // The next function of the user-function list (area 2 + k), one text per source line.
    void function(const std::vector<std::string>& lines);
    void parameters(const std::vector<std::string>& lines);
    // "proc" "{" the lines "}" ";".
    void program(const std::vector<std::string>& lines);

    // Runs the expansion as the run driver does and stores the count back.
    int expand();

    // Token texts separated by spaces, from `from` to the end.
    std::string texts(int from = 0) const;
    // The same from the PROC token on.
    std::string programTexts() const;
    // Texts with "(scope)" after every token of a non-zero scope level.
    std::string scopedTexts(int from = 0) const;
    int indexOf(std::string_view text, int from = 0) const;

    std::vector<std::string> output() const { return host.output.lines(); }
    std::vector<std::string> messages() const { return host.messages.lines(); }
    bool traced(std::string_view line) const;

    MemoryHost host;
    ValueStore constants{};
    Compiler compiler{host, constants};

  private:
    int functions_ = 0;
};

}  // namespace zentra::test
