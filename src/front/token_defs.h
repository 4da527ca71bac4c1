// The token definition pass and the builtin table.
#pragma once

#include <string_view>

#include "front/reporter.h"
#include "front/symbol_table.h"
#include "front/token_table.h"
#include "host/text_area.h"

namespace zentra {

// Folds hexadecimal numbers, signs and exponents, drops empty tokens and
// gives every token its final kind (errors 199, 193, 109); false when it
// stopped at a hexadecimal number out of range.
bool defineTokens(TokenTable& tokens, Reporter& report);

// defineTokens, then the token dump into the pane unless it stopped early.
void addDef(TokenTable& tokens, Reporter& report, TextArea& tokenPane);

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
