// The program compiler: the parameter area's declarations, then the program
// block, into code words.
#pragma once

#include "front/compiler.h"

namespace zentra {

// Tokens after the "}" that closes the program block: a "}" without its "{".
inline constexpr int kErrStrayClosingBrace = 450;

// The counters a compilation starts from: no words emitted, token index 0,
// slot counters at their first slots, no arrays, one pass.
void resetParserState(Compiler& compiler);

// Declarations, then the program block, whose words go into `code` (ended by
// the end word); false when the declarations reported an error and nothing
// was compiled.
bool compileProgram(Compiler& compiler, CodeBuffer& code);

}  // namespace zentra
