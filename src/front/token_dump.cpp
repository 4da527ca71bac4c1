// The monitor's token dump: one line per token with its number, area, line,
// kind, scope level and text.
#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "front/parser_passes.h"

namespace zentra {

namespace {

// The head has a known bound: a number below 4096, an area and a line of
// 15 bits each, a kind name of at most 7 characters and a 32-bit scope.
void writeTokenLine(std::string& out, int n, const Token& token) {
    char head[48];
    char* const end = head + sizeof head;
    char* p = head;
    if (n < 10) *p++ = ' ';
    if (n < 100) *p++ = ' ';
    p = std::to_chars(p, end, n).ptr;
    *p++ = ' ';
    p = std::to_chars(p, end, areaOf(token.position)).ptr;
    *p++ = ' ';
    p = std::to_chars(p, end, lineOf(token.position)).ptr;
    while (p < head + 8) *p++ = ' ';
    const std::string_view kind = kindName(token.kind);
    for (const char c : kind) *p++ = c;
    while (p < head + 16) *p++ = ' ';
    if (token.scope != 0) {
        *p++ = '(';
        p = std::to_chars(p, end, token.scope).ptr;
        *p++ = ')';
    }
    out.assign(head, p);
    out.append(token.text);
}

}  // namespace

void dumpTokens(const TokenTable& tokens, TextArea& pane) {
    // The tokens change as the run goes on; the dump shows them as they are now.
    pane.setLinesLater([snapshot = TokenSnapshot(tokens)](std::vector<std::string>& lines) {
        lines.resize(snapshot.size());
        for (std::size_t n = 0; n < snapshot.size(); ++n)
            writeTokenLine(lines[n], static_cast<int>(n), snapshot[n]);
    });
}

}  // namespace zentra
