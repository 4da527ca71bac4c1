// The parser driver and the passes around it.
#pragma once

#include <string>

#include "front/compiler.h"

namespace zentra {

// Tokens after the "}" that closes the program block: a "}" without its "{".
inline constexpr int kErrStrayClosingBrace = 450;

// Gives every parameter-area name (and its later uses) the "_" prefix.
void prefixParameterNames(Compiler& compiler);

// The counters a compilation starts from: no words emitted, token index 0,
// slot counters at their first slots, no arrays, one pass.
void resetParserState(Compiler& compiler);

// Declarations, then the program block, whose words go into `code` (ended by
// the end word); false when the declarations reported an error and nothing
// was compiled.
bool parser(Compiler& compiler, CodeBuffer& code);

// The monitor's token and symbol dumps; they replace the pane's lines.
void dumpTokens(const Compiler& compiler, TextArea& pane);
void dumpSymbols(const Compiler& compiler, TextArea& pane);

}  // namespace zentra
