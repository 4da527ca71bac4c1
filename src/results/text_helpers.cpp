#include "results/text_helpers.h"

#include <array>
#include <cmath>
#include <string_view>

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

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += '\n';
    }
    return out;
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

std::string fileNameOf(std::string_view path) {
    const auto at = path.find_last_of("/\\");
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string directoryOf(std::string_view path) {
    const auto at = path.find_last_of("/\\");
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string zeroPad(long long value, int width) {
    std::string out = std::to_string(value);
    if (static_cast<int>(out.size()) < width) {
        out.insert(0, static_cast<std::size_t>(width) - out.size(), '0');
    }
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

void widenRange(double& a, double& b, int digits) {
    const bool aPositive = a > 0;
    const bool bPositive = b > 0;
    const bool aIsLarger = std::fabs(a) >= std::fabs(b);
    double large = aIsLarger ? std::fabs(a) : std::fabs(b);
    double small = aIsLarger ? std::fabs(b) : std::fabs(a);
    // Nothing to scale for a zero or non-finite range: leave it as it is.
    if (!(large > 0.0) || !std::isfinite(large) || !std::isfinite(small)) return;
    const double t = std::pow(10.0, digits);
    // A digit count past the double range (t infinite or zero) has no scale to reach.
    if (!(t > 0.0) || !std::isfinite(t)) return;
    int e = 0;
    while (large < 0.1 * t) {
        large *= 10;
        small *= 10;
        --e;
    }
    while (large >= t) {
        large *= 0.1;
        small *= 0.1;
        ++e;
    }
    large = std::trunc(large + 0.99);
    // Opposite signs, tested without a × b, which underflows to 0 for tiny ends.
    const bool straddles = (a < 0 && b > 0) || (a > 0 && b < 0);
    small = straddles ? std::trunc(small + 0.99) : std::trunc(small);
    for (; e > 0; --e) {
        large *= 10;
        small *= 10;
    }
    for (; e < 0; ++e) {
        large *= 0.1;
        small *= 0.1;
    }
    a = aIsLarger ? large : small;
    b = aIsLarger ? small : large;
    if (!aPositive) a = -a;
    if (!bPositive) b = -b;
}

}  // namespace zentra
