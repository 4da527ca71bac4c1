// The code listing shown in the debug monitor: lines separated by a backslash,
// each a 6-character head (word index or blanks) and 5-character items.
#pragma once

#include <string>

#include "vm/value_stores.h"

namespace zentra {

std::string codeListing(const CodeBuffer& code);

}  // namespace zentra
