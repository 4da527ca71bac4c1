// The editors' key-release rule for Enter: the new line starts with the
// indent of the line above, one tab deeper after a line that opens a block.
#pragma once

#include <string>
#include <string_view>

namespace zentra {

// The leading spaces and tabs of `lineAbove` (the line above the caret's
// line after Enter; empty on the first line), plus a tab when the first
// other character is "{".
std::string autoIndentText(std::string_view lineAbove);

// What a key release in an editor does before input recall.
enum class KeyReleaseStep {
    Indent,    // Enter on a new line: insert autoIndentText, then go on
    Continue,  // any other key: go on
    Stop,      // Enter on the line already handled: stop at once
};

// Remembers, for both editors together, the caret line at the end of the
// last key release that was handled.
class EnterTracker {
public:
    // The caret is on `currentLine` (zero-based) when the key is released.
    // Except on Stop, the line is remembered for the next release.
    KeyReleaseStep keyReleased(bool enter, int currentLine);
    int rememberedLine() const { return remembered_; }

private:
    int remembered_ = -1;
};

}  // namespace zentra
