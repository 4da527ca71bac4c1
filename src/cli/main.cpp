// zentra-cli: one Exec without any window; prints the output area.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "shell/document_format.h"
#include "shell/text_encoding.h"
#include "shell/text_file.h"
#include "cli/library_loading.h"
#include "cli/options.h"
#include "results/result_output.h"
#include "run/memory_host.h"
#include "run/run_driver.h"
#include "run/session.h"

namespace zentra::cli {

namespace {

enum ExitCode : int {
    kExitOk = 0,
    kExitFrontEnd = 1,
    kExitRuntime = 2,
    kExitUndefined = 3,
    kExitUnregistered = 4,
    kExitUsage = 64,
    kExitNoInput = 66,
};

int exitCodeOf(ExecOutcome outcome) {
    switch (outcome) {
        case ExecOutcome::FrontEndError: return kExitFrontEnd;
        case ExecOutcome::RuntimeError: return kExitRuntime;
        case ExecOutcome::UndefinedParameter: return kExitUndefined;
        case ExecOutcome::UnregisteredFunctions: return kExitUnregistered;
        default: return kExitOk;
    }
}

// The lines of an input file, or of standard input for "-".
std::optional<std::vector<std::string>> readInput(const std::string& path) {
    if (path != "-") {
        TextFileContent content = readTextFile(path);
        if (!content.ok()) {
            std::cerr << content.error << '\n';
            return std::nullopt;
        }
        return std::move(content.lines);
    }
    const std::string bytes{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    if (isValidUtf8(bytes)) return splitTextLines(bytes);
    if (auto text = cp932ToUtf8(bytes)) return splitTextLines(*text);
    std::cerr << "標準入力の文字コードを読み取れません\n";
    return std::nullopt;
}

void setLines(TextArea& area, const std::vector<std::string>& lines) {
    area.clear();
    for (const auto& line : lines) area.appendLine(line);
}

// Fills the session from the document, the files and the options; false
// when an input cannot be read.
bool loadInputs(const Options& o, Session& session, MemoryHost& host) {
    if (!o.document.empty()) {
        const auto lines = readInput(o.document);
        if (!lines) return false;
        const std::optional<Document> doc = parseDocument(*lines);
        if (!doc) {
            std::cerr << o.document << ": " << kDocumentDataError << '\n';
            return false;
        }
        setLines(host.parameters, doc->parameterLines);
        setLines(host.program, doc->programLines);
        session.radian = doc->radian != 0;
        session.precision = doc->precision;
        session.loopLimit = doc->loops;
    }
    if (!o.parameterFile.empty()) {
        const auto lines = readInput(o.parameterFile);
        if (!lines) return false;
        setLines(host.parameters, *lines);
    }
    if (!o.programFile.empty()) {
        const auto lines = readInput(o.programFile);
        if (!lines) return false;
        setLines(host.program, *lines);
    }
    for (const auto& line : o.programLines) host.program.appendLine(line);
    for (const auto& line : o.parameterLines) host.parameters.appendLine(line);
    for (const auto& library : o.libraries) {
        std::string error;
        if (!addLibrary(library, session.userFunctionStore, error)) {
            std::cerr << error << '\n';
            return false;
        }
    }
    if (o.precision) session.precision = *o.precision;
    if (o.radian) session.radian = *o.radian;
    if (o.loops) session.loopLimit = *o.loops;
    return true;
}

void writeMonitor(const std::string& path, MemoryHost& host) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    auto pane = [&](const char* title, const TextArea& area) {
        file << "==== " << title << " ====\n";
        for (int i = 0; i < area.lineCount(); ++i) file << area.line(i) << '\n';
    };
    pane("token", host.tokens);
    pane("symbol", host.symbols);
    pane("message", host.messages);
    file.flush();
    if (!file) std::cerr << "ファイル \"" << path << "\" を保存できません\n";
}

int run(const std::vector<std::string>& args) {
    std::string error;
    const std::optional<Options> options = parseOptions(args, error);
    if (!options) {
        std::cerr << "zentra-cli: " << error << "\n\n" << usageText();
        return kExitUsage;
    }
    if (options->help) {
        std::cout << usageText();
        return kExitOk;
    }
    if (options->version) {
        std::cout << "zentra-cli " << ZENTRA_VERSION << '\n';
        return kExitOk;
    }

    MemoryHost host;
    Session session(host);
    if (!loadInputs(*options, session, host)) return kExitNoInput;

    const ExecOutcome outcome = exec(session);
    if (options->hex && outcome == ExecOutcome::Completed && !hexDisplayOn(session)) {
        toggleHexDisplay(session);
    }

    for (int i = 0; i < host.output.lineCount(); ++i) std::cout << host.output.line(i) << '\n';
    std::cout.flush();
    for (const auto& text : host.messageBoxes) std::cerr << text << '\n';
    if (!host.statusTexts[0].empty()) std::cerr << host.statusTexts[0] << '\n';
    if (!options->monitorFile.empty()) writeMonitor(options->monitorFile, host);
    return exitCodeOf(outcome);
}

}  // namespace

}  // namespace zentra::cli

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return zentra::cli::run(args);
}
