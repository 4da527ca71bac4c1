// Source preparation: the listed user functions, the parameter area and the
// program area into one token array.
#pragma once

#include <string>
#include <vector>

#include "front/reporter.h"
#include "front/token_table.h"
#include "host/host.h"

namespace zentra {

// The last line number a position code shows (its line part is read as 15
// bits). A line after it that holds anything is error 928, and the rest of
// its area is not read.
inline constexpr int kMaxAreaLines = 0x7FFF;
inline constexpr int kErrAreaTooLong = 928;

// Fills the token table anew: the called functions (callees first) from the
// store or the open editor, then the parameter and program areas read
// through the host (deleting empty parameter-area lines there).
void prepareSource(Host& host, const std::vector<std::string>& calledFunctions,
                   const std::vector<std::string>& userFunctionStore, TokenTable& tokens,
                   Reporter& report);

}  // namespace zentra
