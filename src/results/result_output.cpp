#include "results/result_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "front/display_name.h"
#include "front/symbol.h"
#include "base/number_format.h"
#include "base/source_text.h"

namespace zentra {

namespace {

constexpr std::string_view kHeaderMark = "【";
constexpr std::string_view kHexMark = "0x";
constexpr std::string_view kErrorMark = "error";

bool anyLineContains(const OutputModel& out, std::string_view text) {
    const int n = out.lineCount();
    for (int i = 0; i < n; ++i) {
        if (lineContains(out.text(i), text)) return true;
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

bool isSweepHeader(const OutputLine& line) {
    return line.kind == OutputKind::SweepHeader || line.text.find(kHeaderMark) != std::string::npos;
}

// The value a line shows in hexadecimal: a dump line's own value, else its
// text after the first "=" read back as a number.
std::optional<double> hexValue(const OutputLine& line) {
    if (line.kind == OutputKind::Dump) return line.value;
    return readDecimal(valueText(line.text));
}

// The hexadecimal lines of the current decimal lines, or nothing when a line
// holds no number. Sweep headers and alias lines stay as they are.
std::optional<std::vector<OutputLine>> hexLines(const std::vector<OutputLine>& lines, int precision) {
    std::vector<OutputLine> converted;
    converted.reserve(lines.size());
    for (const auto& line : lines) {
        converted.push_back(line);
        if (isSweepHeader(line)) {
            converted.back().colour = LineColour::Red;
            continue;
        }
        if (line.kind == OutputKind::Alias) continue;
        const auto value = hexValue(line);
        if (!value) return std::nullopt;
        converted.back().text.append(" = 0x").append(formatHex(*value, precision));
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
    if (session.compiler.plan.passCount <= 1) return;
    const std::string& swept = session.compiler.plan.sweptName;
    // Parameter-area names carry a "_" prefix the user never wrote.
    const std::string name = swept.empty() ? std::string() : swept.substr(1);
    session.host.outputArea().appendSweepHeader("【 " + name + "=" + formatGeneral(value, 15) + " 】", value);
}

std::optional<DumpedVariable> dumpedVariable(const Compiler& compiler, const Symbol& symbol) {
    if (symbol.kind != Kind::VAR || symbol.scope != 0) return std::nullopt;
    if (symbol.name.find("~user") != std::string::npos) return std::nullopt;
    if (!selected(compiler.plan.outputSelection, symbol.name)) return std::nullopt;
    const int slot = symbol.code.slot();
    if (slot < 0 || slot >= kStoreSize) return std::nullopt;
    return DumpedVariable{displayName(compiler.names, symbol.name), slot};
}

void printVariableDump(Session& session) {
    const Compiler& compiler = session.compiler;
    const int count = compiler.symbols.count();
    OutputModel& out = session.host.outputArea();
    for (int i = kFirstUserSymbol; i < count; ++i) {
        const auto dumped = dumpedVariable(compiler, compiler.symbols[i]);
        if (!dumped) continue;
        const double value = session.stores->variables[static_cast<std::size_t>(dumped->slot)];
        out.appendDump(dumped->name, formatGeneral(value, session.precision), value);
    }
}

bool hexDisplayOn(const Session& session) {
    const OutputModel& out = session.host.outputArea();
    return out.hasDecimalCopy() && anyLineContains(out, kHexMark);
}

void toggleHexDisplay(Session& session) {
    OutputModel& out = session.host.outputArea();
    if (out.lineCount() == 0 || anyLineContains(out, kErrorMark)) return;
    if (hexDisplayOn(session)) {
        out.replaceLines(out.takeDecimalCopy());
    } else if (auto converted = hexLines(out.entries(), session.precision)) {
        out.keepDecimalCopy(out.entries());
        out.replaceLines(std::move(*converted));
    }
}

void clearOutput(Session& session) { session.host.outputArea().clear(); }

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
    const OutputModel& out = session.host.outputArea();
    if (outputLine < 0 || outputLine >= out.lineCount()) return;
    const std::string_view line = out.text(outputLine);
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
    const auto& functions = session.compiler.plan.userFunctions;
    const auto entry = static_cast<std::size_t>(area - kFirstFunctionArea);
    if (entry >= functions.size()) return;
    if (!host.functionWindowVisible()) host.messageBox("該当する関数のコードを表示します");
    host.showFunctionInEditor(functions[entry]);
    if (line < static_cast<int>(host.functionEditorLines().size())) host.selectFunctionEditorLine(line);
}

}  // namespace zentra
