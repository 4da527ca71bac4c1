#include "shell/settings_schema.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "base/text_lines.h"
#include "shell/input_recall.h"

namespace zentra {

std::int32_t packPair(PackedPair pair) {
    const auto first = static_cast<std::uint32_t>(std::clamp(pair.first, -32768, 32767));
    const auto second = static_cast<std::uint32_t>(std::clamp(pair.second, 0, 65535));
    return static_cast<std::int32_t>((first << 16) | second);
}

PackedPair unpackPair(std::int32_t value) {
    return {value >> 16, static_cast<int>(value & 0xFFFF)};
}

std::optional<std::int32_t> parseStoredInt(std::string_view text) {
    // One sign at most; from_chars takes "-" but not "+".
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    }
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

const std::array<std::string_view, 17> kConstantLines{
    "BLZ =5.670373E-8; // ボルツマン定数",
    "C0 =2.99792458E8; // 光速",
    "EAL =70E9;  // アルミのヤング率",
    "EFE =21E10;  // 鋼鉄のヤング率",
    "EP0 =8.854187817E-12; // 真空の誘電率",
    "EU =2.718281828459045; // 自然対数の底",
    "G0 =6.67384E-11; // 万有引力定数",
    "GE =9.80665;   // 地表の重力加速度",
    "HP =6.62606957E-34;  // プランク数",
    "ME =9.1093826E-31;  // 電子の質量",
    "MOL =6.02214129E23; // アボガドロ数",
    "MP =1.67262171E-27; // 陽子の質量",
    "MU0 =1.256637061E-6; // 真空の透磁率",
    "PI =3.141592653589793; // 円周率",
    "RCU =1.68E-8;  // 銅の比抵抗",
    "RE =6.378E6;  // 地球の赤道半径",
    "SFE =12.1E-6;  // 鋼鉄の線膨張率",
};

void mergeConstants(std::vector<std::string>& parameterHistory) {
    addToHistory(parameterHistory, std::vector<std::string>(kConstantLines.begin(), kConstantLines.end()));
}

namespace {

std::optional<std::int32_t> readInt(const SettingsStore& store, std::string_view name) {
    const auto text = store.value(name);
    if (!text) return std::nullopt;
    return parseStoredInt(*text);
}

void readPair(const SettingsStore& store, std::string_view name, int& first, int& second) {
    if (const auto value = readInt(store, name)) {
        const PackedPair pair = unpackPair(*value);
        first = pair.first;
        second = pair.second;
    }
}

void readPlace(const SettingsStore& store, std::string_view topHeight, std::string_view leftWidth,
               WindowGeometry& place) {
    readPair(store, topHeight, place.top, place.height);
    readPair(store, leftWidth, place.left, place.width);
}

void readText(const SettingsStore& store, std::string_view name, std::string& text) {
    if (auto value = store.value(name)) text = std::move(*value);
}

void readLines(const SettingsStore& store, std::string_view name, std::vector<std::string>& lines) {
    if (const auto value = store.value(name)) lines = splitLines(*value, LineEnds::Lf);
}

void writeInt(SettingsStore& store, std::string_view name, std::int64_t value) {
    store.setValue(name, std::to_string(value));
}

void writePair(SettingsStore& store, std::string_view name, int first, int second) {
    writeInt(store, name, packPair({first, second}));
}

}  // namespace

AppSettings readSettings(const SettingsStore& store) {
    AppSettings s;
    readPlace(store, "top_height", "left_width", s.mainWindow);
    readPlace(store, "mtop_height", "mleft_width", s.monitorWindow);
    readPair(store, "rheit_width", s.historyWindowHeight, s.historyWindowWidth);
    readPlace(store, "ftop_height", "fleft_width", s.functionWindow);
    readPlace(store, "gtop_height", "gleft_width", s.graphWindow);
    readPair(store, "stop_sleft", s.parameterAreaHeight, s.editorPanelWidth);
    if (const auto width = readInt(store, "fSplit")) s.functionListWidth = *width;

    readText(store, "fname", s.fontName);
    if (const auto size = readInt(store, "fsize"); size && *size >= 1 && *size <= 400) s.fontSize = *size;
    // "fchar" is not read: the text is always shown in the Japanese character set.

    readLines(store, "src", s.programLines);
    readLines(store, "con", s.parameterLines);
    readText(store, "dir", s.lastDirectory);
    readLines(store, "msrc", s.programHistory);
    readLines(store, "musr", s.parameterHistory);
    readLines(store, "mfunc", s.functionStore);

    if (const auto precision = readInt(store, "precision")) {
        s.precision = std::clamp<int>(*precision, 1, 15);
    }
    if (const auto radian = readInt(store, "radian")) s.radian = *radian != 0 ? 1 : 0;
    if (const auto loops = readInt(store, "loops")) s.loops = *loops;
    if (const auto reuse = readInt(store, "reuse")) s.recallOff = *reuse != 0;

    readLines(store, "History", s.recentFiles);
    readText(store, "LastFile", s.currentFile);
    readText(store, "debug", s.debug);

    mergeConstants(s.parameterHistory);
    return s;
}

void writeSettings(const AppSettings& s, SettingsStore& store) {
    writePair(store, "top_height", s.mainWindow.top, s.mainWindow.height);
    writePair(store, "left_width", s.mainWindow.left, s.mainWindow.width);
    writePair(store, "mtop_height", s.monitorWindow.top, s.monitorWindow.height);
    writePair(store, "mleft_width", s.monitorWindow.left, s.monitorWindow.width);
    writePair(store, "rheit_width", s.historyWindowHeight, s.historyWindowWidth);
    writePair(store, "ftop_height", s.functionWindow.top, s.functionWindow.height);
    writePair(store, "fleft_width", s.functionWindow.left, s.functionWindow.width);
    writePair(store, "gtop_height", s.graphWindow.top, s.graphWindow.height);
    writePair(store, "gleft_width", s.graphWindow.left, s.graphWindow.width);
    writePair(store, "stop_sleft", s.parameterAreaHeight, s.editorPanelWidth);
    writeInt(store, "fSplit", s.functionListWidth);
    store.setValue("fname", s.fontName);
    writeInt(store, "fsize", s.fontSize);
    writeInt(store, "fchar", kShiftJisCharset);
    store.setValue("src", joinLines(s.programLines));
    store.setValue("con", joinLines(s.parameterLines));
    store.setValue("file", s.currentFile);
    writeInt(store, "precision", s.precision);
    writeInt(store, "radian", s.radian);
    writeInt(store, "loops", s.loops);
    writeInt(store, "reuse", s.recallOff ? 1 : 0);
    store.setValue("msrc", joinLines(s.programHistory));
    store.setValue("musr", joinLines(s.parameterHistory));
    store.setValue("mfunc", joinLines(s.functionStore));
    store.setValue("dir", s.lastDirectory);
    store.setValue("History", joinLines(s.recentFiles));
    store.setValue("LastFile", s.currentFile);
}

namespace {

// How much of a window must show on a screen for the user to reach it.
constexpr std::int64_t kMinVisibleWidth = 48;
constexpr std::int64_t kMinVisibleHeight = 20;

struct Span {
    std::int64_t begin;
    std::int64_t end;
};

std::int64_t overlap(Span a, Span b) {
    return std::max<std::int64_t>(0, std::min(a.end, b.end) - std::max(a.begin, b.begin));
}

// Distance from a point to a span (0 inside it).
std::int64_t distance(std::int64_t point, Span span) {
    if (point < span.begin) return span.begin - point;
    if (point > span.end) return point - span.end;
    return 0;
}

}  // namespace

WindowGeometry keepOnScreens(const WindowGeometry& window, const std::vector<ScreenRect>& screens) {
    const std::int64_t width = std::max(window.width, 1);
    const std::int64_t height = std::max(window.height, 1);
    const Span across{window.left, window.left + width};

    const ScreenRect* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const ScreenRect& screen : screens) {
        if (screen.width <= 0 || screen.height <= 0) continue;
        const Span screenAcross{screen.left, std::int64_t{screen.left} + screen.width};
        const Span screenDown{screen.top, std::int64_t{screen.top} + screen.height};
        // The top edge must lie on the screen, so the window can be grabbed there.
        const bool topOnScreen = window.top >= screenDown.begin &&
                                 window.top + std::min(height, kMinVisibleHeight) <= screenDown.end;
        if (topOnScreen && overlap(across, screenAcross) >= std::min(width, kMinVisibleWidth)) {
            return window;
        }
        const auto dx = static_cast<double>(distance(window.left + width / 2, screenAcross));
        const auto dy = static_cast<double>(distance(window.top + height / 2, screenDown));
        const double d = dx * dx + dy * dy;
        if (d < nearestDistance) {
            nearestDistance = d;
            nearest = &screen;
        }
    }
    if (nearest == nullptr) return window;

    WindowGeometry moved = window;
    moved.width = static_cast<int>(std::min<std::int64_t>(width, nearest->width));
    moved.height = static_cast<int>(std::min<std::int64_t>(height, nearest->height));
    moved.left = static_cast<int>(std::clamp<std::int64_t>(
        window.left, nearest->left, std::int64_t{nearest->left} + nearest->width - moved.width));
    moved.top = static_cast<int>(std::clamp<std::int64_t>(
        window.top, nearest->top, std::int64_t{nearest->top} + nearest->height - moved.height));
    return moved;
}

}  // namespace zentra
