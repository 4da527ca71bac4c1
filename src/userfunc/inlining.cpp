// Inlining: a call with single-token arguments becomes a copy of the
// callee's body under a fresh scope level.

#include <algorithm>
#include <string>
#include <vector>

#include "userfunc/expansion_steps.h"
#include "userfunc/token_edit.h"
#include "userfunc/userfunc_error.h"

namespace zentra {

namespace {

// Scope levels stay far from overflowing the 32-bit field.
constexpr std::int64_t kMaxScopeLevel = 0x3FFFFFFF;

bool isArgumentKind(Kind kind) {
    return kind == Kind::VAR || kind == Kind::CONST || kind == Kind::DIGIT || kind == Kind::IDENT;
}

}  // namespace

int inlineCall(Expansion& x, int call, int n, int entry, int callee) {
    TokenTable& tokens = x.tokens;
    const FunctionEntry function = x.table[callee];
    const int params = function.paramCount;
    const int header = headerLength(params);
    const int body = function.size - header;

    std::vector<Token> arguments;
    for (int i = 0; i < params; ++i) {
        const Token& argument = tokens.at(call + 2 * i + 2);
        if (!isArgumentKind(argument.kind)) {
            reportUserFunctionError(
                x.report, kErrArgumentKind, argument.position, function.name,
                "ユーザ関数の引数 " + std::string(argument.text) + " に矛盾があります。");
            return kStepFailed;
        }
        arguments.push_back(argument);
    }
    if (tokens.at(call + header - 1).kind != Kind::CLOSE) {
        const int last = params == 0 ? call : call + 2 * params;
        reportUserFunctionError(x.report, kErrCallNotClosed, tokens.at(last).position,
                                function.name, "ユーザ関数の使い方に矛盾があります。");
        return kStepFailed;
    }

    std::int64_t highest = x.scopeCounter;
    for (int s = 0; s < body; ++s) {
        highest = std::max<std::int64_t>(highest, tokens.at(function.top + header + s).scope + n);
    }
    if (highest > kMaxScopeLevel) {
        reportUserFunctionError(x.report, kErrExpansionTooDeep, tokens.at(call).position,
                                function.name, "ユーザ関数の展開の入れ子が深すぎます。");
        return kStepFailed;
    }

    // The tail behind the call moves by d; the callee lies in front of the
    // call and is not touched.
    const int d = body - header;
    if (d > 0 && !openTokenGap(tokens, x.report, call + header, d, tokens.at(call).position,
                               function.name)) {
        return kStepFailed;
    }
    if (d < 0) closeTokenGap(tokens, call + body, -d);

    // Only the callee's own tokens (scope level 0 there) can name its
    // parameters: tokens inlined into it earlier are other functions' locals.
    std::vector<bool> ownToken(static_cast<std::size_t>(body));
    for (int s = 0; s < body; ++s) {
        Token copy = tokens.at(function.top + header + s);
        ownToken[static_cast<std::size_t>(s)] = copy.scope == 0;
        copy.scope += n;
        tokens[static_cast<std::size_t>(call + s)] = std::move(copy);
    }
    x.scopeCounter = static_cast<std::int32_t>(highest);
    shiftTable(x.table, entry, d);

    // A token replaced for one parameter is not replaced again, so that
    // exchanged arguments (g(y, x) for g(x, y)) stay exchanged.
    for (int i = 0; i < params; ++i) {
        const std::string_view name = tokens.at(function.top + 2 * i + 2).text;
        const Token& argument = arguments[static_cast<std::size_t>(i)];
        x.report.trace(std::string(name) + " of " + function.name + " --> " +
                       std::string(argument.text));
        for (int s = 0; s < body; ++s) {
            Token& token = tokens[static_cast<std::size_t>(call + s)];
            if (!ownToken[static_cast<std::size_t>(s)] || token.text != name) continue;
            token.text = argument.text;
            token.kind = argument.kind;
            token.scope = argument.scope;
            ownToken[static_cast<std::size_t>(s)] = false;
        }
    }
    return std::max(call + d, 0);
}

void removeDefinitions(TokenTable& tokens, const FunctionTable& table) {
    std::vector<bool> removed(static_cast<std::size_t>(tokens.count()));
    for (int e = 1; e < table.used; ++e) {
        const int from = std::max(table[e].top, 0);
        const int to = std::min(table[e].top + table[e].size, tokens.count());
        for (int i = from; i < to; ++i) removed[static_cast<std::size_t>(i)] = true;
    }
    int kept = 0;
    for (int i = 0; i < tokens.count(); ++i) {
        if (removed[static_cast<std::size_t>(i)]) continue;
        if (kept != i) {
            tokens[static_cast<std::size_t>(kept)] = std::move(tokens[static_cast<std::size_t>(i)]);
        }
        ++kept;
    }
    tokens.setCount(kept);
}

}  // namespace zentra
