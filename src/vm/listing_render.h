// The code listing rendered with symbol names for the monitor's message pane.
#pragma once

#include <string>

#include "front/compiler.h"
#include "vm/value_stores.h"

namespace zentra {

// Appends an empty line, then one line per line of the listing of `code`,
// made when the pane is read, with the symbols as they are now.
void renderListing(const CodeBuffer& code, const Compiler& compiler, TextArea& pane);

}  // namespace zentra
