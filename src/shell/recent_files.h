// The recent-documents list behind the popup menu's numbered entries: the
// current document's name and the names opened or saved before it, most
// recent first. Names are compared exactly, as the file system does (two
// names that differ only in case are two files).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

inline constexpr std::size_t kRecentFilesCapacity = 10;

class RecentFiles {
public:
    RecentFiles() = default;
    // From the stored list ("History"), most recent first. Empty names,
    // repeats and names past the capacity are dropped.
    explicit RecentFiles(const std::vector<std::string>& stored);

    // At start-up the stored current name ("LastFile") comes back as it
    // was, without touching the list.
    void restoreCurrent(std::string path) { current_ = std::move(path); }

    // A document was loaded or saved under `path`, or New emptied the name
    // (`path` empty): the previous current name goes to the top of the list,
    // `path` leaves it, and the list keeps its first kRecentFilesCapacity names.
    void setCurrent(const std::string& path);

    const std::string& current() const { return current_; }
    const std::vector<std::string>& entries() const { return entries_; }

private:
    void remove(std::string_view path);

    std::string current_;
    std::vector<std::string> entries_;
};

// The menu caption of entry `index` (from 0): "&" + number + " " + path,
// with each "&" of the path doubled so that it shows as itself rather than
// marking a key.
std::string recentEntryCaption(std::size_t index, std::string_view path);

}  // namespace zentra
