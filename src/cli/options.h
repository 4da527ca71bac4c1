// The command line of zentra-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/graph_output.h"

namespace zentra::cli {

struct Options {
    std::string document;                  // a .qbxsrc file, or empty; "-" = standard input
    std::string programFile;               // "-" = standard input
    std::string parameterFile;             // "-" = standard input
    std::vector<std::string> programLines;    // -e, appended in order
    std::vector<std::string> parameterLines;  // -d, appended in order
    std::vector<std::string> libraries;
    std::optional<int> precision;
    std::optional<int> radian;
    std::optional<int> loops;
    bool hex = false;
    std::string monitorFile;
    std::optional<std::string> csvFile;  // "-" = standard output
    std::optional<std::string> graphFile;  // ends in .png or .svg
    std::optional<GraphSize> graphSize;    // only with graphFile
    bool help = false;
    bool version = false;
};

// Parses the arguments (without the program name) by GNU conventions:
// "--name=value" or "--name value", unambiguous abbreviations of long
// names, bundled short options ("-he" is -h -e), options after operands,
// and "--" ending the options. On a bad command line returns nothing and
// sets `error` to one line saying what is wrong.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

// Where the program comes from when the command line names none (no
// DOCUMENT, no -p, no -e).
enum class ProgramSource {
    Given,          // the command line names one
    StandardInput,  // read it from standard input, as with -p -
    Usage,          // standard input is a terminal: print the usage, exit 64
};

ProgramSource programSource(const Options& options, bool standardInputIsTerminal);

// The --help text, written from the option table that also makes the manual
// page and the shell completion.
std::string usageText();
// Every long option the parser takes, for checking that table against it.
std::vector<std::string> longOptionNames();

// The line after a command-line error.
inline constexpr const char* kTryHelp = "Try 'zentra-cli --help'.";

}  // namespace zentra::cli
