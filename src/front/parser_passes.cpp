// The passes around the parser: parameter-name prefixing and the symbol dump.
#include <algorithm>
#include <string>
#include <vector>

#include "front/dump_line.h"
#include "front/parser_passes.h"

namespace zentra {

namespace {

void writeSymbolLine(std::string& out, int n, const Symbol& symbol) {
    // The number right-aligned to three characters, as the monitor's dumps number lines.
    DumpLine line;
    if (n < 10) line.add(' ');
    if (n < 100) line.add(' ');
    line.addNumber(n);
    line.add(' ');
    line.add(kindName(symbol.kind));
    line.padTo(10);
    line.add(codeItemText(symbol.code, symbol.text));
    line.padTo(15);
    if (symbol.scope != 0) {
        line.add('(');
        line.addNumber(symbol.scope);
        line.add(')');
    } else {
        line.add(' ');
    }
    line.writeTo(out, symbol.name);
}

}  // namespace

// Every name of the parameter area (the tokens before "proc") and all its
// later uses at scope level 0 get the "_" prefix, which keeps parameter names
// apart from the program's own names. Each token is prefixed once at most,
// so a name written in two parameter statements still matches its uses.
void prefixParameterNames(TokenTable& tokens, ShownNames& names) {
    const auto count = static_cast<std::size_t>(std::max(tokens.count(), 0));
    std::vector<bool> prefixed(count, false);
    for (std::size_t i = 0; i < count && tokens[i].kind != Kind::PROC; ++i) {
        if (tokens[i].kind != Kind::IDENT || prefixed[i]) continue;
        const std::string_view name = tokens[i].text;
        const std::string_view prefixedName = tokens.join("_", name);
        for (std::size_t j = i; j < count; ++j) {
            Token& token = tokens[j];
            if (prefixed[j] || token.scope != 0 || token.text != name) continue;
            token.text = prefixedName;
            prefixed[j] = true;
        }
        names.markParameterName(prefixedName);
    }
}

void dumpSymbols(const SymbolTable& table, TextArea& pane) {
    const auto inUse = table.inUse();
    pane.setLinesLater([symbols = std::vector<Symbol>(inUse.begin(), inUse.end())](std::vector<std::string>& lines) {
        lines.resize(symbols.size());
        for (std::size_t n = 0; n < symbols.size(); ++n) writeSymbolLine(lines[n], static_cast<int>(n), symbols[n]);
    });
}

}  // namespace zentra
