// One pass of the machine over the session's code buffer and stores.
#pragma once

#include "session/session.h"

namespace zentra {

// Clears the variable and local stores, runs the code buffer, and on a
// run-time error shows its message box. Returns true when the pass failed.
bool runPass(Session& session);

enum class PassEnd { Completed, Failed, Cancelled };

// runPass for pass `pass` of `passCount` of a sweep: inside the pass the
// machine asks host.keepRunning(pass, passCount) every kKeepRunningInterval
// executed jumps; a false answer ends the pass as Cancelled, without a box.
PassEnd runSweepPass(Session& session, int pass, int passCount);

}  // namespace zentra
