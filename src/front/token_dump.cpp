// The monitor's token dump: one line per token with its number, area, line,
// kind, scope level and text.
#include <charconv>
#include <string>
#include <vector>

#include "front/parser.h"

namespace zentra {

namespace {

void appendNumber(std::string& line, int n) {
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, n);
    line.append(digits, end);
}

void padTo(std::string& line, std::size_t width) {
    if (line.size() < width) line.append(width - line.size(), ' ');
}

// Built in place: a dump has a line for every token of the run.
std::string tokenLine(int n, const Token& token) {
    const std::string_view kind = kindName(token.kind);
    std::string line;
    line.reserve(24 + kind.size() + token.text.size());
    if (n < 10) line += ' ';
    if (n < 100) line += ' ';
    appendNumber(line, n);
    line += ' ';
    appendNumber(line, areaOf(token.position));
    line += ' ';
    appendNumber(line, lineOf(token.position));
    padTo(line, 8);
    line += kind;
    padTo(line, 16);
    if (token.scope != 0) {
        line += '(';
        appendNumber(line, token.scope);
        line += ')';
    }
    line += token.text;
    return line;
}

}  // namespace

void dumpTokens(const Compiler& compiler, TextArea& pane) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(compiler.tokenCount > 0 ? compiler.tokenCount : 0));
    for (int n = 0; n < compiler.tokenCount; ++n) lines.push_back(tokenLine(n, compiler.tokenAt(n)));
    pane.takeLines(std::move(lines));
}

}  // namespace zentra
