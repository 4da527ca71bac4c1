// Appending tokens with the table's limit error.
#pragma once

#include "front/reporter.h"
#include "front/token_table.h"

namespace zentra {

// Appends a token whose text is a view of the table's storage or of static
// storage (the lexer's, which stores each line once); at the table limit
// reports error 921 once per run and returns false.
bool appendStoredToken(TokenTable& tokens, Reporter& report, const Token& token);

// The same for a token whose text may die after the call: it is copied into
// the table's storage first.
bool appendToken(TokenTable& tokens, Reporter& report, Token token);

}  // namespace zentra
