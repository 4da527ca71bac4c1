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

// The kind the lexer gives a name: a keyword's own, FUNC for a builtin name,
// else IDENT (what finalKindOf gives a name).
Kind nameKind(std::string_view name);
// The kind of a one-character operator or punctuation mark, None for any
// other character.
Kind punctuationKind(char c);
// The kind a text alone decides (operators, punctuation, keywords), or None.
Kind textKind(std::string_view text);
// The final kind of a token of this text whose lexer kind is `firstLevel`:
// the text's own kind, else FUNC for a builtin name, else `firstLevel`.
Kind finalKindOf(std::string_view text, Kind firstLevel);

}  // namespace zentra
