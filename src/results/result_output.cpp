#include "results/result_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "front/symbol.h"
#include "results/number_format.h"
#include "results/text_helpers.h"

namespace zentra {

namespace {

constexpr std::string_view kHeaderMark = "【";
constexpr std::string_view kHexMark = "0x";
constexpr std::string_view kErrorMark = "error";

bool anyLineContains(const TextArea& area, std::string_view text) {
    const int n = area.lineCount();
    for (int i = 0; i < n; ++i) {
        if (lineContains(area.line(i), text)) return true;
    }
    return false;
}

// The text after a line's first "=" (the whole line when there is none).
std::string_view valueText(std::string_view line) {
    const auto at = line.find('=');
    return at == std::string_view::npos ? line : line.substr(at + 1);
}

// A printed value read back: a decimal number, or INF, -INF, NAN as the dump
// writes them. Blanks around it are allowed; anything else is not a number.
std::optional<double> readDecimal(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool selected(const std::vector<std::string>& selection, const std::string& name) {
    return selection.empty() || std::find(selection.begin(), selection.end(), name) != selection.end();
}

void colourHeaders(TextArea& out) {
    const int n = out.lineCount();
    for (int i = 0; i < n; ++i) {
        if (out.line(i).find(kHeaderMark) != std::string::npos) out.setLineColour(i, LineColour::Red);
    }
}

// The hexadecimal lines of the current decimal lines, or nothing when a line
// holds no readable number.
std::optional<std::vector<std::string>> hexLines(const std::vector<std::string>& lines, int precision) {
    std::vector<std::string> converted;
    converted.reserve(lines.size());
    for (const auto& line : lines) {
        // A sweep header holds "=" itself ("【 x=1 】"): it stays as it is.
        if (line.find(kHeaderMark) != std::string::npos) {
            converted.push_back(line);
            continue;
        }
        const auto value = readDecimal(valueText(line));
        if (!value) return std::nullopt;
        converted.push_back(line + " = 0x" + formatHex(*value, precision));
    }
    return converted;
}

// Reads up to `maxDigits` decimal digits at `from`; -1 when there are none.
int readDigits(std::string_view text, std::size_t from, std::size_t maxDigits) {
    int value = 0;
    std::size_t i = from;
    for (; i < text.size() && i - from < maxDigits && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return i == from ? -1 : value;
}

}  // namespace

void printSweepHeader(Session& session, double value) {
    if (session.compiler.passCount <= 1) return;
    const std::string& swept = session.compiler.sweptName;
    // Parameter-area names carry a "_" prefix the user never wrote.
    const std::string name = swept.empty() ? std::string() : swept.substr(1);
    session.host.outputArea().appendLine("【 " + name + "=" + formatGeneral(value, 15) + " 】",
                                         LineColour::Red);
}

void printVariableDump(Session& session) {
    const Compiler& compiler = session.compiler;
    const int count = std::min<int>(compiler.symbolCount, static_cast<int>(compiler.symbols.size()));
    TextArea& out = session.host.outputArea();
    for (int i = kFirstUserSymbol; i < count; ++i) {
        const Symbol& symbol = compiler.symbols[static_cast<std::size_t>(i)];
        if (symbol.kind != Kind::VAR || symbol.scope != 0) continue;
        if (symbol.name.find("~user") != std::string::npos) continue;
        if (!selected(compiler.outputSelection, symbol.name)) continue;
        const int slot = slotOfCode(symbol.code);
        if (slot < 0 || slot >= kStoreSize) continue;
        // A bare expression line's result is named "$" + the expression.
        const std::string_view shown =
            symbol.name.starts_with('$') ? std::string_view(symbol.name).substr(1) : std::string_view(symbol.name);
        const double value = session.stores->variables[static_cast<std::size_t>(slot)];
        out.appendLine(std::string(shown) + " = " + formatGeneral(value, session.precision));
    }
}

bool hexDisplayOn(const Session& session) {
    return !session.decimalCopy.empty() && anyLineContains(session.host.outputArea(), kHexMark);
}

void toggleHexDisplay(Session& session) {
    TextArea& out = session.host.outputArea();
    if (out.lineCount() == 0 || anyLineContains(out, kErrorMark)) return;
    if (hexDisplayOn(session)) {
        out.setLines(session.decimalCopy);
        session.decimalCopy.clear();
    } else {
        const std::vector<std::string> decimal = out.lines();
        if (auto converted = hexLines(decimal, session.precision)) {
            session.decimalCopy = decimal;
            out.setLines(*converted);
        }
    }
    colourHeaders(out);
}

void clearOutput(Session& session) {
    session.host.outputArea().clear();
    session.decimalCopy.clear();
}

bool lineContains(std::string_view line, std::string_view text) {
    return valueText(line).find(text) != std::string_view::npos;
}

bool isErrorLine(std::string_view line) {
    constexpr std::string_view kHead = "error ";
    if (!line.starts_with(kHead)) return false;
    std::size_t i = kHead.size();
    const std::size_t numberStart = i;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
    if (i == numberStart || i >= line.size() || line[i] != '-') return false;
    const std::size_t placeStart = ++i;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
    // Area (2 digits) and line (3 digits, more past line 999), then the end
    // or the message after a blank.
    return i - placeStart >= 5 && (i == line.size() || line[i] == ' ');
}

void showErrorLocation(Session& session, int outputLine) {
    TextArea& out = session.host.outputArea();
    if (outputLine < 0 || outputLine >= out.lineCount()) return;
    const std::string line = out.line(outputLine);
    if (!isErrorLine(line)) return;
    const std::size_t dash = line.find('-');
    const int area = readDigits(line, dash + 1, 2);
    // Lines past 999 are written with more digits; 6 are more than any area holds.
    const int sourceLine = readDigits(line, dash + 3, 6);
    if (area < 0 || sourceLine < 0) return;
    selectSourceLine(session, area, sourceLine - 1);
}

void selectSourceLine(Session& session, int area, int line) {
    Host& host = session.host;
    if (area < 0) {
        host.messageBox("異常発生");
        return;
    }
    // Line 0 of an error line (the summary of the user-function stage) names
    // no source line.
    if (line < 0) return;
    if (area == kProgramArea || area == kParameterArea) {
        TextArea& editor = area == kProgramArea ? host.programArea() : host.parameterArea();
        if (line < editor.lineCount()) editor.selectLine(line);
        return;
    }
    const auto& functions = session.compiler.userFunctions;
    const auto entry = static_cast<std::size_t>(area - kFirstFunctionArea);
    if (entry >= functions.size()) return;
    if (!host.functionWindowVisible()) host.messageBox("該当する関数のコードを表示します");
    host.showFunctionInEditor(functions[entry]);
    if (line < static_cast<int>(host.functionEditorLines().size())) host.selectFunctionEditorLine(line);
}

}  // namespace zentra
