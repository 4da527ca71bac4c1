// Inline expansion of user-function calls.
#pragma once

#include "front/reporter.h"
#include "front/shown_names.h"
#include "front/token_table.h"

namespace zentra {

// Replaces every call of a listed user function by a copy of its body under
// a fresh scope level and removes the definitions. Returns the new token
// count, or a negative value after reporting an error.
// Temporaries made for hoisted calls are named in `names`.
int expandUserFunctions(TokenTable& tokens, Reporter& report, ShownNames& names, int tokenCount);

}  // namespace zentra
