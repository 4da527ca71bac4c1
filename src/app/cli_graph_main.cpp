// zentra-cli-graph: zentra-cli with the graph window's painting code, to
// which zentra-cli hands a command line that has --graph.
#include <string>
#include <vector>

#include "app/graph_file_qt.h"
#include "cli/cli_run.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zentra::cli::run(args, &writeGraphFile);
}
