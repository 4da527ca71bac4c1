// What a run prints into the output area, the hexadecimal display, and the
// error-location display.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "session/session.h"

namespace zentra {

// The red "【 name=value 】" line before a pass's results (only when sweeping).
void printSweepHeader(Session& session, double value);

// One "name = value" line per printable variable, in symbol-table order.
void printVariableDump(Session& session);

// A symbol the variable dump prints: the name it shows (as the user wrote
// it) and its variable-store slot.
struct DumpedVariable {
    std::string name;
    int slot = 0;
};

// Whether the variable dump prints `symbol` (a user symbol), and how.
std::optional<DumpedVariable> dumpedVariable(const Compiler& compiler, const Symbol& symbol);

// Switches the whole output area between decimal and hexadecimal display.
void toggleHexDisplay(Session& session);

// Is the hexadecimal display on: a saved decimal copy exists and some line
// holds "0x" after its first "=". The run driver switches it off and on by this.
bool hexDisplayOn(const Session& session);

// Empties the output area (and drops a saved decimal copy).
void clearOutput(Session& session);

// The text test of the output area: does `text` occur in what follows the
// line's first "=" (the whole line when it has none)?
bool lineContains(std::string_view line, std::string_view text);

// "error " + number + "-" + area and line digits: a line an error writer made.
bool isErrorLine(std::string_view line);

// If output line k is an error line, selects the source line it names.
void showErrorLocation(Session& session, int outputLine);

// Selects line `line` (0-based) of area `area` (0 program, 1 parameters,
// 2 + k the k-th listed user function).
void selectSourceLine(Session& session, int area, int line);

}  // namespace zentra
