// libFuzzer target: one whole Exec over fuzzed settings, both areas and a
// user-function library, then the output commands a user may click.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_lines.h"
#include "exec_input.h"
#include "results/result_output.h"
#include "host/memory_host.h"
#include "run/run_driver.h"
#include "session/session.h"
#include "userfunc/function_store.h"
#include "shell/library_file.h"

namespace {

using namespace zentra;
using zentra::fuzz::ExecInput;

// Every input must finish well within libFuzzer's one-second timeout, and a
// legitimate calculation can run far longer: a sweep has up to about 4000
// passes, each up to the loop limit of jumps through up to 4096 code words,
// and every pass prints a line per variable. So the harness caps the loop
// limit an input may ask for, and stops a run (see BudgetedOutput) after
// this many sweep passes or output lines. An instrumented machine word costs
// about 0.1 us.
constexpr int kLoopCap = 1000;
constexpr int kPassBudget = 64;
constexpr int kLineBudget = 20000;

// Thrown by the output area when a run has used its budget. The engine holds
// everything in values and containers, so the unwinding leaves nothing
// behind, and the next Exec re-initialises what the run had begun.
struct BudgetExceeded {};

// The output area of the fuzzer's host: counts what a run prints.
class BudgetedOutput : public OutputModel {
public:
    void append(OutputLine line) override {
        if (line.kind == OutputKind::SweepHeader) ++passes_;
        OutputModel::append(std::move(line));
        if (++lines_ > kLineBudget || passes_ > kPassBudget) throw BudgetExceeded{};
    }
    void restartBudget() { lines_ = passes_ = 0; }

private:
    int lines_ = 0;
    int passes_ = 0;
};

class FuzzHost : public MemoryHost {
public:
    OutputModel& outputArea() override { return budgetedOutput; }
    BudgetedOutput budgetedOutput;
};

// Only a while loop jumps back, so only then can "loops" in the parameter
// area (which replaces the limit) make a pass long; the harness then renames
// it, keeping the text's length and lines. Without "while" the setting is
// read and kept as the user wrote it.
std::string parameterText(const ExecInput& input) {
    std::string text(input.parameters);
    const auto hasWhile = [](std::string_view area) { return area.find("while") != std::string_view::npos; };
    if (!hasWhile(input.parameters) && !hasWhile(input.program) && !hasWhile(input.library)) return text;
    for (std::size_t at = text.find("loops"); at != std::string::npos; at = text.find("loops", at)) {
        text[at + 4] = 'z';
    }
    return text;
}

// The application keeps one session for its whole life, and so does the
// fuzzer; every input resets what a user could not carry over by typing.
struct Engine {
    FuzzHost host;
    Session session{host};
};

void setArea(TextArea& area, std::string_view text) {
    area.clear();
    for (const auto& line : splitLines(text, LineEnds::CrLfLfOrCr)) area.appendLine(line);
}

StopPoint stopPointOf(int bits) {
    switch (bits) {
        case 1: return StopPoint::AfterFunctionCheck;
        case 2: return StopPoint::AfterSourcePreparation;
        case 3: return StopPoint::AfterTokenDump;
        default: return StopPoint::None;
    }
}

// The store a user builds: a library file imported, or, when the text is no
// library file, each separator-delimited piece typed into the function
// editor and registered.
std::vector<std::string> functionStore(std::string_view library) {
    FunctionStore store;
    if (importLibrary(store, splitLines(library, LineEnds::CrLfLfOrCr)).accepted) return store.lines();
    while (!library.empty()) {
        const std::size_t end = library.find(zentra::fuzz::kAreaSeparator);
        store.registerText(splitLines(library.substr(0, end), LineEnds::CrLfLfOrCr));
        library = end == std::string_view::npos ? std::string_view{} : library.substr(end + 1);
    }
    return store.lines();
}

void reset(Engine& e, const ExecInput& input) {
    FuzzHost& host = e.host;
    Session& s = e.session;
    setArea(host.parameters, parameterText(input));
    setArea(host.program, input.program);
    clearOutput(s);
    host.budgetedOutput.restartBudget();
    host.tokens.clear();
    host.symbols.clear();
    host.messages.clear();
    host.statusTexts = {};
    host.messageBoxes.clear();
    host.settingsWritten.clear();
    host.stop = stopPointOf(input.stopSwitch());
    host.graphShown = false;
    host.historyHidden = false;
    host.functionWindowShown = input.functionWindowOpen();
    host.functionShown.clear();
    host.selectedFunctionLine = -1;

    s.precision = input.precision;
    s.radian = input.radian() ? 1 : 0;
    s.loopLimit = input.loops > kLoopCap ? kLoopCap : input.loops;
    // The generator starts afresh, so that a finding replays alone.
    s.random = RandomSource{};
    s.programHistory.clear();
    s.parameterHistory.clear();

    s.functionStore = FunctionStore(functionStore(input.library));
    host.functionEditor = splitLines(input.library, LineEnds::CrLfLfOrCr);
}

// Switching the hexadecimal display on and off again gives back the lines.
void toggleTwice(Session& s) {
    const std::vector<std::string> before = s.host.outputArea().lines();
    toggleHexDisplay(s);
    toggleHexDisplay(s);
    if (s.host.outputArea().lines() != before) std::abort();
}

void afterRun(Session& s, const ExecInput& input) {
    if (input.showLocations()) {
        for (int i = 0; i < s.host.outputArea().lineCount(); ++i) showErrorLocation(s, i);
    }
    if (input.hexAfterRun()) toggleTwice(s);
}

// With ZENTRA_FUZZ_SHOW set (when replaying a finding), what the run left.
void show(const Engine& e) {
    static const bool wanted = std::getenv("ZENTRA_FUZZ_SHOW") != nullptr;
    if (!wanted) return;
    const auto pane = [](const char* title, const std::vector<std::string>& lines) {
        std::fprintf(stderr, "---- %s\n", title);
        for (const auto& line : lines) std::fprintf(stderr, "%s\n", line.c_str());
    };
    pane("parameters", e.host.parameters.lines());
    pane("program", e.host.program.lines());
    pane("functions", e.session.functionStore.lines());
    pane("output", e.host.budgetedOutput.lines());
    pane("message boxes", e.host.messageBoxes);
    pane("status", {e.host.statusTexts.begin(), e.host.statusTexts.end()});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Engine engine;
    const ExecInput input = zentra::fuzz::splitExecInput({reinterpret_cast<const char*>(data), size});
    reset(engine, input);
    Session& s = engine.session;
    try {
        exec(s);
        afterRun(s, input);
        if (input.secondRun()) {
            // The next Exec finds the output as the user left it: here
            // after loading the document's settings again (the run clamped
            // the precision) and switching the display.
            if (input.hexBeforeSecondRun()) {
                s.precision = input.precision;
                toggleHexDisplay(s);
            }
            exec(s);
            afterRun(s, input);
        }
    } catch (const BudgetExceeded&) {
        // A long calculation, not a fault: the next input starts afresh.
    }
    show(engine);
    return 0;
}
