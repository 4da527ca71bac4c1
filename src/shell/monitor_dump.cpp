#include "shell/monitor_dump.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zentra {

namespace fs = std::filesystem;

namespace {

std::string cannotSave(const fs::path& path) { return "ファイル \"" + path.string() + "\" を保存できません"; }

// A fresh empty file beside `target` whose name nobody else uses; -1 when
// the folder takes none.
int createBeside(const fs::path& target, const char* suffix, fs::path& created) {
    const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = target.parent_path() / (stem + std::to_string(attempt) + suffix);
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    created.clear();  // never a file of somebody else's
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The complete new content of `target` in a temporary beside it.
bool writeTemporary(const fs::path& target, std::string_view bytes, fs::path& temporary) {
    const int fd = createBeside(target, ".tmp", temporary);
    if (fd < 0) return false;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) ::fchmod(fd, existing.st_mode & 07777);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed) return true;
    ::unlink(temporary.c_str());
    return false;
}

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
        if (!writeTemporary(step.target, file.bytes, step.temporary)) {
            undo(steps);
            return cannotSave(step.target);
        }
        steps.push_back(std::move(step));
    }
    for (Replacement& step : steps) {
        if (!replace(step)) {
            const fs::path failed = step.target;
            undo(steps);
            return cannotSave(failed);
        }
    }
    for (const Replacement& step : steps) {
        if (step.movedAside) ::unlink(step.backup.c_str());
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);  // best effort: the renames themselves have happened
        ::close(dir);
    }
    return {};
}

}  // namespace zentra
