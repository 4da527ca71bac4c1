// Code text: the compilers' output, one letter-plus-hex item per code word,
// ended by a backslash. Every appended item adds exactly one to the word count.
#pragma once

#include <string>

namespace zentra {

inline constexpr char kCodeTextEnd = '\\';

// Appends letter + digits (two for '#', three otherwise) and counts the word.
void appendCodeItem(std::string& text, int& wordCount, char letter, int value);

}  // namespace zentra
