// The monitor's token dump: one line per token with its number, area, line,
// kind, scope level and text.
#include <string>
#include <vector>

#include "front/dump_line.h"
#include "front/parser.h"

namespace zentra {

namespace {

void writeTokenLine(std::string& out, int n, const Token& token) {
    DumpLine line;
    if (n < 10) line.add(' ');
    if (n < 100) line.add(' ');
    line.addNumber(n);
    line.add(' ');
    line.addNumber(areaOf(token.position));
    line.add(' ');
    line.addNumber(lineOf(token.position));
    line.padTo(8);
    line.add(kindName(token.kind));
    line.padTo(16);
    if (token.scope != 0) {
        line.add('(');
        line.addNumber(token.scope);
        line.add(')');
    }
    line.writeTo(out, token.text);
}

}  // namespace

void dumpTokens(const Compiler& compiler, TextArea& pane) {
    std::vector<std::string>& lines = compiler.tokenDumpLines;
    lines.resize(static_cast<std::size_t>(compiler.tokenCount > 0 ? compiler.tokenCount : 0));
    for (int n = 0; n < compiler.tokenCount; ++n) {
        writeTokenLine(lines[static_cast<std::size_t>(n)], n, compiler.tokenAt(n));
    }
    pane.exchangeLines(lines);
}

}  // namespace zentra
