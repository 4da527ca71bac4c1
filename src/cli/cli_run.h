// One run of zentra-cli over its command-line arguments (the program name
// left out); returns the exit code.
#pragma once

#include <string>
#include <vector>

#include "cli/graph_output.h"

namespace zentra::cli {

// `graphWriter` draws the --graph picture; builds without the desktop
// application's painting code pass none, and --graph is then not available.
int run(const std::vector<std::string>& args, GraphWriter graphWriter);

}  // namespace zentra::cli
