// Inline expansion of user-function calls.
#pragma once

#include "front/compiler.h"

namespace zentra {

// Replaces every call of a listed user function by a copy of its body under
// a fresh scope level and removes the definitions. Returns the new token
// count, or a negative value after reporting an error.
int expandUserFunctions(Compiler& compiler, int tokenCount);

}  // namespace zentra
