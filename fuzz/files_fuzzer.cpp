// libFuzzer target: a file as the application reads it. The bytes go through
// the encoding detection of the text-file reader, then the document reader
// and the library import, and whatever they accept is written back out and
// read again in a temporary folder. The lines are also registered as text
// typed into the function editor.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/text_lines.h"
#include "base/utf8.h"
#include "shell/document_format.h"
#include "shell/text_encoding.h"
#include "shell/text_file.h"
#include "userfunc/function_store.h"
#include "shell/library_file.h"

namespace {

using namespace zentra;
namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void check(bool holds) {
    if (!holds) std::abort();
}

// A private folder for the round trips, removed again at exit.
class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code ec;
        const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "zentra-files-fuzzer-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

const fs::path& scratch() {
    static const ScratchFolder folder;
    return folder.path();
}

// The decoded lines as readTextFile would give them; the raw bytes' lines
// when they are neither encoding (the reader refuses such a file, but the
// parsers get to see them anyway).
std::vector<std::string> decodedLines(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
        // Text that Shift-JIS can hold comes back from it unchanged.
        if (const auto sjis = utf8ToCp932(bytes)) check(cp932ToUtf8(*sjis) == std::string(bytes));
        return splitLines(bytes, LineEnds::CrLfLfOrCr);
    }
    if (const auto text = cp932ToUtf8(bytes)) {
        check(isValidUtf8(*text));
        // Every decoded character has a code again (not always the same one:
        // some characters have two).
        const auto again = utf8ToCp932(*text);
        check(again.has_value() && cp932ToUtf8(*again) == *text);
        return splitLines(*text, LineEnds::CrLfLfOrCr);
    }
    return splitLines(bytes, LineEnds::CrLfLfOrCr);
}

void checkDocument(const std::vector<std::string>& lines) {
    const std::optional<Document> doc = parseDocument(lines);
    if (!doc) return;
    // What the writer makes of a document reads back as the same document.
    const std::vector<std::string> written = documentLines(*doc);
    check(parseDocument(written) == doc);

    const fs::path path = scratch() / "document.qbxsrc";
    const std::string error = saveDocument(path, *doc);
    if (!error.empty()) return;
    check(loadDocument(path) == doc);
}

void checkLibrary(const std::vector<std::string>& lines) {
    FunctionStore store;
    const ImportResult result = importLibrary(store, lines);
    check(result.accepted == !libraryProblem(lines).has_value());
    if (!result.accepted) {
        check(store.lines().empty());
        return;
    }
    store.listEntries();
    for (const auto& name : result.names) store.fetch(name);
    if (store.lines().empty()) return;
    // An exported store is a library file again, with the same lines.
    check(!libraryProblem(store.lines()).has_value());
    check(splitLines(formatLibrary(store.lines()), LineEnds::CrLfLfOrCr) == store.lines());

    const std::string path = (scratch() / "functions.qbxfun").string();
    if (!writeLibraryFile(path, store).empty()) return;
    const FileLines back = readLibraryFile(path);
    check(back.error.empty() && back.lines == libraryFileLines(store.lines()));
}

// The same lines typed into the function editor: registered, listed and
// deleted again.
void checkEditorText(const std::vector<std::string>& lines) {
    FunctionStore store;
    const std::string name = store.registerText(lines);
    check(name.empty() == store.lines().empty());
    if (name.empty()) return;
    check(store.fetch(name).has_value());
    store.listEntries();
    check(store.deleteText(lines) == name && !store.hasLine("#" + name));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = decodedLines(bytes);
    checkDocument(lines);
    checkLibrary(lines);
    checkEditorText(lines);
    // No line keeps a line end, so the lines joined with LF split back the same.
    for (const auto& line : lines) check(line.find_first_of("\r\n") == std::string::npos);
    check(splitLines(joinLines(lines), LineEnds::Lf) == lines);
    return 0;
}
