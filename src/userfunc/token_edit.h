// Inserting and removing records of the token array, bounded by its size.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "front/reporter.h"
#include "front/token_table.h"

namespace zentra {

// Moves the tokens from `at` on by `count` places towards the end. When the
// array would pass kMaxTokens, reports error 591 for the function whose call
// is being expanded at `position` instead and answers false.
bool openTokenGap(TokenTable& tokens, Reporter& report, int at, int count, std::int32_t position,
                  std::string_view function);

// Removes the `count` tokens at `at`.
void closeTokenGap(TokenTable& tokens, int at, int count);

// The texts of `count` tokens from `from`, without separators.
std::string tokenTexts(const TokenTable& tokens, int from, int count);

}  // namespace zentra
