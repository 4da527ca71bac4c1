#include "front/function_lines.h"

#include "base/source_text.h"

namespace zentra {

std::string functionNameOfHead(std::string_view line) {
    const std::string text = removeBlanks(line);
    std::string name;
    int state = 0;
    for (const char c : text) {
        switch (state) {
            case 0:
                if (!isNameStart(c)) return {};
                name += c;
                state = 1;
                break;
            case 1:
                if (isNameStart(c) || isDigitOrPoint(c)) name += c;
                else if (c == '(') state = 2;
                else return {};
                break;
            case 2:
                if (c == ')') return name;
                if (isNameStart(c)) state = 3;
                break;
            default:
                if (isNameStart(c) || isDigitOrPoint(c)) break;
                if (c == ',') state = 2;
                else if (c == ')') return name;
                else return {};
                break;
        }
    }
    return {};
}

std::string functionNameOfText(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        std::string name = functionNameOfHead(cutComment(line));
        if (!name.empty()) return name;
    }
    return {};
}

int findFunctionLines(std::string_view name, const std::vector<std::string>& store, int& firstLine) {
    const std::string head = "#" + std::string(name);
    for (std::size_t i = 0; i < store.size(); ++i) {
        if (store[i] != head) continue;
        firstLine = static_cast<int>(i) + 1;
        std::size_t end = i + 1;
        while (end < store.size() && (store[end].empty() || store[end][0] != '#')) ++end;
        return static_cast<int>(end - i - 1);
    }
    return -1;
}

}  // namespace zentra
