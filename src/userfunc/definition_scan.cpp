// The definition scan: the function table from the tokens before the PROC marker.

#include <string>

#include "userfunc/function_table.h"
#include "userfunc/userfunc_error.h"

namespace zentra {

namespace {

int fail(const TokenTable& tokens, Reporter& report, int code, int at, const std::string& message) {
    reportUserFunctionError(report, code, tokens.at(at).position, message);
    return -1;
}

// A fault of the definition of `name`.
int fail(const TokenTable& tokens, Reporter& report, int code, int at, const std::string& name,
         const std::string& message) {
    reportUserFunctionError(report, code, tokens.at(at).position, name, message);
    return -1;
}

bool isNameInUse(const FunctionTable& table, const std::string& name) {
    for (int i = 0; i < table.used; ++i) {
        if (table[i].name == name) return true;
    }
    return false;
}

// From the name token at `top`: the index of the ")" that ends the
// parameter list, counting the parameters; -1 when the list is malformed.
int scanParameters(const TokenTable& tokens, int top, int& paramCount) {
    paramCount = 0;
    int i = top + 2;
    if (tokens.at(i).kind == Kind::CLOSE) return i;
    while (i < tokens.count()) {
        if (tokens.at(i).kind != Kind::IDENT) return -1;
        ++paramCount;
        const Kind after = tokens.at(i + 1).kind;
        if (after == Kind::CLOSE) return i + 1;
        if (after != Kind::COMMA) return -1;
        i += 2;
    }
    return -1;
}

// From the "{" at `open`: the index of its "}", or -1; counts the returns.
int scanBody(const TokenTable& tokens, int open, int& returns) {
    returns = 0;
    int depth = 1;
    for (int i = open + 1; i < tokens.count(); ++i) {
        const Token& token = tokens.at(i);
        if (token.text == "return") ++returns;
        if (token.kind == Kind::BEGIN) ++depth;
        if (token.kind == Kind::END && --depth == 0) return i;
    }
    return -1;
}

}  // namespace

int scanDefinitions(TokenTable& tokens, Reporter& report, FunctionTable& table) {
    table = FunctionTable{};
    table.used = 1;
    int i = 0;
    while (i < tokens.count()) {
        Token& token = tokens[static_cast<std::size_t>(i)];
        if (token.kind == Kind::PROC) {
            table[0] = {i, tokens.count() - i, 0, std::string(token.text)};
            return table.used;
        }
        if (token.kind != Kind::IDENT || tokens.at(i + 1).kind != Kind::OPEN) {
            ++i;
            continue;
        }
        const std::string name(token.text);
        if (isNameInUse(table, name)) {
            return fail(tokens, report, kErrDuplicateFunction, i,
                        "ユーザ関数 " + name + " が重複しています。");
        }
        if (table.used >= kFunctionTableSize) {
            return fail(
                tokens, report, kErrTooManyFunctions, i, name,
                "ユーザ関数の数が" + std::to_string(kFunctionTableSize - 1) + "個を超えました。");
        }
        token.kind = Kind::USER;
        int paramCount = 0;
        const int close = scanParameters(tokens, i, paramCount);
        if (close < 0) {
            return fail(tokens, report, kErrParameterList, i, name,
                        "ユーザ関数の引数の記述に矛盾があります");
        }
        if (tokens.at(close + 1).kind != Kind::BEGIN) {
            return fail(tokens, report, kErrDefinitionForm, i, name,
                        "ユーザ関数の書式に矛盾があります。");
        }
        int returns = 0;
        const int end = scanBody(tokens, close + 1, returns);
        if (end < 0) {
            return fail(tokens, report, kErrFunctionNotClosed, i, name,
                        "ユーザ関数が閉じていません。");
        }
        if (returns == 0) {
            return fail(tokens, report, kErrNoReturn, end, name,
                        "ユーザ関数には return文が必要です");
        }
        if (returns > 1) {
            return fail(tokens, report, kErrSeveralReturns, end, name,
                        "ユーザ関数に複数の return文があります");
        }
        table[table.used++] = {i, end - i + 1, paramCount, name};
        i = end + 1;
    }
    reportUserFunctionError(report, kErrNoMainProgram, 0,
                            "メインソースが見つかりません。ユーザ関数の記述に矛盾があります。");
    return -1;
}

void shiftTable(FunctionTable& table, int entry, int d) {
    table[entry].size += d;
    if (entry == 0) return;
    for (int i = entry + 1; i < table.used; ++i) table[i].top += d;
    table[0].top += d;
}

}  // namespace zentra
