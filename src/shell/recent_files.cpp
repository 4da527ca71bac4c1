#include "shell/recent_files.h"

#include <algorithm>

namespace zentra {

namespace {

// The stored list puts an LF after each name: a name holding a line break
// would come back as two.
bool storable(std::string_view path) {
    return !path.empty() && path.find_first_of("\r\n") == std::string_view::npos;
}

}  // namespace

RecentFiles::RecentFiles(const std::vector<std::string>& stored) {
    for (const std::string& path : stored) {
        if (entries_.size() == kRecentFilesCapacity) break;
        if (storable(path) && std::find(entries_.begin(), entries_.end(), path) == entries_.end()) {
            entries_.push_back(path);
        }
    }
}

void RecentFiles::remove(std::string_view path) {
    std::erase_if(entries_, [path](const std::string& entry) { return entry == path; });
}

void RecentFiles::setCurrent(const std::string& path) {
    if (storable(current_)) {
        remove(current_);
        entries_.insert(entries_.begin(), current_);
    }
    if (!path.empty()) remove(path);
    current_ = path;
    if (entries_.size() > kRecentFilesCapacity) entries_.resize(kRecentFilesCapacity);
}

std::string recentEntryCaption(std::size_t index, std::string_view path) {
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (const char c : path) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

}  // namespace zentra
