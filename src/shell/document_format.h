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

// The lines of the file (e + 18 of them, e + 14 without graph geometry).
std::vector<std::string> documentLines(const Document& document);

// The document the lines hold; nothing when a section mark, a count or a
// value is wrong or a line is missing. Lines past e + 17 are ignored.
std::optional<Document> parseDocument(const std::vector<std::string>& lines);

// Writes the document in CP932 with CR LF; empty on success, else the message.
std::string saveDocument(const std::filesystem::path& path, const Document& document);

// Reads a document; nothing when the file cannot be read or its data is
// wrong (the caller shows kDocumentDataError).
std::optional<Document> loadDocument(const std::filesystem::path& path);

}  // namespace zentra
