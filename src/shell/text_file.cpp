#include "shell/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <system_error>

#include "base/text_lines.h"
#include "base/utf8.h"
#include "shell/file_io.h"
#include "shell/text_encoding.h"

namespace zentra {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string cannotRead(const fs::path& path) { return "ファイル \"" + path.string() + "\" を読み込めません"; }

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

// The number (from 1) of the first line of `bytes` that `readable` refuses;
// the last line when each line alone is readable.
template <typename Readable>
std::size_t firstUnreadableLine(std::string_view bytes, Readable readable) {
    const std::vector<std::string> lines = splitLines(bytes, LineEnds::CrLfLfOrCr);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!readable(lines[i])) return i + 1;
    }
    return lines.empty() ? 1 : lines.size();
}

bool isCp932(std::string_view line) { return cp932ToUtf8(line).has_value(); }
bool isUtf8(std::string_view line) { return isValidUtf8(line); }

std::vector<std::string> utf8Lines(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return splitLines(text, LineEnds::CrLfLfOrCr);
}

// A link is written through, so that the link itself survives the rename.
fs::path resolvedTarget(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    const fs::path target = fs::weakly_canonical(path, ec);
    return ec ? path : target;
}

}  // namespace

bool readFileBytes(const fs::path& path, std::string& bytes, std::string& error) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    bytes.clear();
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || !readAll(fd.get(), bytes)) {
        bytes.clear();
        error = cannotRead(path);
        return false;
    }
    return true;
}

TextFileContent decodeTextFile(std::string_view bytes, TextEncoding encoding) {
    TextFileContent content;
    if (encoding == TextEncoding::ShiftJis) {
        if (const auto text = cp932ToUtf8(bytes)) {
            content.lines = splitLines(*text, LineEnds::CrLfLfOrCr);
        } else if (isValidUtf8(bytes)) {
            content.lines = utf8Lines(bytes);  // converted by some editor, mark and all
        } else {
            content.error = "文字コードの印は Shift-JIS ですが、" +
                            std::to_string(firstUnreadableLine(bytes, isCp932)) +
                            " 行目を Shift-JIS として読めません";
        }
        return content;
    }
    if (isValidUtf8(bytes)) {
        content.lines = utf8Lines(bytes);
    } else if (const auto text = cp932ToUtf8(bytes)) {
        content.lines = splitLines(*text, LineEnds::CrLfLfOrCr);
    } else {
        content.error = "UTF-8 としては " + std::to_string(firstUnreadableLine(bytes, isUtf8)) +
                        " 行目が、Shift-JIS としては " + std::to_string(firstUnreadableLine(bytes, isCp932)) +
                        " 行目が読めません";
    }
    return content;
}

std::string undecodableFileMessage(const fs::path& path, std::string_view reason) {
    return "ファイル \"" + path.string() + "\" の文字コードを読み取れません\n" + std::string(reason);
}

TextFileContent readTextFile(const fs::path& path) {
    std::string bytes;
    std::string error;
    if (!readFileBytes(path, bytes, error)) return {{}, error};
    TextFileContent content = decodeTextFile(bytes);
    if (!content.ok()) content.error = undecodableFileMessage(path, content.error);
    return content;
}

std::string encodeTextLines(const std::vector<std::string>& lines, std::string& bytes) {
    bytes.clear();
    for (const auto& line : lines) {
        Unencodable failure;
        const auto encoded = utf8ToCp932(line, &failure);
        if (!encoded) {
            bytes.clear();
            return failure.character.empty() ? "Shift-JISで保存できない文字があります"
                                             : "文字 \"" + failure.character + "\" はShift-JISで保存できません";
        }
        bytes += *encoded;
        bytes += "\r\n";
    }
    return {};
}

std::string writeTextFile(const fs::path& path, const std::vector<std::string>& lines) {
    std::string bytes;
    if (std::string error = encodeTextLines(lines, bytes); !error.empty()) return error;

    const fs::path target = resolvedTarget(path);
    fs::path temporary;
    if (!writeTemporaryBeside(target, bytes, temporary)) return cannotSaveMessage(path);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return cannotSaveMessage(path);
    }
    syncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."));
    return {};
}

}  // namespace zentra
