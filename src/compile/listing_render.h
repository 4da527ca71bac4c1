// The monitor's message pane: the code text line and the code listing with symbol names.
#pragma once

#include <string>

#include "front/symbol_table.h"
#include "host/text_area.h"
#include "vm/code_emitter.h"
#include "vm/value_stores.h"

namespace zentra {

// Appends an empty line, then one line per line of the listing of `code`,
// made when the pane is read, with the symbols as they are now.
void renderListing(const CodeBuffer& code, const SymbolTable& symbols, TextArea& pane);

// Appends the code text of the emitted words to the pane as one line, made
// when the pane is read.
void appendCodeTextLater(const CodeEmitter& emitter, TextArea& pane);

}  // namespace zentra
