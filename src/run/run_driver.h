// The Exec command: both input texts through every stage, then one pass per
// sweep value with its printed results.
#pragma once

#include <string>
#include <vector>

#include "session/session.h"

namespace zentra {

enum class ExecOutcome {
    Nothing,                // empty program, or stopped by a monitor switch
    Completed,              // every pass ran
    FrontEndError,          // error lines are in the output area
    RuntimeError,           // a pass failed and its message box was shown, or the host
                            // cancelled the run (status text 0 says so, no box)
    UndefinedParameter,     // the parameter area was asked for a name
    UnregisteredFunctions,  // the message box listed them
};

ExecOutcome exec(Session& session);

// The constant-store value of the parameter-area constant `name`, or fallback.
double namedSetting(const Session& session, const std::string& name, double fallback);

}  // namespace zentra
