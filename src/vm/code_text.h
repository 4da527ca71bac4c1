// Code text: the monitor's one-line view of the compiled words, one
// letter-plus-hex item per word (# and two digits for an operation, n for
// the count word after an element word), ended by a backslash.
#pragma once

#include <span>
#include <string>

#include "vm/code_word.h"

namespace zentra {

inline constexpr char kCodeTextEnd = '\\';

// The code text of the words, as the compilers emitted them.
std::string codeText(std::span<const CodeWord> words);

}  // namespace zentra
