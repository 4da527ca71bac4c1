// The low-level pieces of saving a file without ever leaving half of it:
// a fresh temporary beside the target, written whole and synced, then
// renamed over the target by the caller.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zentra {

// "ファイル "…" を保存できません".
std::string cannotSaveMessage(const std::filesystem::path& path);

// Writes all of `bytes`, going on after interrupted writes.
bool writeAll(int fd, std::string_view bytes);

// A fresh empty file beside `target` named "." + its name + pid + a number +
// `suffix`, that nobody else uses; -1 when the folder takes none.
int createBeside(const std::filesystem::path& target, const char* suffix, std::filesystem::path& created);

// `bytes` in a new temporary beside `target`, with the permissions of an
// existing regular target, synced and closed; false (and nothing left
// behind) when any step fails.
bool writeTemporaryBeside(const std::filesystem::path& target, std::string_view bytes,
                          std::filesystem::path& temporary);

// Makes the renames in `folder` durable; best effort.
void syncFolder(const std::filesystem::path& folder);

}  // namespace zentra
