#include "shell/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <system_error>

#include "shell/text_encoding.h"

namespace zentra {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string cannotRead(const fs::path& path) { return "ファイル \"" + path.string() + "\" を読み込めません"; }
std::string cannotSave(const fs::path& path) { return "ファイル \"" + path.string() + "\" を保存できません"; }

// Closes the descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close (the last write-back) succeeded.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

bool readAll(int fd, std::string& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
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

// The whole file in CP932 with CR LF, or the message for the first
// character CP932 cannot hold.
bool encodeLines(const std::vector<std::string>& lines, std::string& bytes, std::string& error) {
    for (const auto& line : lines) {
        Unencodable failure;
        const auto encoded = utf8ToCp932(line, &failure);
        if (!encoded) {
            error = failure.character.empty() ? "Shift-JISで保存できない文字があります"
                                              : "文字 \"" + failure.character + "\" はShift-JISで保存できません";
            return false;
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    return true;
}

// A link is written through, so that the link itself survives the rename.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    const fs::path target = fs::weakly_canonical(path, ec);
    return ec ? path : target;
}

// Creates a fresh temporary beside the target (permissions from the umask).
int createTemporary(const fs::path& target, fs::path& temporary) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (stem + std::to_string(attempt) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void syncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());  // best effort: the rename itself has happened
}

}  // namespace

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

TextFileContent readTextFile(const fs::path& path) {
    TextFileContent content;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    std::string bytes;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || !readAll(fd.get(), bytes)) {
        content.error = cannotRead(path);
        return content;
    }
    if (isValidUtf8(bytes)) {
        std::string_view text = bytes;
        if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
        content.lines = splitTextLines(text);
        return content;
    }
    const auto decoded = cp932ToUtf8(bytes);
    if (!decoded) {
        content.error = "ファイル \"" + path.string() + "\" の文字コードを読み取れません";
        return content;
    }
    content.lines = splitTextLines(*decoded);
    return content;
}

std::string writeTextFile(const fs::path& path, const std::vector<std::string>& lines) {
    std::string bytes;
    std::string error;
    if (!encodeLines(lines, bytes, error)) return error;

    const fs::path target = resolvedTarget(path);
    fs::path temporary;
    FileDescriptor fd(createTemporary(target, temporary));
    if (fd.get() < 0) return cannotSave(path);

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) ::fchmod(fd.get(), existing.st_mode & 07777);
    const bool written = writeAll(fd.get(), bytes) && ::fsync(fd.get()) == 0;
    if (!fd.close() || !written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return cannotSave(path);
    }
    syncFolder(target);
    return {};
}

}  // namespace zentra
