// Cutting a text into lines. The line ends are not kept; an unended last line
// is kept; the empty text has no lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentra {

enum class LineEnds {
    Lf,          // texts the program stored itself: a CR stays in its line
    CrLfLfOrCr,  // files from any system: CR LF, LF and a lone CR each end a line
};

std::vector<std::string> splitLines(std::string_view text, LineEnds ends);

// Every line followed by "\n": the form the program stores texts in
// (settings, the run's inputs); splitLines(text, LineEnds::Lf) reads it back.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace zentra
