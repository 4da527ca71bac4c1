// The command lines of zentra and zentra-cli as one table each: --help, the
// manual pages and the bash completion are all written from it, so an option
// added here appears everywhere.
#pragma once

#include <string>
#include <vector>

namespace zentra {

struct OptionDoc {
    char shortName = 0;      // 0: long form only
    std::string longName;    // without "--"; empty for an operand
    std::string valueName;   // "FILE", "N"...; empty: takes no value
    std::string help;        // one line per '\n'
    // What the shell completes after the option: "" nothing, "file" any
    // file, "dir" a folder, or file name extensions ("png|svg").
    std::string complete;
};

struct ExitDoc {
    int code;
    std::string meaning;
};

struct ProgramDoc {
    std::string name;
    std::string summary;                  // the manual page's NAME line
    std::string synopsis;                 // after the name: "[OPTIONS] [DOCUMENT]"
    std::vector<std::string> helpIntro;   // the lines after "usage:" in --help
    std::vector<std::string> description; // the manual page's paragraphs
    std::vector<OptionDoc> operands;
    std::vector<OptionDoc> options;
    std::vector<ExitDoc> exitCodes;
    std::vector<std::string> files;       // "PATH\ttext" pairs for FILES
    std::vector<std::string> environment; // "NAME\ttext" pairs for ENVIRONMENT
    std::string seeAlso;                  // "zentra(1)"
};

const ProgramDoc& zentraCliDoc();
const ProgramDoc& zentraDoc();

std::string helpText(const ProgramDoc& doc);
// A roff manual page, section 1.
std::string manPage(const ProgramDoc& doc, const std::string& version, const std::string& date);
std::string bashCompletion(const ProgramDoc& doc);

}  // namespace zentra
