#include "userfunc/token_edit.h"

#include <algorithm>

#include "userfunc/userfunc_error.h"

namespace zentra {

bool openTokenGap(TokenTable& tokens, Reporter& report, int at, int count, std::int32_t position,
                  std::string_view function) {
    if (tokens.count() + count > kMaxTokens) {
        reportUserFunctionError(
            report, kErrExpansionTooLong, position, function,
            "ユーザ関数の展開でトークン数が" + std::to_string(kMaxTokens) + "個を超えました。");
        return false;
    }
    if (at < 0 || at > tokens.count() || count < 0) return false;
    Token* const records = tokens.records();
    Token* const first = records + at;
    Token* const last = records + tokens.count();
    std::move_backward(first, last, last + count);
    tokens.setCount(tokens.count() + count);
    return true;
}

void closeTokenGap(TokenTable& tokens, int at, int count) {
    if (at < 0 || count < 0 || at + count > tokens.count()) return;
    Token* const records = tokens.records();
    Token* const last = records + tokens.count();
    std::move(records + at + count, last, records + at);
    tokens.setCount(tokens.count() - count);
}

std::string tokenTexts(const TokenTable& tokens, int from, int count) {
    std::string text;
    for (int i = from; i < from + count; ++i) text += tokens.at(i).text;
    return text;
}

}  // namespace zentra
