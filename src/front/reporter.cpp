#include "front/reporter.h"

#include "front/display_name.h"

namespace zentra {

void Reporter::errorAt(int number, std::int32_t position, std::string_view message, ErrorForm form) {
    show(errors_.add(CompileError{number, position, displayText(names_, message), form}));
}

bool Reporter::errorOncePerLineAt(int number, std::int32_t position, std::string_view message) {
    if (!errors_.isNewLine(position)) return false;
    errorAt(number, position, message);
    return true;
}

void Reporter::userFunctionSummary() { show(errors_.summary()); }

void Reporter::show(const ErrorOutput& output) {
    TextArea& out = host_.outputArea();
    if (output.clearFirst) out.clear();
    for (const std::string& line : output.lines) out.appendLine(line);
    if (!output.statusText.empty()) host_.setStatusText(0, output.statusText);
    if (!output.trace.empty()) trace(output.trace);
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace zentra
