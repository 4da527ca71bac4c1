#include "front/token_append.h"

#include <string>

#include "front/compiler.h"

namespace zentra {

bool appendStoredToken(TokenTable& tokens, Reporter& report, const Token& token) {
    const AppendResult result = tokens.append(token);
    if (result == AppendResult::LimitReached) {
        report.errorAt(kErrTooManyTokens, token.position,
                       "トークン数が" + std::to_string(kMaxTokens) + "個を超えました。プログラムを分けてください。");
    }
    return result == AppendResult::Added;
}

bool appendToken(TokenTable& tokens, Reporter& report, Token token) {
    if (!tokens.full()) token.text = tokens.store(token.text);
    return appendStoredToken(tokens, report, token);
}

}  // namespace zentra
