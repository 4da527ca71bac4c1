// The token definition pass and the builtin table.
#pragma once

#include <string_view>

#include "front/compiler.h"

namespace zentra {

// Folds hexadecimal numbers, signs and exponents, drops empty tokens and
// gives every token its final kind (errors 199, 193, 109).
void addDef(Compiler& compiler);

// addDef without its token dump, for a caller that dumps the tokens itself:
// false when it stopped at a hexadecimal number out of range, where addDef
// makes no dump.
bool defineTokens(Compiler& compiler);

// Empties the table down to the 40 builtin entries.
void resetSymbols(SymbolTable& symbols);

// The builtin function names the front end knows ("int" included).
bool isBuiltinName(std::string_view name);

}  // namespace zentra
