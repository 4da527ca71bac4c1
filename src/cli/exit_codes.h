// The exit codes of zentra-cli.
#pragma once

namespace zentra::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFrontEnd = 1,
    kExitRuntime = 2,
    kExitUndefined = 3,
    kExitUnregistered = 4,
    kExitUsage = 64,
    kExitNoInput = 66,
    kExitCannotCreate = 73,
    kExitOutputError = 74,
};

}  // namespace zentra::cli
