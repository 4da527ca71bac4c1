#include "shell/monitor_dump.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "shell/file_io.h"

namespace zentra {

namespace fs = std::filesystem;

namespace {

struct Replacement {
    fs::path target;
    fs::path temporary;
    fs::path backup;        // the old target while the new one goes in
    bool movedAside = false;
    bool replaced = false;
};

// Puts back every target as it was and removes what was written beside them.
void undo(std::vector<Replacement>& steps) {
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (it->replaced && !it->movedAside) ::unlink(it->target.c_str());
        if (it->movedAside) ::rename(it->backup.c_str(), it->target.c_str());
        else if (!it->backup.empty()) ::unlink(it->backup.c_str());
        if (!it->replaced) ::unlink(it->temporary.c_str());
    }
}

// Moves the old target (if any) aside, then the temporary in.
bool replace(Replacement& step) {
    struct stat existing {};
    if (::lstat(step.target.c_str(), &existing) == 0) {
        const int fd = createBeside(step.target, ".old", step.backup);
        if (fd < 0) return false;
        ::close(fd);
        if (::rename(step.target.c_str(), step.backup.c_str()) != 0) return false;
        step.movedAside = true;
    } else if (errno != ENOENT) {
        return false;
    }
    if (::rename(step.temporary.c_str(), step.target.c_str()) != 0) return false;
    step.replaced = true;
    return true;
}

}  // namespace

std::string crlfText(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string writeFilesTogether(const fs::path& folder, const std::vector<DumpFile>& files) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return "フォルダ \"" + folder.string() + "\" がありません";

    std::vector<Replacement> steps;
    steps.reserve(files.size());
    for (const DumpFile& file : files) {
        Replacement step;
        step.target = folder / file.name;
        if (!writeTemporaryBeside(step.target, file.bytes, step.temporary)) {
            undo(steps);
            return cannotSaveMessage(step.target);
        }
        steps.push_back(std::move(step));
    }
    for (Replacement& step : steps) {
        if (!replace(step)) {
            const fs::path failed = step.target;
            undo(steps);
            return cannotSaveMessage(failed);
        }
    }
    for (const Replacement& step : steps) {
        if (step.movedAside) ::unlink(step.backup.c_str());
    }
    syncFolder(folder);  // best effort: the renames themselves have happened
    return {};
}

}  // namespace zentra
