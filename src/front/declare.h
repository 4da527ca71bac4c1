// Parameter-area declarations: constants, swept parameters, strings, arrays, aliases.
#pragma once

#include "front/compiler.h"

namespace zentra {

// Parses one declaration at the token index; always consumes a token.
void compileDeclaration(Compiler& compiler);

}  // namespace zentra
