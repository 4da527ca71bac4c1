// Hoisting: calls inside larger expressions and arguments of more than one
// token move into temporary assignments in front of their statement.

#include <initializer_list>
#include <string>
#include <vector>

#include "userfunc/expansion_steps.h"
#include "userfunc/token_edit.h"
#include "userfunc/userfunc_error.h"

namespace zentra {

namespace {

bool isOneOf(Kind kind, std::initializer_list<Kind> kinds) {
    for (const Kind k : kinds) {
        if (k == kind) return true;
    }
    return false;
}

// The first token of the statement that holds the token at `from`.
int statementStart(const TokenTable& tokens, int from) {
    int s = from;
    while (s > 0 && !isOneOf(tokens.at(s - 1).kind, {Kind::SEMICLN, Kind::BEGIN, Kind::END})) {
        --s;
    }
    return s;
}

// Tokens from the call's name through the ")" that closes its "(", or -1.
int callLength(const TokenTable& tokens, int call) {
    int depth = 0;
    for (int i = call + 1; i < tokens.count(); ++i) {
        const Kind kind = tokens.at(i).kind;
        if (kind == Kind::OPEN) ++depth;
        if (kind == Kind::CLOSE && --depth == 0) return i - call + 1;
    }
    return -1;
}

int callFormError(Expansion& x, int call) {
    const Token& name = x.tokens.at(call);
    reportUserFunctionError(x.report, kErrCallForm, name.position, name.text,
                            "ユーザ関数の使い方に矛盾があります。");
    return kCallFormFailed;
}

// The index of the "}" that closes the "{" at `open`, or -1.
int blockEnd(const TokenTable& tokens, int open) {
    int depth = 0;
    for (int i = open; i < tokens.count(); ++i) {
        const Kind kind = tokens.at(i).kind;
        if (kind == Kind::BEGIN) ++depth;
        if (kind == Kind::END && --depth == 0) return i;
    }
    return -1;
}

// The index of the "{" that the "}" at `close` closes, or -1.
int blockStart(const TokenTable& tokens, int close) {
    int depth = 0;
    for (int i = close; i >= 0; --i) {
        const Kind kind = tokens.at(i).kind;
        if (kind == Kind::END) ++depth;
        if (kind == Kind::BEGIN && --depth == 0) return i;
    }
    return -1;
}

// Whether the "elsif" at `part` follows a part of an if statement: the
// block of a condition that begins with "if" or "elsif". A call expanded in
// place leaves a body in braces in a condition; it is stepped over.
bool followsIfPart(const TokenTable& tokens, int part) {
    if (tokens.at(part - 1).kind != Kind::END) return false;
    int i = blockStart(tokens, part - 1) - 1;
    while (i >= 0) {
        const Kind kind = tokens.at(i).kind;
        if (kind == Kind::IF || kind == Kind::ELSIF) return true;
        if (kind == Kind::END) {
            const int open = blockStart(tokens, i);
            if (open < 0) return false;
            i = open - 1;
            continue;
        }
        if (isOneOf(kind, {Kind::SEMICLN, Kind::BEGIN, Kind::ELSE, Kind::WHILE, Kind::PROC})) {
            return false;
        }
        --i;
    }
    return false;
}

// From the "elsif" at `part`: the "}" that ends the if statement (its last
// elsif or else part), or -1 when the parts are not condition-and-block as
// the statement compiler wants them. The conditions hold no block yet: calls
// in them are expanded from the left, and the first one opens its part.
int ifStatementEnd(const TokenTable& tokens, int part) {
    int end = -1;
    int i = part;
    while (tokens.at(i).kind == Kind::ELSIF || tokens.at(i).kind == Kind::ELSE) {
        int open = i + 1;
        if (tokens.at(i).kind == Kind::ELSIF) {
            int depth = 0;
            for (; open < tokens.count(); ++open) {
                const Kind kind = tokens.at(open).kind;
                if (kind == Kind::OPEN) ++depth;
                if (kind == Kind::CLOSE) --depth;
                if (depth == 0 && kind == Kind::BEGIN) break;
                if (isOneOf(kind, {Kind::SEMICLN, Kind::END})) return -1;
            }
        }
        if (tokens.at(open).kind != Kind::BEGIN) return -1;
        end = blockEnd(tokens, open);
        if (end < 0) return -1;
        if (tokens.at(i).kind == Kind::ELSE) break;
        i = end + 1;
    }
    return end;
}

// elsif C {B} ...  becomes  else { if C {B} ... }: the statements hoisted out
// of C then stand in the else part, where C is tested, not in front of the
// whole if statement. Answers how far the tokens from the elsif on moved (2),
// 0 when the parts do not have the form the statement compiler wants (it
// will report them), or -1 after error 591.
int openElsif(Expansion& x, int elsif, int entry) {
    TokenTable& tokens = x.tokens;
    if (!followsIfPart(tokens, elsif)) return 0;
    const int end = ifStatementEnd(tokens, elsif);
    if (end < 0) return 0;
    const Token part = tokens.at(elsif);
    const Token last = tokens.at(end);
    if (!openTokenGap(tokens, x.report, end + 1, 1, last.position, x.callee)) return kStepFailed;
    tokens[static_cast<std::size_t>(end + 1)] = Token{last.position, Kind::END, "}", part.scope};
    if (!openTokenGap(tokens, x.report, elsif, 2, part.position, x.callee)) return kStepFailed;
    Token* const at = tokens.records() + elsif;
    at[0] = Token{part.position, Kind::ELSE, "else", part.scope};
    at[1] = Token{part.position, Kind::BEGIN, "{", part.scope};
    at[2] = Token{part.position, Kind::IF, "if", part.scope};
    shiftTable(x.table, entry, 3);
    x.report.trace("ELSIF " + tokenTexts(tokens, elsif, 3));
    return 2;
}

// True when the call is already the whole right side of an assignment (or
// the whole condition before a "{"), so that it needs no temporary.
// `failed` is set after error 560.
bool standsAlone(Expansion& x, int call, bool& failed) {
    const TokenTable& tokens = x.tokens;
    int before = call - 1;
    while (before >= 0 && tokens.at(before).kind == Kind::OPEN) --before;
    if (before >= 1 && !isOneOf(tokens.at(before).kind,
                                {Kind::ASSIGN, Kind::BEGIN, Kind::END, Kind::IF, Kind::WHILE})) {
        return false;
    }
    int close = call + 1;
    for (; close < tokens.count(); ++close) {
        const Kind kind = tokens.at(close).kind;
        if (kind == Kind::CLOSE) break;
        if (isOneOf(kind, {Kind::SEMICLN, Kind::BEGIN, Kind::END, Kind::IF, Kind::ELSE, Kind::ELSIF,
                           Kind::WHILE})) {
            break;
        }
    }
    if (tokens.at(close).kind != Kind::CLOSE) {
        failed = true;
        callFormError(x, call);
        return false;
    }
    const Token& after = tokens.at(close + 1);
    if (after.kind != Kind::SEMICLN && after.kind != Kind::BEGIN) return false;
    x.report.trace(std::string(after.text) + " : addDefFN 処理不要");
    return true;
}

enum : int { kArgumentPastEnd = -1, kArgumentCountWrong = -2 };

// Tokens of the argument that starts at `r` (at least r and r + 1). It ends
// before the "," or, for the last argument, the ")" of the call, counting
// its own parentheses; a "," or ")" of the call where the other is due means
// the call has another number of arguments than the function.
int argumentLength(const TokenTable& tokens, int r, bool last) {
    const Kind first = tokens.at(r).kind;
    if (first == Kind::COMMA || first == Kind::CLOSE) return kArgumentCountWrong;
    int depth = first == Kind::OPEN ? 1 : 0;
    for (int i = r + 1; i < tokens.count(); ++i) {
        const Kind kind = tokens.at(i).kind;
        if (kind == Kind::OPEN) ++depth;
        if (kind == Kind::COMMA && depth == 0) return last ? kArgumentCountWrong : i - r;
        if (kind == Kind::CLOSE && --depth < 0) return last ? i - r : kArgumentCountWrong;
    }
    return kArgumentPastEnd;
}

}  // namespace

int hoistExpression(Expansion& x, int at, int rangeStart, int length, std::string_view name) {
    TokenTable& tokens = x.tokens;
    if (at < 0 || at > rangeStart || length < 0 || rangeStart + length > tokens.count()) {
        return kStepFailed;
    }
    Token temporary = tokens.at(rangeStart);
    temporary.kind = Kind::IDENT;
    temporary.text = tokens.store(name);
    Token assign{temporary.position, Kind::ASSIGN, "=", temporary.scope};
    Token end{temporary.position, Kind::SEMICLN, ";", temporary.scope};

    // New order of [at, rangeStart + length): name = range ; before-range name
    std::vector<Token> segment;
    segment.reserve(static_cast<std::size_t>(rangeStart + length - at + 4));
    segment.push_back(temporary);
    segment.push_back(assign);
    for (int i = rangeStart; i < rangeStart + length; ++i) segment.push_back(tokens.at(i));
    segment.push_back(end);
    for (int i = at; i < rangeStart; ++i) segment.push_back(tokens.at(i));
    segment.push_back(temporary);

    x.names.nameTemporary(name, tokenTexts(tokens, rangeStart, length));
    if (!openTokenGap(tokens, x.report, rangeStart + length, 4, temporary.position, x.callee)) {
        return kStepFailed;
    }
    for (std::size_t i = 0; i < segment.size(); ++i) {
        tokens[static_cast<std::size_t>(at) + i] = std::move(segment[i]);
    }
    return 0;
}

int hoistCallIntoTemporary(Expansion& x, int call, int n, int entry) {
    TokenTable& tokens = x.tokens;
    const int part = statementStart(tokens, call);
    if (tokens.at(part).kind == Kind::ELSIF) {
        const int moved = openElsif(x, part, entry);
        if (moved < 0) return kStepFailed;
        call += moved;
    }
    bool failed = false;
    if (standsAlone(x, call, failed)) return call;
    if (failed) return kCallFormFailed;

    const int s = statementStart(tokens, call);
    const int length = callLength(tokens, call);
    if (length < 0) return callFormError(x, call);
    if (hoistExpression(x, s, call, length, "~userF" + std::to_string(n)) < 0) return kStepFailed;
    shiftTable(x.table, entry, 4);
    x.report.trace("ADDF " + tokenTexts(tokens, s + 2, 2));
    return s + 2;
}

int hoistArguments(Expansion& x, int call, int n, int entry, int callee, int& statementStartOut,
                   int& hoisted) {
    TokenTable& tokens = x.tokens;
    const FunctionEntry& function = x.table[callee];
    const int params = function.paramCount;
    int c = call;
    int s = statementStart(tokens, c);
    statementStartOut = s;
    hoisted = 0;
    int q = c + 3;
    for (int k = 0; k < params && q < tokens.count(); ++k) {
        const bool last = k == params - 1;
        const Kind kind = tokens.at(q).kind;
        if (kind == (last ? Kind::CLOSE : Kind::COMMA)) {
            q += 2;
            continue;
        }
        const int position = tokens.at(c).position;
        if (isOneOf(kind, {Kind::SEMICLN, Kind::ASSIGN, Kind::BEGIN, Kind::END})) {
            reportUserFunctionError(x.report, kErrArgumentForm, position, function.name,
                                    "ユーザ関数引数の記述に矛盾があります。");
            return kArgumentFormFailed;
        }
        const int r = q - 1;
        const int length = argumentLength(tokens, r, last);
        if (length == kArgumentCountWrong) {
            reportUserFunctionError(x.report, kErrArgumentForm, position, function.name,
                                    "ユーザ関数引数の記述に矛盾があります。");
            return kArgumentFormFailed;
        }
        if (length == kArgumentPastEnd) {
            reportUserFunctionError(x.report, kErrArgumentEnd, position, function.name,
                                    "ユーザ関数引数の記述に誤りがあります。");
            return kArgumentEndFailed;
        }
        x.report.trace(function.name + " c=" + std::to_string(k) + " eq=" + std::to_string(length) +
                       " pEq=" + std::to_string(r) + " " + tokenTexts(tokens, r, length));
        const std::string name = "~userQ" + std::to_string(n) + "_" + std::to_string(k);
        if (hoistExpression(x, s, r, length, name) < 0) return kStepFailed;
        shiftTable(x.table, entry, 4);
        ++hoisted;
        c += length + 3;
        s += length + 3;
        q = r + length + 6;
    }
    return c;
}

}  // namespace zentra
