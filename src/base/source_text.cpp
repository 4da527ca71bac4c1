#include "base/source_text.h"

#include <array>

namespace zentra {

bool isSingleOperator(char c) {
    static constexpr std::string_view kOperators = "+-*=/(){}<>;,.%^$|&![]";
    // The lexer asks for every character: a table instead of a search.
    static constexpr auto kTable = [] {
        std::array<bool, 256> table{};
        for (const char op : kOperators) table[static_cast<unsigned char>(op)] = true;
        return table;
    }();
    return kTable[static_cast<unsigned char>(c)];
}

std::string cutComment(std::string_view text) {
    const auto at = text.find("//");
    return std::string(at == std::string_view::npos ? text : text.substr(0, at));
}

std::string removeBlanks(std::string_view text) {
    std::string out(text.size(), '\0');
    std::size_t kept = 0;
    for (const char c : text) {
        if (!isBlank(c)) out[kept++] = c;
    }
    out.resize(kept);
    return out;
}

bool containsWord(std::string_view text, std::string_view word) {
    if (text == word) return true;
    if (word.empty()) return false;
    const auto at = text.find(word);
    if (at == std::string_view::npos) return false;
    const bool blankBefore = at == 0 || isBlank(text[at - 1]);
    const auto after = at + word.size();
    const bool blankAfter = after == text.size() || isBlank(text[after]);
    return blankBefore && blankAfter;
}

}  // namespace zentra
