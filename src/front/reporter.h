// Where the front end's phases tell what happened: compile errors (counted,
// recorded, shown in the output area and the status bar) and trace lines in
// the monitor's message pane. Phases that need nothing else of the compiler
// take this and the tables they work on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "front/compile_errors.h"
#include "front/shown_names.h"
#include "host/host.h"

namespace zentra {

class Reporter {
public:
    Reporter(Host& host, CompileErrors& errors, const ShownNames& names)
        : host_(host), errors_(errors), names_(names) {}

    // Counts and records the error at the given position and shows it in its
    // form (see CompileErrors). Names the user did not write are shown as
    // displayText shows them.
    void errorAt(int number, std::int32_t position, std::string_view message,
                 ErrorForm form = ErrorForm::TwoLines);
    // The once-per-line rule: reports only when the position's line is past
    // the last error line, which it then records; returns whether it reported.
    bool errorOncePerLineAt(int number, std::int32_t position, std::string_view message);
    // The summary line after errors of the user-function stage.
    void userFunctionSummary();

    // Errors further on the line of this position stay quiet (the
    // once-per-line rule).
    void markLine(std::int32_t position) { errors_.markLine(position); }

    void trace(std::string_view line) { host_.monitorMessages().appendLine(line); }

private:
    void show(const ErrorOutput& output);

    Host& host_;
    CompileErrors& errors_;
    const ShownNames& names_;
};

// "\"" + text + "\"": the ASCII quotes the messages put around a name.
std::string quoted(std::string_view text);

}  // namespace zentra
