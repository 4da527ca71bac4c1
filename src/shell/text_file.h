// Text files shared with the Windows program: read as UTF-8 or Shift-JIS,
// written as Shift-JIS with CR LF, and never left half-written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

// The line Zentra writes into every document and library it saves: the file
// is in Shift-JIS. Some byte sequences are both valid Shift-JIS and valid
// UTF-8 ("ﾎｱ" is "α"), so the bytes alone cannot tell. The line is ASCII, and
// each format puts it where the Windows program passes over it.
inline constexpr std::string_view kShiftJisMark = "// encoding: cp932";

enum class TextEncoding {
    Detect,    // UTF-8 when the bytes are valid UTF-8, else CP932
    ShiftJis,  // a marked file: CP932 (UTF-8 only when the bytes are no CP932 but valid UTF-8)
};

struct TextFileContent {
    std::vector<std::string> lines;  // UTF-8, without line ends
    std::string error;               // the message for the user; empty on success
    bool ok() const { return error.empty(); }
};

// The whole file; false with the message when it cannot be read.
bool readFileBytes(const std::filesystem::path& path, std::string& bytes, std::string& error);

// The lines of a file's bytes. A leading UTF-8 byte-order mark is dropped;
// CR LF, LF or CR end a line, and a last line without an end still counts.
// When the bytes cannot be decoded, `error` holds only the reason (which
// line cannot be read in which encoding); the caller says whose bytes they are.
TextFileContent decodeTextFile(std::string_view bytes, TextEncoding encoding = TextEncoding::Detect);

// The file's lines, decoded by the Detect rule.
TextFileContent readTextFile(const std::filesystem::path& path);

// "ファイル "path" の文字コードを読み取れません" followed by the reason on its own line.
std::string undecodableFileMessage(const std::filesystem::path& path, std::string_view reason);

// Every line in CP932 followed by CR LF; empty on success, else the message
// naming the first character CP932 cannot hold.
std::string encodeTextLines(const std::vector<std::string>& lines, std::string& bytes);

// Writes every line in CP932 followed by CR LF, through a temporary file in
// the same folder that is renamed over the target. On failure the target is
// as it was, no temporary is left, and the Japanese message is returned;
// on success the result is empty.
std::string writeTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace zentra
