#include "shell/library_file.h"

#include "base/source_text.h"
#include "base/text_lines.h"
#include "front/compiler.h"  // quoted
#include "shell/text_file.h"

namespace zentra {

namespace {

// "#" + a function name as a declaration line spells it.
bool isFunctionHeader(std::string_view line) {
    if (line.size() < 2 || line[0] != '#' || !isNameStart(line[1])) return false;
    for (std::size_t i = 2; i < line.size(); ++i) {
        if (!isNamePart(line[i]) && line[i] != '.') return false;
    }
    return true;
}

}  // namespace

std::string formatLibrary(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::optional<std::string> libraryProblem(const std::vector<std::string>& fileLines) {
    bool anyHeader = false;
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        const std::string& line = fileLines[i];
        if (line.find('\0') != std::string::npos) {
            return "指定ファイルはテキストファイルではありません\n" + std::to_string(i + 1) +
                   " 行目に NUL 文字があります";
        }
        if (line.empty() || line[0] != '#') continue;
        if (!isFunctionHeader(line)) {
            return "指定ファイルの " + std::to_string(i + 1) + " 行目 " + zentra::quoted(line) +
                   " は関数名の行ではありません\n\"#\" で始まる行には \"#\" と関数名だけを書きます"
                   "（関数名は英字か _ で始まり、英字・数字・_・. が続きます）";
        }
        anyHeader = true;
    }
    if (!anyHeader) return "指定ファイルにはユーザ関数がありません（#関数名 の行がありません）";
    return std::nullopt;
}

ImportResult importLibrary(FunctionStore& store, const std::vector<std::string>& fileLines) {
    ImportResult result;
    if (auto problem = libraryProblem(fileLines)) {
        result.summary = std::move(*problem);
        return result;
    }
    result.accepted = true;
    std::string report;
    for (const auto& line : fileLines) {
        if (line.empty() || line[0] != '#' || store.hasLine(line)) continue;
        const std::string name = line.substr(1);
        const auto lines = fetchFunction(fileLines, name);
        if (store.registerText(lines.value_or(std::vector<std::string>{})).empty()) {
            result.notices.emplace_back(kNoFunctionNameMessage);
        }
        result.names.push_back(name);
        report += name + "\n";
    }
    result.summary =
        report.empty() ? std::string(kNothingNewMessage) : std::string(kImportedHead) + report;
    return result;
}

FileLines decodeLibrary(std::string_view bytes) {
    // Only ASCII is compared, and it reads the same in either encoding.
    bool marked = false;
    for (const auto& line : splitLines(bytes, LineEnds::CrLfLfOrCr)) {
        if (line.starts_with('#')) break;
        if (line == kShiftJisMark) {
            marked = true;
            break;
        }
    }
    TextFileContent content = decodeTextFile(bytes, marked ? TextEncoding::ShiftJis : TextEncoding::Detect);
    return {std::move(content.lines), std::move(content.error)};
}

std::vector<std::string> libraryFileLines(const std::vector<std::string>& storeLines) {
    std::vector<std::string> lines;
    lines.reserve(storeLines.size() + 1);
    lines.emplace_back(kShiftJisMark);
    lines.insert(lines.end(), storeLines.begin(), storeLines.end());
    return lines;
}

FileLines readLibraryFile(const std::string& path) {
    std::string bytes;
    std::string error;
    if (!readFileBytes(path, bytes, error)) return {{}, std::move(error)};
    FileLines file = decodeLibrary(bytes);
    if (!file.error.empty()) file.error = undecodableFileMessage(path, file.error);
    return file;
}

std::string writeLibraryFile(const std::string& path, const FunctionStore& store) {
    return writeTextFile(path, libraryFileLines(store.lines()));
}

}  // namespace zentra
