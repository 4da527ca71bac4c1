// Call discovery: the first user-function call candidate of a raw source line.

#include <algorithm>
#include <array>
#include <string_view>

#include "base/hex_digits.h"
#include "base/source_text.h"
#include "front/token_defs.h"
#include "userfunc/function_check.h"

namespace zentra {

namespace {

// Keywords followed by "(" (as in "if (x > 0)") call nothing: the token
// definition pass gives them kinds of their own.
constexpr std::array<std::string_view, 9> kKeywords{
    "proc", "array", "alias", "if", "elsif", "else", "while", "include", "var",
};

bool isCandidate(std::string_view name, const std::vector<std::string>& found) {
    if (name.empty() || isBuiltinName(name)) return false;
    if (std::find(kKeywords.begin(), kKeywords.end(), name) != kKeywords.end()) return false;
    return std::find(found.begin(), found.end(), name) == found.end();
}

// Whether some "(" has a name right before it (blanks between) that is a
// candidate. The scan below answers only such a name, so where this says no,
// the scan finds nothing either, and most lines need no scan. A run of name
// characters that starts with a digit (2x, 0xffg) is split into tokens only
// by the scan: it is left to it.
bool mayHoldCall(std::string_view text, const std::vector<std::string>& found) {
    for (auto open = text.find('('); open != std::string_view::npos;
         open = text.find('(', open + 1)) {
        std::size_t end = open;
        while (end > 0 && isBlank(text[end - 1])) --end;
        std::size_t start = end;
        while (start > 0 && isNamePart(text[start - 1])) --start;
        if (start == end) continue;
        if (!isNameStart(text[start]) || isCandidate(text.substr(start, end - start), found))
            return true;
    }
    return false;
}

}  // namespace

std::string discoverCall(std::string_view line, const std::vector<std::string>& found) {
    std::string_view text = line.substr(0, line.find("//"));  // the comment cut
    if (text.empty()) return {};
    // As the lexer does: "return(" is the start of an assignment, not a call.
    std::string withReturn;
    if (const auto at = text.find("return"); at != std::string_view::npos) {
        withReturn = std::string(text).insert(at + 6, 1, '=');
        text = withReturn;
    }
    if (!mayHoldCall(text, found)) return {};

    const std::size_t n = text.size();
    std::size_t i = 0;
    std::string_view previous;  // the text of the token before, if it was a name
    while (true) {
        while (i < n && isBlank(text[i])) ++i;
        if (i >= n) return {};
        const char c = text[i];
        const char following = i + 1 < n ? text[i + 1] : '\0';
        std::string_view current;
        if (isNameStart(c)) {
            const std::size_t from = i;
            while (i < n && isNamePart(text[i])) ++i;
            current = text.substr(from, i - from);
        } else if (c == '"') {
            const auto close = text.find('"', i + 1);
            if (close == std::string_view::npos) return {};
            i = close + 1;
        } else if (c == '0' && following == 'x') {
            i += 2;
            while (i < n && isHexDigit(text[i])) ++i;
        } else if (isDigitOrPoint(c)) {
            while (i < n && isDigitOrPoint(text[i])) ++i;
        } else if (isDoubledOperator(c) && following == c) {
            i += 2;
        } else if (isCompareStart(c) && following == '=') {
            i += 2;
        } else if (c == '(') {
            if (isCandidate(previous, found)) return std::string(previous);
            ++i;
        } else if (isSingleOperator(c)) {
            ++i;
        } else {
            return {};  // a byte the language does not know, e.g. of a double-byte character
        }
        previous = current;
    }
}

}  // namespace zentra
