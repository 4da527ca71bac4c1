#include "run/run_driver.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string_view>

#include "base/source_text.h"
#include "base/text_lines.h"
#include "compile/listing_render.h"
#include "compile/program_compiler.h"
#include "front/number_text.h"
#include "front/parser_passes.h"
#include "front/source_prep.h"
#include "front/token_defs.h"
#include "results/result_output.h"
#include "run/run_pass.h"
#include "shell/input_recall.h"
#include "userfunc/expansion.h"
#include "userfunc/function_check.h"

namespace zentra {

namespace {

bool isEmptyProgram(const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (!removeBlanks(cutComment(line)).empty()) return false;
    }
    return true;
}

void resetRunState(Session& s) {
    Compiler& c = s.compiler;
    c.plan.sweptName.clear();
    c.errors.startRun();
    c.plan.outputSelection.clear();
    c.plan.graphList.clear();
    if (s.host.graphVisible()) s.host.closeGraph();
    s.host.setStatusText(0, "");
    s.host.monitorMessages().clear();
}

bool anyLineContains(const TextArea& area, std::string_view text) {
    for (int i = 0; i < area.lineCount(); ++i) {
        if (lineContains(area.line(i), text)) return true;
    }
    return false;
}

// Selects the source line of every error shown so far, in order (the last
// one stays selected); true when there was one.
bool showErrorLocations(Session& s) {
    const std::vector<CompileError>& errors = s.compiler.errors.list();
    for (const CompileError& error : errors) selectSourceLine(s, error.area(), error.line() - 1);
    return !errors.empty();
}

// Loads the numeric literals and asks for the first undefined name.
ExecOutcome loadLiterals(Session& s) {
    Compiler& c = s.compiler;
    for (int i = kFirstUserSymbol; i < c.symbols.count(); ++i) {
        const Symbol& sym = c.symbols[i];
        if (sym.kind == Kind::DIGIT) {
            if (sym.name.empty() || isNameStart(sym.name[0])) continue;  // a named constant
            const int slot = sym.code.slot();
            double value = 0.0;
            if (slot < 0 || !readNumberText(sym.name, value)) {
                s.host.messageBox("数値 " + zentra::quoted(sym.name) + " を読めません");
                return ExecOutcome::FrontEndError;
            }
            s.stores->constants[static_cast<std::size_t>(slot)] = value;
        } else if (sym.kind == Kind::CONST) {
            TextArea& params = s.host.parameterArea();
            params.appendLine(sym.name + "=");
            s.host.setStatusText(0, "error パラメータ " + sym.name + " を入力してください");
            selectSourceLine(s, kParameterArea, params.lineCount() - 1);
            return ExecOutcome::UndefinedParameter;
        }
    }
    return ExecOutcome::Completed;
}

int loopLimitFrom(double value) {
    if (!(value >= 1.0)) return 1;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(value);
}

void applyDerivedSettings(Session& s) {
    s.loopLimit = loopLimitFrom(namedSetting(s, "loops", s.loopLimit));
    s.unitFactor = s.radian ? 1.0 : kDegreeUnitFactor;
    if (s.precision < 4) s.precision = 4;
    if (s.precision > 15) s.precision = 15;
    s.host.setStatusText(1, " precision " + std::to_string(s.precision));
    s.host.setStatusText(2, std::string(" unit ") + (s.radian ? "RAD" : "DEG"));
}

// One pass per sweep value; false when a pass failed or the host cancelled
// the run, before a pass or inside one. A cancelled run keeps the groups
// already printed and says so in status text 0 instead of a message box.
bool runSweep(Session& s) {
    Compiler& c = s.compiler;
    ValueStore& constants = s.stores->constants;
    for (int i = 0; i < c.plan.passCount; ++i) {
        const int from = c.plan.sweptSlot - i;
        if (from < 0 || c.plan.sweptSlot >= kStoreSize) break;
        const double v = constants[static_cast<std::size_t>(from)];
        constants[static_cast<std::size_t>(c.plan.sweptSlot)] = v;
        if (i == 0) {
            s.graphMaximum = s.graphMinimum = v;
        } else if (v > s.graphMaximum) {
            s.graphMaximum = v;
        } else if (v < s.graphMinimum) {
            s.graphMinimum = v;
        }
        const PassEnd end = s.host.keepRunning(i, c.plan.passCount)
                                ? runSweepPass(s, i, c.plan.passCount)
                                : PassEnd::Cancelled;
        if (end == PassEnd::Cancelled) s.host.setStatusText(0, "計算を中止しました");
        if (end != PassEnd::Completed) return false;
        if (c.plan.passCount > 1) printSweepHeader(s, v);
        printVariableDump(s);
    }
    return true;
}

// Whether the user-function expansion will leave every token as it is: no
// token carries an expansion scope, and no name before "proc" is followed by
// "(", which is how a definition starts.
bool expansionKeepsTokens(const Compiler& c) {
    bool beforeProc = true;
    for (int i = 0; i < c.tokens.count(); ++i) {
        const Token& token = c.tokenAt(i);
        if (token.scope != 0) return false;
        if (token.kind == Kind::PROC) beforeProc = false;
        if (beforeProc && token.kind == Kind::IDENT && c.tokenAt(i + 1).kind == Kind::OPEN)
            return false;
    }
    return true;
}

// Stages from the user-function check to the parser; Completed when the code
// buffer holds the program.
ExecOutcome compileInputs(Session& s, const std::vector<std::string>& program) {
    Compiler& c = s.compiler;
    Host& host = s.host;
    if (!userFunctionCheck(host, program, s.functionStore.lines(), c.plan.userFunctions))
        return ExecOutcome::UnregisteredFunctions;
    if (host.stopPoint() == StopPoint::AfterFunctionCheck) return ExecOutcome::Nothing;

    c.startFrontEnd();
    prepareSource(host, c.plan.userFunctions, s.functionStore.lines(), c.tokens, c.report);
    if (host.stopPoint() == StopPoint::AfterSourcePreparation) return ExecOutcome::Nothing;
    if (showErrorLocations(s)) return ExecOutcome::FrontEndError;

    // The token dump of addDef is replaced by the one after the expansion;
    // when the expansion cannot change a token, it is made only if the run
    // stops before that second dump.
    const bool dumpDue = defineTokens(c.tokens, c.report);
    const bool deferred = dumpDue && expansionKeepsTokens(c);
    if (dumpDue && !deferred) dumpTokens(c.tokens, host.monitorTokens());
    resetSymbols(c.symbols);
    if (c.errors.count() > 0) {
        if (deferred) dumpTokens(c.tokens, host.monitorTokens());
        showErrorLocations(s);
        return ExecOutcome::FrontEndError;
    }

    const int count = expandUserFunctions(c.tokens, c.report, c.names, c.tokens.count());
    if (count < 0 || c.errors.count() > 0) {
        if (deferred) dumpTokens(c.tokens, host.monitorTokens());
        // The stage's own error lines stay above the summary: they say which
        // function failed and why.
        c.report.userFunctionSummary();
        return ExecOutcome::FrontEndError;
    }
    c.tokens.setCount(count);
    c.tokens.markEnd();

    prefixParameterNames(c.tokens, c.names);
    dumpTokens(c.tokens, host.monitorTokens());
    if (host.stopPoint() == StopPoint::AfterTokenDump) return ExecOutcome::Nothing;

    if (compileProgram(c, *s.code)) {
        appendCodeTextLater(c.emitter, host.monitorMessages());
    } else {
        c.trace("");
    }
    if (showErrorLocations(s) || c.errors.count() > 0) return ExecOutcome::FrontEndError;
    return ExecOutcome::Completed;
}

}  // namespace

