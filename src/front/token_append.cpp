#include "front/token_append.h"

#include <string>

#include "front/compiler.h"

namespace zentra {

void reportTokenLimit(Reporter& report, std::int32_t position) {
    report.errorAt(kErrTooManyTokens, position,
                   "トークン数が" + std::to_string(kMaxTokens) + "個を超えました。プログラムを分けてください。");
}

bool appendToken(TokenTable& tokens, Reporter& report, Token token) {
    if (!tokens.full()) token.text = tokens.store(token.text);
    return appendStoredToken(tokens, report, token);
}

}  // namespace zentra
