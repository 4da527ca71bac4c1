#include "userfunc/function_store.h"

#include <algorithm>

#include "base/source_text.h"
#include "front/function_lines.h"

namespace zentra {

namespace {

bool isHeader(std::string_view line) { return !line.empty() && line[0] == '#'; }

}  // namespace

std::optional<std::vector<std::string>> fetchFunction(const std::vector<std::string>& storeLines,
                                                      std::string_view name) {
    int first = 0;
    const int count = findFunctionLines(name, storeLines, first);
    if (count < 0) return std::nullopt;
    std::vector<std::string> lines;
    for (int i = first; i < first + count; ++i) {
        const std::string& line = storeLines[static_cast<std::size_t>(i)];
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

std::string declarationName(const std::vector<std::string>& text) {
    return functionNameOfText(text);
}

bool FunctionStore::hasLine(std::string_view line) const {
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

std::string FunctionStore::registerText(const std::vector<std::string>& text) {
    return rebuild(text, false);
}

std::string FunctionStore::deleteText(const std::vector<std::string>& text) {
    return rebuild(text, true);
}

std::string FunctionStore::rebuild(const std::vector<std::string>& text, bool remove) {
    std::string name = declarationName(text);
    if (name.empty()) return {};
    const std::string header = "#" + name;
    std::vector<std::string> lines;
    if (!remove) {
        lines.push_back(header);
        lines.insert(lines.end(), text.begin(), text.end());
    }
    bool inOldBlock = false;
    for (const auto& line : lines_) {
        if (isHeader(line)) inOldBlock = line == header;
        if (inOldBlock || line.empty()) continue;
        lines.push_back(line);
    }
    lines_ = std::move(lines);
    return name;
}

std::vector<std::string> FunctionStore::listEntries() const {
    enum class State { Header, Declaration, AfterComment };
    State state = State::Header;
    std::string name;
    std::string description;
    std::vector<std::string> entries;
    for (const auto& line : lines_) {
        const std::string text = removeBlanks(line);
        if (text.size() < 2) continue;
        // A header always starts the next function, even when the one before
        // showed no line with its name.
        if (isHeader(text)) {
            name = text.substr(1);
            state = State::Declaration;
            continue;
        }
        if (state == State::Header) continue;
        if (state == State::Declaration && text.starts_with("//")) {
            description = text;
            state = State::AfterComment;
            continue;
        }
        if (text.find(name) == std::string::npos) continue;
        entries.push_back(state == State::AfterComment ? text + " " + description : text);
        state = State::Header;
    }
    return entries;
}

}  // namespace zentra
