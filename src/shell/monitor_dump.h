// The debug monitor's dumps: its symbol and message panes saved as
// "symbol.txt" and "message.txt", one line per pane line with CR LF.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

inline constexpr std::string_view kSymbolDumpName = "symbol.txt";
inline constexpr std::string_view kMessageDumpName = "message.txt";

// Every line followed by CR LF; no lines give the empty text. The panes
// hold UTF-8 and the dumps keep it: they are read by people, not programs.
std::string crlfText(const std::vector<std::string>& lines);

struct DumpFile {
    std::string name;   // a plain file name inside the folder
    std::string bytes;
};

// Writes every file into `folder`, all of them or none: each is written to
// a temporary beside it first, and only when all are complete are they
// renamed over their targets (a target that cannot take its file gets its
// old content back, and the ones already replaced theirs). On success the
// result is empty; otherwise it is the Japanese message, the folder holds
// what it held before and no temporary is left.
std::string writeFilesTogether(const std::filesystem::path& folder, const std::vector<DumpFile>& files);

}  // namespace zentra
