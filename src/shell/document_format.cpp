#include "shell/document_format.h"

#include <charconv>
#include <cstddef>

#include "shell/text_file.h"

namespace zentra {

namespace {

constexpr std::string_view kParametersMark = "#parameters";
constexpr std::string_view kProgramMark = "#program";
constexpr std::string_view kSettingMark = "#setting";

// Line e+5 onwards, in file order.
constexpr std::size_t kSettingValues = 9;
constexpr std::size_t kGraphValues = 4;

// A decimal integer with an optional sign and nothing else (no blanks).
std::optional<int> readInteger(std::string_view text) {
    if (text.starts_with('+') && text.size() > 1 && text[1] != '-') text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads `count` integers from line `first` on.
bool readIntegers(const std::vector<std::string>& lines, std::size_t first, std::size_t count, int* values) {
    if (first + count > lines.size()) return false;
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = readInteger(lines[first + i]);
        if (!value) return false;
        values[i] = *value;
    }
    return true;
}

// A count at `index` that leaves room for its lines in the file.
std::optional<std::size_t> readCount(const std::vector<std::string>& lines, std::size_t index) {
    if (index >= lines.size()) return std::nullopt;
    const auto count = readInteger(lines[index]);
    if (!count || *count < 0 || static_cast<std::size_t>(*count) > lines.size()) return std::nullopt;
    return static_cast<std::size_t>(*count);
}

void appendBlock(std::vector<std::string>& out, std::string_view mark, const std::vector<std::string>& block) {
    out.emplace_back(mark);
    out.push_back(std::to_string(block.size()));
    out.insert(out.end(), block.begin(), block.end());
}

}  // namespace

std::vector<std::string> documentLines(const Document& d) {
    std::vector<std::string> out;
    appendBlock(out, kParametersMark, d.parameterLines);
    appendBlock(out, kProgramMark, d.programLines);
    out.emplace_back(kSettingMark);
    const WindowGeometry& w = d.mainWindow;
    for (const int value : {d.radian, d.precision, d.loops, w.top, w.height, w.left, w.width,
                            d.parameterAreaHeight, d.editorPanelWidth}) {
        out.push_back(std::to_string(value));
    }
    if (d.graphWindow) {
        const WindowGeometry& g = *d.graphWindow;
        for (const int value : {g.top, g.height, g.left, g.width}) out.push_back(std::to_string(value));
    }
    return out;
}

std::optional<Document> parseDocument(const std::vector<std::string>& lines) {
    if (lines.empty() || lines[0] != kParametersMark) return std::nullopt;
    const auto n = readCount(lines, 1);
    if (!n || *n + 2 >= lines.size() || lines[*n + 2] != kProgramMark) return std::nullopt;
    const auto m = readCount(lines, *n + 3);
    if (!m) return std::nullopt;
    const std::size_t e = *n + *m;

    int settings[kSettingValues] = {};
    if (!readIntegers(lines, e + 5, kSettingValues, settings)) return std::nullopt;

    Document d;
    d.parameterLines.assign(lines.begin() + 2, lines.begin() + static_cast<std::ptrdiff_t>(*n + 2));
    d.programLines.assign(lines.begin() + static_cast<std::ptrdiff_t>(*n + 4),
                          lines.begin() + static_cast<std::ptrdiff_t>(e + 4));
    d.radian = settings[0];
    d.precision = settings[1];
    d.loops = settings[2];
    d.mainWindow = {settings[3], settings[4], settings[5], settings[6]};
    d.parameterAreaHeight = settings[7];
    d.editorPanelWidth = settings[8];
    if (lines.size() >= e + 14 + kGraphValues) {
        int graph[kGraphValues] = {};
        if (!readIntegers(lines, e + 14, kGraphValues, graph)) return std::nullopt;
        d.graphWindow = WindowGeometry{graph[0], graph[1], graph[2], graph[3]};
    }
    return d;
}

std::string saveDocument(const std::filesystem::path& path, const Document& document) {
    return writeTextFile(path, documentLines(document));
}

std::optional<Document> loadDocument(const std::filesystem::path& path) {
    const TextFileContent content = readTextFile(path);
    if (!content.ok()) return std::nullopt;
    return parseDocument(content.lines);
}

}  // namespace zentra
