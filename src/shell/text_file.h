// Text files shared with the Windows program: read as UTF-8 or Shift-JIS,
// written as Shift-JIS with CR LF, and never left half-written.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zentra {

struct TextFileContent {
    std::vector<std::string> lines;  // UTF-8, without line ends
    std::string error;               // the message for the user; empty on success
    bool ok() const { return error.empty(); }
};

// The file's lines. The bytes are UTF-8 when they are valid UTF-8 (a leading
// byte-order mark is dropped), CP932 otherwise; CR LF, LF or CR end a line,
// and a last line without an end still counts.
TextFileContent readTextFile(const std::filesystem::path& path);

// Splits decoded text into lines as readTextFile does.
std::vector<std::string> splitTextLines(std::string_view text);

// Writes every line in CP932 followed by CR LF, through a temporary file in
// the same folder that is renamed over the target. On failure the target is
// as it was, no temporary is left, and the Japanese message is returned;
// on success the result is empty.
std::string writeTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace zentra
