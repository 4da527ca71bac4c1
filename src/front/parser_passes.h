// The passes around the program compiler: prefixing of parameter names and
// the monitor's token and symbol dumps.
#pragma once

#include <string>

#include "front/compiler.h"

namespace zentra {

// Gives every parameter-area name (and its later uses) the "_" prefix.
void prefixParameterNames(Compiler& compiler);

// The monitor's token and symbol dumps; they replace the pane's lines.
void dumpTokens(const Compiler& compiler, TextArea& pane);
void dumpSymbols(const SymbolTable& symbols, TextArea& pane);

}  // namespace zentra
