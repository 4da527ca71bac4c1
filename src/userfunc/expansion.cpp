// The expansion driver: every definition in callee-before-caller order, the
// main program last, then the definitions are removed.

#include "userfunc/expansion.h"

#include <algorithm>
#include <string>

#include "userfunc/expansion_steps.h"
#include "userfunc/function_table.h"
#include "userfunc/token_edit.h"

namespace zentra {

namespace {

void traceTable(Compiler& compiler, const FunctionTable& table, int used) {
    compiler.trace("numUser = " + std::to_string(used));
    for (int i = 0; i < used; ++i) {
        const FunctionEntry& e = table[i];
        const std::string head = "user[" + std::to_string(i) + "].";
        compiler.trace(head + "name  = " + e.name);
        compiler.trace(head + "top   = " + std::to_string(e.top));
        compiler.trace(head + "size  = " + std::to_string(e.size));
        compiler.trace(head + "param = " + std::to_string(e.paramCount));
    }
}

void dumpListing(Compiler& compiler, std::string_view title) {
    compiler.trace("--------" + std::string(title) + "---------");
    std::string line;
    for (int i = 0; i < compiler.tokens.count(); ++i) {
        const std::string_view text = compiler.tokenAt(i).text;
        line += text;
        if (text == ";" || text == "}") {
            compiler.trace(line);
            line.clear();
        }
    }
}

int firstBodyToken(const Compiler& compiler, int top) {
    int p = std::max(top, 0);
    while (p < compiler.tokens.count() && compiler.tokenAt(p).kind != Kind::BEGIN) ++p;
    return p + 1;
}

// Expands, in the body of entry e, every call of the entries 1 .. k - 1.
int expandEntry(Expansion& x, int e, int k) {
    Compiler& compiler = x.compiler;
    const FunctionEntry& entry = x.table[e];
    int p = firstBodyToken(compiler, entry.top);
    while (p < entry.top + entry.size) {
        bool rescan = false;
        for (int j = 1; j < k && !rescan; ++j) {
            const Token& token = compiler.tokenAt(p);
            if (token.kind != Kind::IDENT || compiler.tokenAt(p + 1).kind != Kind::OPEN ||
                token.text != x.table[j].name) {
                continue;
            }
            x.callee = x.table[j].name;
            const int n = x.scopeCounter + 1;
            int statement = 0;
            int hoisted = 0;
            p = hoistCallIntoTemporary(x, p, n, e);
            if (p >= 0) p = hoistArguments(x, p, n, e, j, statement, hoisted);
            if (p >= 0) p = inlineCall(x, p, n, e, j);
            if (p < 0) return -1;
            compiler.trace("showTOKEN " + tokenTexts(compiler, p, 8));
            // Hoisted arguments now stand in front of the call, where the
            // scan has been already: go back so that calls inside them are
            // expanded too.
            if (hoisted > 0) {
                p = statement;
                rescan = true;
            }
        }
        if (!rescan) ++p;
        p = std::max(p, entry.top);
    }
    return 0;
}

}  // namespace

int expandUserFunctions(Compiler& compiler, int tokenCount) {
    Token* const tokens = compiler.tokens.records();
    for (int i = 0; i < kMaxTokens; ++i) tokens[i].scope = 0;
    compiler.tokens.setCount(std::clamp(tokenCount, 0, kMaxTokens));

    FunctionTable table;
    const int used = scanDefinitions(compiler, table);
    traceTable(compiler, table, used);
    if (used < 0) return -1;
    if (used == 1) return compiler.tokens.count();
    if (checkRecursion(compiler, table) < 0) return -1;

    Expansion x{compiler, table};
    for (int k = 2; k <= used; ++k) {
        if (expandEntry(x, k == used ? 0 : k, k) < 0) return -1;
    }
    removeDefinitions(compiler, table);
    compiler.tokens.markEnd();
    dumpListing(compiler, "uFunc Over");
    return compiler.tokens.count();
}

}  // namespace zentra
