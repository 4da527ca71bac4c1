// Text and character helpers shared by every stage. Character tests look at
// single bytes: a byte of 0x80 or above belongs to no class.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// Every line followed by "\n".
std::string joinLines(const std::vector<std::string>& lines);
// The text before its first "//".
std::string cutComment(std::string_view text);
std::string removeBlanks(std::string_view text);
// Path pieces; both "/" and "\" separate folders.
std::string fileNameOf(std::string_view path);
std::string directoryOf(std::string_view path);
std::string zeroPad(long long value, int width);
// The text equals the word, or the word's first occurrence has a blank or an
// end of the text on each side.
bool containsWord(std::string_view text, std::string_view word);
// The function name of a definition head such as "f(x, y)", or "".
std::string functionNameOfHead(std::string_view line);
std::string functionNameOfText(const std::vector<std::string>& lines);
// Lines of the function "#" + name in the store: their count (empty lines
// included) and, through firstLine, the index of the first; -1 when absent.
int findFunctionLines(std::string_view name, const std::vector<std::string>& store, int& firstLine);
// Widens (a, b) outward to numbers of `digits` significant digits.
void widenRange(double& a, double& b, int digits);

}  // namespace zentra
