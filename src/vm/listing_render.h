// The code listing rendered with symbol names for the monitor's message pane.
#pragma once

#include <string>

#include "front/compiler.h"

namespace zentra {

// Appends an empty line, then one line per listing line.
void renderListing(const std::string& listing, const Compiler& compiler, TextArea& pane);

}  // namespace zentra
