// Appending tokens with the table's limit error.
#pragma once

#include <cstdint>

#include "front/reporter.h"
#include "front/token_table.h"

namespace zentra {

// Error 921 at the position.
void reportTokenLimit(Reporter& report, std::int32_t position);

// Appends a token whose text is a view of the table's storage or of static
// storage (the lexer's, which stores each line once); at the table limit
// reports error 921 once per run and returns false. Inline, as the lexer
// appends every token through it.
inline bool appendStoredToken(TokenTable& tokens, Reporter& report, const Token& token) {
    const AppendResult result = tokens.append(token);
    if (result == AppendResult::LimitReached) reportTokenLimit(report, token.position);
    return result == AppendResult::Added;
}

// The same for a token whose text may die after the call: it is copied into
// the table's storage first.
bool appendToken(TokenTable& tokens, Reporter& report, Token token);

}  // namespace zentra
