// What the two programs' command lines take and say.
#include "shell/program_docs.h"

namespace zentra {

const ProgramDoc& zentraCliDoc() {
    static const ProgramDoc doc{
        .name = "zentra-cli",
        .summary = "run a Zentra calculation without a window",
        .synopsis = "[OPTIONS] [DOCUMENT]",
        .helpIntro = {"Runs one Exec of a Zentra calculation and prints the output area.",
                      "With no DOCUMENT, --program or --line, the program is read from standard input."},
        .description =
            {"zentra-cli runs one Exec of a Zentra calculation, as the desktop calculator zentra(1) does when F9 "
             "is pressed, and prints the output area: the program is lexed, its user functions expanded, compiled "
             "and run once for every value of the swept parameter.",
             "The program and parameter areas come from a calculation document (.qbxsrc), from files, from lines "
             "given on the command line, or from standard input. Files are read in Shift-JIS or UTF-8; the output "
             "is UTF-8.",
             "Without DOCUMENT, --program or --line, the program is read from standard input when it is not a "
             "terminal; otherwise the usage is printed."},
        .operands = {{0, "", "DOCUMENT", "a calculation document (.qbxsrc; \"-\" = standard input)", "qbxsrc"}},
        .options =
            {
                {'p', "program", "FILE", "program area from FILE (\"-\" = standard input)", "file"},
                {'a', "params", "FILE", "parameter area from FILE (\"-\" = standard input)", "file"},
                {'e', "line", "TEXT", "append TEXT as a program-area line (repeatable)", ""},
                {'d', "define", "TEXT", "append TEXT as a parameter-area line (repeatable)", ""},
                {'l', "library", "FILE", "add the user functions of a library (.qbxfun)", "qbxfun"},
                {0, "precision", "N", "display precision (4..15), default 15", ""},
                {0, "radian", "", "angles in radians", ""},
                {0, "degree", "", "angles in degrees (default)", ""},
                {0, "loops", "N", "loop limit, default 1000", ""},
                {0, "hex", "", "show the output in hexadecimal after a successful run", ""},
                {0, "monitor", "FILE", "write the debug monitor's panes to FILE", "file"},
                {0, "csv", "FILE",
                 "after a successful run, write one row per pass (the swept\n"
                 "parameter, then every printed variable) as CSV to FILE;\n"
                 "\"-\" = standard output instead of the output area",
                 "csv"},
                {0, "graph", "FILE",
                 "after a successful run, draw the graph window's plot of the\n"
                 "graphed variables into FILE (.png or .svg), without a window",
                 "png|svg"},
                {0, "graph-size", "WxH",
                 "size of that picture in pixels, each side 100..800;\n"
                 "default 640x480",
                 ""},
                {'h', "help", "", "this text", ""},
                {'V', "version", "", "the version", ""},
            },
        .exitCodes = {{0, "ran"},
                      {1, "errors in the input"},
                      {2, "run-time error (with --graph: a pass of the plot failed; the file is still written)"},
                      {3, "undefined identifier"},
                      {4, "unregistered user functions"},
                      {64, "bad command line (with --graph: the program graphs nothing)"},
                      {66, "unreadable input file"},
                      {73, "the --monitor, --csv or --graph file cannot be written"},
                      {74, "writing standard output failed"}},
        .files = {},
        .environment = {},
        .seeAlso = "zentra(1)",
    };
    return doc;
}

const ProgramDoc& zentraDoc() {
    static const ProgramDoc doc{
        .name = "zentra",
        .summary = "scientific and engineering calculator with a small calculation language",
        .synopsis = "[OPTIONS] [FILE.qbxsrc]",
        .helpIntro = {"Starts the Zentra calculator; with a calculation document, opens it.",
                      "When Zentra is already running, the document is opened in its window."},
        .description =
            {"Zentra is a desktop calculator for scientists and engineers. The program area holds a short program, "
             "the parameter area its parameters; Exec (F9) compiles the program and runs it once for every value "
             "of a swept parameter, prints the result groups and plots the graphed variables.",
             "With FILE, the document is opened after start-up. When the texts restored from the last session are "
             "not empty, Zentra first asks whether to save them. A file that cannot be read or is not a "
             "calculation document is reported and changes nothing.",
             "Only one Zentra runs per user. A second start that names a document hands it to the running window, "
             "which comes to the front and opens it; a second start without a document says that Zentra is "
             "already running.",
             "F1 shows the user manual, which is installed with the program and needs no network."},
        .operands = {{0, "", "FILE.qbxsrc", "a calculation document to open", "qbxsrc"}},
        .options = {{'h', "help", "", "this text", ""}, {'V', "version", "", "the version", ""}},
        .exitCodes = {{0, "the window was closed, or the document was handed to the running Zentra"},
                      {64, "bad command line"}},
        .files = {"~/.config/Tavex/Zentra.ini\tthe settings: texts of both areas, histories, fonts, window places, "
                  "the function library and the recent documents",
                  "$XDG_RUNTIME_DIR\tthe lock and the socket that keep one Zentra per user",
                  "/usr/share/doc/zentra/manual.md\tthe user manual shown by F1"},
        .environment = {"ZENTRA_SETTINGS\tuse this settings file instead of ~/.config/Tavex/Zentra.ini"},
        .seeAlso = "zentra-cli(1)",
    };
    return doc;
}

}  // namespace zentra
