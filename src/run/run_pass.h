// One pass of the machine over the session's code buffer and stores.
#pragma once

#include "run/session.h"

namespace zentra {

// Clears the variable and local stores, runs the code buffer, and on a
// run-time error shows its message box. Returns true when the pass failed.
bool runPass(Session& session);

}  // namespace zentra
