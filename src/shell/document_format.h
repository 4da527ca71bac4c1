// Calculation documents (.qbxsrc): both areas, the calculation settings and
// the window geometry, one item per line.
//
//   0          #parameters
//   1          N
//   2..N+1     parameter-area lines
//   N+2        #program
//   N+3        M
//   N+4..e+3   program-area lines            (e = N + M)
//   e+4        #setting                      (written, not checked)
//   e+5..e+7   radian, precision, loops
//   e+8..e+11  main window top, height, left, width
//   e+12       parameter-area height
//   e+13       editor-panel width
//   e+14..e+17 graph window top, height, left, width (optional)
//   then       kShiftJisMark, in files Zentra writes
//
// The Windows program ignores every line past e+17, and reads the graph
// window lines only from a file of e + 18 lines or more; so the mark goes
// right after the last setting line written (e+18, or e+14 without graph
// window lines) and is never read as a setting.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

inline constexpr std::string_view kDocumentDataError = "指定されたファイルのデータが正しくありません";

struct WindowGeometry {
    int top = 0;
    int height = 0;
    int left = 0;
    int width = 0;
    bool operator==(const WindowGeometry&) const = default;
};

struct Document {
    std::vector<std::string> parameterLines;
    std::vector<std::string> programLines;
    int radian = 0;
    int precision = 15;
    int loops = 1000;
    WindowGeometry mainWindow;
    int parameterAreaHeight = 0;
    int editorPanelWidth = 0;
    // Absent in a file of e + 14 lines: the graph window then stays where it is.
    std::optional<WindowGeometry> graphWindow;
    bool operator==(const Document&) const = default;
};

// The lines of the document (e + 18 of them, e + 14 without graph geometry).
std::vector<std::string> documentLines(const Document& document);

// documentLines followed by the Shift-JIS mark: the lines of a saved file.
std::vector<std::string> documentFileLines(const Document& document);

// The document the lines hold; nothing when a section mark, a count or a
// value is wrong or a line is missing. Lines past e + 17 are ignored.
// `problem`, when given, then receives which line holds what instead of what.
std::optional<Document> parseDocument(const std::vector<std::string>& lines, std::string* problem = nullptr);

struct DocumentReading {
    std::optional<Document> document;
    std::string problem;  // why there is none: a line and what it should hold, or the file's own message
};

// The document in a file's bytes. A file with the Shift-JIS mark after its
// settings is read as Shift-JIS; one without it by the Detect rule.
DocumentReading decodeDocument(std::string_view bytes);

// Reads the document file at `path` (the problem of an unreadable file is
// its read message).
DocumentReading readDocument(const std::filesystem::path& path);

// kDocumentDataError, then the problem on a line of its own.
std::string documentRefusal(std::string_view problem);

// Writes the document in CP932 with CR LF and the mark; empty on success,
// else the message.
std::string saveDocument(const std::filesystem::path& path, const Document& document);

// Reads a document; nothing when the file cannot be read or its data is
// wrong (readDocument says why).
std::optional<Document> loadDocument(const std::filesystem::path& path);

}  // namespace zentra
