#include "userfunc/token_edit.h"

#include <algorithm>

#include "userfunc/userfunc_error.h"

namespace zentra {

bool openTokenGap(Compiler& compiler, int at, int count, std::int32_t position,
                  std::string_view function) {
    if (compiler.tokenCount + count > kMaxTokens) {
        reportUserFunctionError(
            compiler, kErrExpansionTooLong, position, function,
            "ユーザ関数の展開でトークン数が" + std::to_string(kMaxTokens) + "個を超えました。");
        return false;
    }
    if (at < 0 || at > compiler.tokenCount || count < 0) return false;
    auto& tokens = compiler.tokens;
    const auto first = tokens.begin() + at;
    const auto last = tokens.begin() + compiler.tokenCount;
    std::move_backward(first, last, last + count);
    compiler.tokenCount += count;
    return true;
}

void closeTokenGap(Compiler& compiler, int at, int count) {
    if (at < 0 || count < 0 || at + count > compiler.tokenCount) return;
    auto& tokens = compiler.tokens;
    const auto last = tokens.begin() + compiler.tokenCount;
    std::move(tokens.begin() + at + count, last, tokens.begin() + at);
    compiler.tokenCount -= count;
}

std::string tokenTexts(const Compiler& compiler, int from, int count) {
    std::string text;
    for (int i = from; i < from + count; ++i) text += compiler.tokenAt(i).text;
    return text;
}

}  // namespace zentra
