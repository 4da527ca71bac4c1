// Every value kept between runs of the application, how each is read from
// and written to a SettingsStore, and the defaults of a first start.
//
// Each value is read on its own: one that is missing or cannot be read takes
// its own default and the others are still read. Integers are decimal 32-bit
// numbers; "lines" values hold each line followed by LF. A window place is
// stored as two packed pairs, (first << 16) | second, with the first half
// signed (a window left of the primary screen keeps its negative left edge).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/document_format.h"  // WindowGeometry
#include "shell/settings_store.h"

namespace zentra {

// ---- pair packing -------------------------------------------------------

struct PackedPair {
    int first = 0;   // top, left or height: -32768 .. 32767
    int second = 0;  // height or width: 0 .. 65535
    bool operator==(const PackedPair&) const = default;
};

// Halves outside their ranges are clamped, never wrapped into the other half.
std::int32_t packPair(PackedPair pair);
PackedPair unpackPair(std::int32_t value);

// A decimal 32-bit integer (optional sign, nothing else); nothing otherwise.
std::optional<std::int32_t> parseStoredInt(std::string_view text);

// ---- the values ---------------------------------------------------------

inline constexpr std::string_view kDefaultFontName = "ＭＳ ゴシック";
inline constexpr int kDefaultFontSize = 11;         // points: 15 pixels at 96 dpi
inline constexpr int kShiftJisCharset = 128;        // written as "fchar"
inline constexpr std::string_view kDebugMonitorWord = "Kelo";

// Designed window places (top, height, left, width).
inline constexpr WindowGeometry kMainWindowDesigned{164, 298, 142, 550};
inline constexpr WindowGeometry kMonitorWindowDesigned{397, 597, 607, 705};
inline constexpr WindowGeometry kFunctionWindowDesigned{470, 340, 144, 498};
inline constexpr WindowGeometry kGraphWindowDesigned{217, 373, 615, 417};
inline constexpr int kHistoryWindowDesignedHeight = 325;
inline constexpr int kHistoryWindowDesignedWidth = 331;

struct AppSettings {
    // Window places: "top_height"/"left_width", "mtop_height"/"mleft_width",
    // "ftop_height"/"fleft_width", "gtop_height"/"gleft_width".
    WindowGeometry mainWindow = kMainWindowDesigned;
    WindowGeometry monitorWindow = kMonitorWindowDesigned;
    WindowGeometry functionWindow = kFunctionWindowDesigned;
    WindowGeometry graphWindow = kGraphWindowDesigned;
    // "rheit_width": the input-history window keeps no position.
    int historyWindowHeight = kHistoryWindowDesignedHeight;
    int historyWindowWidth = kHistoryWindowDesignedWidth;
    // "stop_sleft"
    int parameterAreaHeight = 102;
    int editorPanelWidth = 244;
    // "fSplit": width of the user-function list.
    int functionListWidth = 233;

    // "fname", "fsize"; "fchar" is always written as kShiftJisCharset and
    // never read.
    std::string fontName{kDefaultFontName};
    int fontSize = kDefaultFontSize;

    std::vector<std::string> programLines;    // "src"
    std::vector<std::string> parameterLines;  // "con"
    std::string lastDirectory;                // "dir"
    std::vector<std::string> programHistory;    // "msrc"
    std::vector<std::string> parameterHistory;  // "musr", constants merged in
    std::vector<std::string> functionStore;     // "mfunc"

    int precision = 15;  // 1 .. 15
    int radian = 0;      // 0 degrees, 1 radians
    int loops = 1000;
    bool recallOff = false;  // "reuse": MenuReuse checked

    std::vector<std::string> recentFiles;  // "History", most recent first
    std::string currentFile;               // "LastFile"; also written as "file"
    std::string debug;                     // "debug": read, never written

    bool debugMonitorAtStart() const { return debug == kDebugMonitorWord; }

    bool operator==(const AppSettings&) const = default;
};

// The order in which writeSettings writes its values.
inline constexpr std::array<std::string_view, 27> kSettingsWriteOrder{
    "top_height", "left_width", "mtop_height", "mleft_width", "rheit_width",
    "ftop_height", "fleft_width", "gtop_height", "gleft_width", "stop_sleft",
    "fSplit", "fname", "fsize", "fchar", "src", "con", "file", "precision",
    "radian", "loops", "reuse", "msrc", "musr", "mfunc", "dir", "History",
    "LastFile"};

// The physical constants offered for recall in the parameter area, as typed.
extern const std::array<std::string_view, 17> kConstantLines;

// Appends each constant line, blanks removed, that the history lacks.
void mergeConstants(std::vector<std::string>& parameterHistory);

// Every value, each on its own; the constants are merged into the
// parameter history. Readable numbers out of range: precision is clamped to
// 1 .. 15 (the run would clamp it further), any non-zero radian flag means
// radians and reads as 1, a font size outside 1 .. 400 points counts as
// unreadable. The loop limit is kept as stored; the run bounds it.
AppSettings readSettings(const SettingsStore& store);

// Every value in kSettingsWriteOrder. "debug" is never written, so whatever
// the store holds under it stays.
void writeSettings(const AppSettings& settings, SettingsStore& store);

// ---- windows on screens -------------------------------------------------

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// The place unchanged when enough of it shows on one of the screens (a
// negative left edge on a screen left of the primary one is kept); else
// moved (and shrunk if needed) fully onto the screen nearest to it. No
// screens: unchanged.
WindowGeometry keepOnScreens(const WindowGeometry& window, const std::vector<ScreenRect>& screens);

}  // namespace zentra
