// The lexer: one source line into first-level tokens.
#pragma once

#include <cstdint>
#include <string_view>

#include "front/reporter.h"
#include "front/token_table.h"

namespace zentra {

// Appends the tokens of one line, all with the given position code, and
// returns how many it appended (0 for a line without tokens). Reports
// errors 104, 105 and 106; writes the prepared line to the monitor.
int lexLine(TokenTable& tokens, Reporter& report, std::int32_t position, std::string_view line);

}  // namespace zentra
