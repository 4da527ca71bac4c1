// The characters and pieces of a source line: character classes (single
// bytes: a byte of 0x80 or above belongs to no class), the "//" comment,
// blanks, and whole words.
#pragma once

#include <string>
#include <string_view>

namespace zentra {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\r'; }
constexpr bool isDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }
constexpr bool isNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
constexpr bool isNamePart(char c) { return isNameStart(c) || (c >= '0' && c <= '9'); }
constexpr bool isDoubledOperator(char c) { return c == '&' || c == '|' || c == '^'; }
constexpr bool isCompareStart(char c) { return c == '>' || c == '<' || c == '=' || c == '!'; }
// The 22 single-character operators.
bool isSingleOperator(char c);

// The text before its first "//".
std::string cutComment(std::string_view text);
std::string removeBlanks(std::string_view text);
// The text equals the word, or the word's first occurrence has a blank or an
// end of the text on each side.
bool containsWord(std::string_view text, std::string_view word);

}  // namespace zentra
