// The command line of zentra-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentra::cli {

struct Options {
    std::string document;                  // a .qbxsrc file, or empty
    std::string programFile;               // "-" = standard input
    std::string parameterFile;
    std::vector<std::string> programLines;    // -e, appended in order
    std::vector<std::string> parameterLines;  // -d, appended in order
    std::vector<std::string> libraries;
    std::optional<int> precision;
    std::optional<int> radian;
    std::optional<int> loops;
    bool hex = false;
    std::string monitorFile;
    bool help = false;
    bool version = false;
};

// Parses argv; on a bad command line returns nothing and sets `error`.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error);

std::string usageText();

}  // namespace zentra::cli
