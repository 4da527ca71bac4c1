// Turns code text into code words.
#pragma once

#include <string_view>

#include "vm/value_stores.h"

namespace zentra {

// Returned when the text holds more items than the buffer has room for
// (4095 words plus the end word). Nothing is written past the buffer.
inline constexpr int kAssembleTooLong = -kCodeBufferSize;

// Returns the number of words written (the end word not counted), minus the
// words written so far at an unknown letter, -1 at a bad digit, or
// kAssembleTooLong. Only a complete text gets its end word.
int assemble(std::string_view codeText, CodeBuffer& code);

}  // namespace zentra
