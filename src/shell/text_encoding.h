// The two encodings a file may use: UTF-8 inside the program, Shift-JIS
// (Windows code page 932) on disk for files shared with the Windows program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentra {

// The first character of a UTF-8 text that CP932 has no code for.
struct Unencodable {
    std::string character;  // the UTF-8 bytes of the character
};

// The CP932 bytes of a UTF-8 text. Fails (never substitutes) when the text is
// not valid UTF-8 or holds a character CP932 cannot hold; `failure`, when
// given, then receives that character (empty for invalid UTF-8).
std::optional<std::string> utf8ToCp932(std::string_view text, Unencodable* failure = nullptr);

// The UTF-8 text of CP932 bytes; fails on a byte sequence CP932 does not define.
std::optional<std::string> cp932ToUtf8(std::string_view bytes);

}  // namespace zentra
