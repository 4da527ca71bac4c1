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

void traceTable(Reporter& report, const FunctionTable& table, int used) {
    report.trace("numUser = " + std::to_string(used));
    for (int i = 0; i < used; ++i) {
        const FunctionEntry& e = table[i];
        const std::string head = "user[" + std::to_string(i) + "].";
        report.trace(head + "name  = " + e.name);
        report.trace(head + "top   = " + std::to_string(e.top));
        report.trace(head + "size  = " + std::to_string(e.size));
        report.trace(head + "param = " + std::to_string(e.paramCount));
    }
}

void dumpListing(const TokenTable& tokens, Reporter& report, std::string_view title) {
    report.trace("--------" + std::string(title) + "---------");
    std::string line;
    for (int i = 0; i < tokens.count(); ++i) {
        const std::string_view text = tokens.at(i).text;
        line += text;
        if (text == ";" || text == "}") {
            report.trace(line);
            line.clear();
        }
    }
}

int firstBodyToken(const TokenTable& tokens, int top) {
    int p = std::max(top, 0);
    while (p < tokens.count() && tokens.at(p).kind != Kind::BEGIN) ++p;
    return p + 1;
}

// Expands, in the body of entry e, every call of the entries 1 .. k - 1.
int expandEntry(Expansion& x, int e, int k) {
    TokenTable& tokens = x.tokens;
    const FunctionEntry& entry = x.table[e];
    int p = firstBodyToken(tokens, entry.top);
    while (p < entry.top + entry.size) {
        bool rescan = false;
        for (int j = 1; j < k && !rescan; ++j) {
            const Token& token = tokens.at(p);
            if (token.kind != Kind::IDENT || tokens.at(p + 1).kind != Kind::OPEN ||
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
            x.report.trace("showTOKEN " + tokenTexts(tokens, p, 8));
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

int expandUserFunctions(TokenTable& tokens, Reporter& report, ShownNames& names, int tokenCount) {
    Token* const records = tokens.records();
    for (int i = 0; i < kMaxTokens; ++i) records[i].scope = 0;
    tokens.setCount(std::clamp(tokenCount, 0, kMaxTokens));

    FunctionTable table;
    const int used = scanDefinitions(tokens, report, table);
    traceTable(report, table, used);
    if (used < 0) return -1;
    if (used == 1) return tokens.count();
    if (checkRecursion(tokens, report, table) < 0) return -1;

    Expansion x{tokens, report, names, table};
    for (int k = 2; k <= used; ++k) {
        if (expandEntry(x, k == used ? 0 : k, k) < 0) return -1;
    }
    removeDefinitions(tokens, table);
    tokens.markEnd();
    dumpListing(tokens, report, "uFunc Over");
    return tokens.count();
}

}  // namespace zentra
