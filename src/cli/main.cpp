// zentra-cli: one Exec without any window; prints the output area.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "cli/cli_run.h"
#include "cli/options.h"

namespace {

// The drawing for --graph lives in zentra-cli-graph, the same program linked
// with the desktop application's painting code, so that every other run of
// zentra-cli starts without loading Qt. It stands beside this program (build
// folder) or in libexec/zentra (installed); when there is none, --graph is
// not available. Returns only when it cannot be started.
void runGraphProgram(char** argv) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return;
    const std::filesystem::path folder = self.parent_path();
    for (const auto& candidate : {folder / "zentra-cli-graph", folder / ".." / "libexec" / "zentra" / "zentra-cli-graph"}) {
        if (::access(candidate.c_str(), X_OK) == 0) ::execv(candidate.c_str(), argv);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    if (const auto options = zentra::cli::parseOptions(args, error); options && options->graphFile) {
        runGraphProgram(argv);
    }
    return zentra::cli::run(args, nullptr);
}
