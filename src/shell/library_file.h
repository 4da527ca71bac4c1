// User-function library files (*.qbxfun): exactly the store's lines.
//
// The parsing and formatting are pure functions over lines; readLibraryFile
// and writeLibraryFile are the thin file layer (read as UTF-8 or Shift-JIS,
// written as Shift-JIS with CR LF through a temporary file). A written file
// begins with the Shift-JIS mark, a comment line: import looks only at lines
// that begin with "#", so the Windows program passes over it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "userfunc/function_store.h"

namespace zentra {

inline constexpr std::string_view kNothingNewMessage = "指定ファイルに未登録の関数はありません";
inline constexpr std::string_view kImportedHead = "以下の関数を登録しました\n\n";

// Every line followed by CR LF.
std::string formatLibrary(const std::vector<std::string>& lines);

// Why these lines are no library file (no header line "#" + name, a header
// that holds no function name, a NUL byte), or nullopt when they are one.
std::optional<std::string> libraryProblem(const std::vector<std::string>& fileLines);

struct ImportResult {
    bool accepted = false;             // false: malformed file, store unchanged
    std::vector<std::string> names;    // the header names taken, in file order
    std::vector<std::string> notices;  // messages shown while importing, in order
    std::string summary;               // the closing message (or why the file was refused)
};

// Registers, in file order, every function of the file whose header line is
// not yet a line of the store; each goes to the front.
ImportResult importLibrary(FunctionStore& store, const std::vector<std::string>& fileLines);

struct FileLines {
    std::vector<std::string> lines;
    std::string error;  // not empty when the file could not be read
};

// The lines of a library file's bytes. A file whose lines before the first
// "#" line include the Shift-JIS mark is read as Shift-JIS, one without it
// by the Detect rule; the mark stays a line (import passes over it, so line
// numbers in messages are the file's). `error` holds only the reason when
// the bytes cannot be decoded.
FileLines decodeLibrary(std::string_view bytes);

// The store's lines as a library file holds them: the mark, then the lines.
std::vector<std::string> libraryFileLines(const std::vector<std::string>& storeLines);

FileLines readLibraryFile(const std::string& path);
// Writes the store through a temporary file renamed over the target; returns
// "" or the reason it failed (the target then stays as it was).
std::string writeLibraryFile(const std::string& path, const FunctionStore& store);

}  // namespace zentra
