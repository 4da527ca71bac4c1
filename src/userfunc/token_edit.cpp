#include "userfunc/token_edit.h"

#include <algorithm>

#include "userfunc/userfunc_error.h"

namespace zentra {

bool openTokenGap(Compiler& compiler, int at, int count, std::int32_t position,
                  std::string_view function) {
    if (compiler.tokens.count() + count > kMaxTokens) {
        reportUserFunctionError(
            compiler, kErrExpansionTooLong, position, function,
            "ユーザ関数の展開でトークン数が" + std::to_string(kMaxTokens) + "個を超えました。");
        return false;
    }
    if (at < 0 || at > compiler.tokens.count() || count < 0) return false;
    Token* const tokens = compiler.tokens.records();
    Token* const first = tokens + at;
    Token* const last = tokens + compiler.tokens.count();
    std::move_backward(first, last, last + count);
    compiler.tokens.setCount(compiler.tokens.count() + count);
    return true;
}

void closeTokenGap(Compiler& compiler, int at, int count) {
    if (at < 0 || count < 0 || at + count > compiler.tokens.count()) return;
    Token* const tokens = compiler.tokens.records();
    Token* const last = tokens + compiler.tokens.count();
    std::move(tokens + at + count, last, tokens + at);
    compiler.tokens.setCount(compiler.tokens.count() - count);
}

std::string tokenTexts(const Compiler& compiler, int from, int count) {
    std::string text;
    for (int i = from; i < from + count; ++i) text += compiler.tokenAt(i).text;
    return text;
}

}  // namespace zentra
