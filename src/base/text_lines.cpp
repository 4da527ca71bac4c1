#include "base/text_lines.h"

namespace zentra {

std::vector<std::string> splitLines(std::string_view text, LineEnds ends) {
    const std::string_view endBytes = ends == LineEnds::Lf ? "\n" : "\r\n";
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(endBytes);
        if (end == std::string_view::npos) {
            lines.emplace_back(text);
            break;
        }
        lines.emplace_back(text.substr(0, end));
        const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 1;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

}  // namespace zentra
