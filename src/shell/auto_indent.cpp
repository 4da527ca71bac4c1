#include "shell/auto_indent.h"

namespace zentra {

std::string autoIndentText(std::string_view lineAbove) {
    const std::size_t end = lineAbove.find_first_not_of(" \t");
    if (end == std::string_view::npos) return std::string(lineAbove);
    std::string indent(lineAbove.substr(0, end));
    if (lineAbove[end] == '{') indent += '\t';
    return indent;
}

KeyReleaseStep EnterTracker::keyReleased(bool enter, int currentLine) {
    if (enter && currentLine == remembered_) return KeyReleaseStep::Stop;
    remembered_ = currentLine;
    return enter ? KeyReleaseStep::Indent : KeyReleaseStep::Continue;
}

}  // namespace zentra
