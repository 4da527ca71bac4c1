// The one rule for UTF-8 bytes: which lead bytes start a character, how many
// bytes follow, and which sequences are well formed (no overlong forms, no
// surrogates, nothing past U+10FFFF).
#pragma once

#include <cstddef>
#include <string_view>

namespace zentra {

// A byte that continues a character (10xxxxxx), never starts one.
constexpr bool isUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed character that starts `text`, or 0 when the
// first byte starts none (stray continuation byte, overlong form, surrogate,
// sequence cut off by the end of the text, empty text).
std::size_t utf8CharacterLength(std::string_view text);

bool isValidUtf8(std::string_view bytes);

}  // namespace zentra
