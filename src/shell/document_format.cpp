#include "shell/document_format.h"

#include <charconv>
#include <cstddef>

#include "base/text_lines.h"
#include "base/utf8.h"
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

constexpr std::string_view kSettingNames[kSettingValues] = {
    "角度単位",           "表示桁数",           "ループ回数",
    "メインウィンドウの上端", "メインウィンドウの高さ", "メインウィンドウの左端",
    "メインウィンドウの幅",  "パラメータエリアの高さ", "エディタパネルの幅"};
constexpr std::string_view kGraphNames[kGraphValues] = {
    "グラフウィンドウの上端", "グラフウィンドウの高さ", "グラフウィンドウの左端", "グラフウィンドウの幅"};

// A line as a message shows it: quoted, long lines cut on a character boundary.
std::string shown(std::string_view line) {
    constexpr std::size_t kShown = 40;
    if (line.size() <= kShown) return "\"" + std::string(line) + "\"";
    std::size_t end = kShown;
    while (end > 0 && isUtf8Continuation(static_cast<unsigned char>(line[end]))) --end;
    return "\"" + std::string(line.substr(0, end)) + "…\"";
}

// Reads the lines in order and, on the first failure, says which line should
// have held what.
class LineReader {
public:
    LineReader(const std::vector<std::string>& lines, std::string* problem) : lines_(lines), problem_(problem) {}

    // Line `index` equals `mark`.
    bool mark(std::size_t index, std::string_view mark, std::string_view context = {}) {
        if (index < lines_.size() && lines_[index] == mark) return true;
        return fail(index, " \"" + std::string(mark) + "\" ", context);
    }

    // A count at `index` that leaves room for its lines in the file.
    std::optional<std::size_t> count(std::size_t index, std::string_view what, std::string_view context = {}) {
        const auto value = index < lines_.size() ? readInteger(lines_[index]) : std::nullopt;
        if (!value || *value < 0) {
            fail(index, std::string(what) + "の行数（0 以上の整数）", context);
            return std::nullopt;
        }
        return static_cast<std::size_t>(*value);
    }

    // `count` integers from line `first` on, named by `names`.
    bool integers(std::size_t first, std::size_t count, const std::string_view* names, int* values,
                  std::string_view context) {
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t index = first + i;
            const auto value = index < lines_.size() ? readInteger(lines_[index]) : std::nullopt;
            if (!value) return fail(index, std::string(names[i]) + "（整数）", context);
            values[i] = *value;
        }
        return true;
    }

private:
    bool fail(std::size_t index, const std::string& expected, std::string_view context) {
        if (!problem_) return false;
        std::string found;
        if (lines_.empty()) found = "ファイルが空です";
        else if (index >= lines_.size()) found = "ファイルは " + std::to_string(lines_.size()) + " 行で終わっています";
        else found = shown(lines_[index]) + " です";
        *problem_ = std::to_string(index + 1) + " 行目に" + expected + "が必要ですが、" + found;
        if (!context.empty()) *problem_ += "（" + std::string(context) + "）";
        return false;
    }

    const std::vector<std::string>& lines_;
    std::string* problem_;
};

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

std::vector<std::string> documentFileLines(const Document& document) {
    std::vector<std::string> lines = documentLines(document);
    lines.emplace_back(kShiftJisMark);
    return lines;
}

std::optional<Document> parseDocument(const std::vector<std::string>& lines, std::string* problem) {
    LineReader reader(lines, problem);
    if (!reader.mark(0, kParametersMark)) return std::nullopt;
    const auto n = reader.count(1, "パラメータエリア");
    if (!n) return std::nullopt;
    const std::string parameterContext = "パラメータエリアは " + std::to_string(*n) + " 行";
    if (!reader.mark(*n + 2, kProgramMark, parameterContext)) return std::nullopt;
    const auto m = reader.count(*n + 3, "プログラムエリア", parameterContext);
    if (!m) return std::nullopt;
    const std::size_t e = *n + *m;  // counts are ints: no overflow
    const std::string areasContext =
        "パラメータエリア " + std::to_string(*n) + " 行、プログラムエリア " + std::to_string(*m) + " 行";

    int settings[kSettingValues] = {};
    if (!reader.integers(e + 5, kSettingValues, kSettingNames, settings, areasContext)) return std::nullopt;

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
        if (!reader.integers(e + 14, kGraphValues, kGraphNames, graph, areasContext)) return std::nullopt;
        d.graphWindow = WindowGeometry{graph[0], graph[1], graph[2], graph[3]};
    }
    return d;
}

namespace {

// Whether the raw lines carry the Shift-JIS mark where the writer puts it:
// right after the main settings or after the graph window lines. Only ASCII
// lines are looked at, and those read the same in either encoding.
bool hasShiftJisMark(const std::vector<std::string>& raw) {
    if (raw.empty() || raw[0] != kParametersMark) return false;
    const auto n = raw.size() > 1 ? readInteger(raw[1]) : std::nullopt;
    if (!n || *n < 0 || static_cast<std::size_t>(*n) + 3 >= raw.size()) return false;
    const auto m = readInteger(raw[static_cast<std::size_t>(*n) + 3]);
    if (!m || *m < 0) return false;
    const std::size_t e = static_cast<std::size_t>(*n) + static_cast<std::size_t>(*m);
    for (const std::size_t at : {e + 14, e + 14 + kGraphValues}) {
        if (at < raw.size() && raw[at] == kShiftJisMark) return true;
    }
    return false;
}

}  // namespace

DocumentReading decodeDocument(std::string_view bytes) {
    const TextEncoding encoding =
        hasShiftJisMark(splitLines(bytes, LineEnds::CrLfLfOrCr)) ? TextEncoding::ShiftJis : TextEncoding::Detect;
    const TextFileContent content = decodeTextFile(bytes, encoding);
    if (!content.ok()) return {std::nullopt, content.error};
    DocumentReading reading;
    reading.document = parseDocument(content.lines, &reading.problem);
    return reading;
}

DocumentReading readDocument(const std::filesystem::path& path) {
    std::string bytes;
    std::string error;
    if (!readFileBytes(path, bytes, error)) return {std::nullopt, error};
    return decodeDocument(bytes);
}

std::string documentRefusal(std::string_view problem) {
    return std::string(kDocumentDataError) + "\n" + std::string(problem);
}

std::string saveDocument(const std::filesystem::path& path, const Document& document) {
    return writeTextFile(path, documentFileLines(document));
}

std::optional<Document> loadDocument(const std::filesystem::path& path) {
    return readDocument(path).document;
}

}  // namespace zentra
