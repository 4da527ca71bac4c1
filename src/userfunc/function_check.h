// The user-function check: which user functions a program calls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"

namespace zentra {

// The first candidate call of a user function in one line, or "" (names in
// `found` and builtin names are passed over).
std::string discoverCall(std::string_view line, const std::vector<std::string>& found);

// Fills `calledFunctions` callee-before-caller from the program lines and the
// store, writes the "#userFunc" monitor lines, and shows the message box
// listing unregistered functions; true when every called function is registered.
bool userFunctionCheck(Host& host, const std::vector<std::string>& programLines,
                       const std::vector<std::string>& userFunctionStore,
                       std::vector<std::string>& calledFunctions);

}  // namespace zentra
