// The passes around the program compiler: prefixing of parameter names and
// the monitor's token and symbol dumps.
#pragma once

#include <string>

#include "front/shown_names.h"
#include "front/symbol_table.h"
#include "front/token_table.h"
#include "host/text_area.h"

namespace zentra {

// Gives every parameter-area name (and its later uses) the "_" prefix.
void prefixParameterNames(TokenTable& tokens, ShownNames& names);

// The monitor's token and symbol dumps; they replace the pane's lines.
void dumpTokens(const TokenTable& tokens, TextArea& pane);
void dumpSymbols(const SymbolTable& symbols, TextArea& pane);

}  // namespace zentra
