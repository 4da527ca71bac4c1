// The monitor's token dump: one line per token with its number, area, line,
// kind, scope level and text.
#include <string>
#include <vector>

#include "front/parser.h"

namespace zentra {

namespace {

void padTo(std::string& line, std::size_t width) {
    if (line.size() < width) line.append(width - line.size(), ' ');
}

std::string tokenLine(int n, const Token& token) {
    std::string line;
    if (n < 10) line += ' ';
    if (n < 100) line += ' ';
    line += std::to_string(n) + " " + std::to_string(areaOf(token.position)) + " " +
            std::to_string(lineOf(token.position));
    padTo(line, 8);
    line += kindName(token.kind);
    padTo(line, 16);
    if (token.scope != 0) line += "(" + std::to_string(token.scope) + ")";
    line += token.text;
    return line;
}

}  // namespace

void dumpTokens(const Compiler& compiler, TextArea& pane) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(compiler.tokenCount));
    for (int n = 0; n < compiler.tokenCount; ++n)
        lines.push_back(tokenLine(n, compiler.tokenAt(n)));
    pane.setLines(lines);
}

}  // namespace zentra