double namedSetting(const Session& s, const std::string& name, double fallback) {
    const Compiler& c = s.compiler;
    const std::string prefixed = "_" + name;
    for (int i = kFirstUserSymbol; i < c.symbols.count(); ++i) {
        const Symbol& sym = c.symbols[i];
        if (sym.kind != Kind::DIGIT || sym.name != prefixed) continue;
        const int slot = sym.code.slot();
        return slot < 0 ? fallback : s.stores->constants[static_cast<std::size_t>(slot)];
    }
    return fallback;
}

ExecOutcome exec(Session& s) {
    Host& host = s.host;
    const std::vector<std::string> program = host.programArea().lines();
    if (isEmptyProgram(program)) return ExecOutcome::Nothing;

    host.writeSetting("src", joinLines(program));
    host.writeSetting("con", joinLines(host.parameterArea().lines()));
    resetRunState(s);

    TextArea& out = host.outputArea();
    if (anyLineContains(out, "error")) out.clear();
    const bool wasHex = hexDisplayOn(s);
    if (wasHex) toggleHexDisplay(s);
    s.stores->constants.fill(0.0);

    const ExecOutcome compiled = compileInputs(s, program);
    if (compiled != ExecOutcome::Completed) return compiled;

    if (!s.compiler.emitter.fits()) {
        s.compiler.error(kErrProgramTooLong, "プログラムのコード語数が上限を超えました。");
        return ExecOutcome::FrontEndError;
    }
    renderListing(*s.code, s.compiler.symbols, host.monitorMessages());

    const ExecOutcome loaded = loadLiterals(s);
    if (loaded != ExecOutcome::Completed) return loaded;
    applyDerivedSettings(s);

    const bool completed = runSweep(s);
    if (completed) {
        if (wasHex) toggleHexDisplay(s);
        if (!s.compiler.plan.graphList.empty()) host.showGraph();
        addToHistory(s.programHistory, program);
        addToHistory(s.parameterHistory, host.parameterArea().lines());
    }
    host.hideHistoryWindow();
    return completed ? ExecOutcome::Completed : ExecOutcome::RuntimeError;
}

}  // namespace zentra
