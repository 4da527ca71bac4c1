#include "cli/cli_run.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/document_format.h"
#include "shell/text_file.h"
#include "cli/exit_codes.h"
#include "cli/graph_output.h"
#include "cli/library_loading.h"
#include "cli/options.h"
#include "results/csv_table.h"
#include "results/result_output.h"
#include "host/memory_host.h"
#include "run/run_driver.h"
#include "session/session.h"

namespace zentra::cli {

namespace {

int exitCodeOf(ExecOutcome outcome) {
    switch (outcome) {
        case ExecOutcome::FrontEndError: return kExitFrontEnd;
        case ExecOutcome::RuntimeError: return kExitRuntime;
        case ExecOutcome::UndefinedParameter: return kExitUndefined;
        case ExecOutcome::UnregisteredFunctions: return kExitUnregistered;
        default: return kExitOk;
    }
}

// The bytes of an input file, or of standard input for "-".
std::optional<std::string> readBytes(const std::string& path) {
    if (path == "-") {
        std::string bytes{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
        return bytes;
    }
    std::string bytes;
    std::string error;
    if (readFileBytes(path, bytes, error)) return bytes;
    std::cerr << error << '\n';
    return std::nullopt;
}

// The lines of a program or parameter file, or of standard input for "-".
std::optional<std::vector<std::string>> readInput(const std::string& path) {
    const auto bytes = readBytes(path);
    if (!bytes) return std::nullopt;
    TextFileContent content = decodeTextFile(*bytes);
    if (content.ok()) return std::move(content.lines);
    if (path == "-") std::cerr << "標準入力の文字コードを読み取れません\n" << content.error << '\n';
    else std::cerr << undecodableFileMessage(path, content.error) << '\n';
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
        const auto bytes = readBytes(o.document);
        if (!bytes) return false;
        const DocumentReading reading = decodeDocument(*bytes);
        if (!reading.document) {
            std::cerr << o.document << ": " << documentRefusal(reading.problem) << '\n';
            return false;
        }
        const Document* doc = &*reading.document;
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
        if (!addLibrary(library, session.functionStore, error)) {
            std::cerr << error << '\n';
            return false;
        }
    }
    if (o.precision) session.precision = *o.precision;
    if (o.radian) session.radian = *o.radian;
    if (o.loops) session.loopLimit = *o.loops;
    return true;
}

// The monitor's panes, UTF-8 with LF; false with a message when the file
// cannot be written.
bool writeMonitor(const std::string& path, MemoryHost& host) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    auto pane = [&](const char* title, const TextArea& area) {
        file << "==== " << title << " ====\n";
        for (int i = 0; i < area.lineCount(); ++i) file << area.line(i) << '\n';
    };
    pane("token", host.tokens);
    pane("symbol", host.symbols);
    pane("message", host.messages);
    file.close();
    if (file) return true;
    std::cerr << "ファイル \"" << path << "\" を保存できません\n";
    return false;
}

// The CSV file; false with a message when it cannot be written.
bool writeCsvFile(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (file) return true;
    std::cerr << "ファイル \"" << path << "\" を保存できません\n";
    return false;
}

// The --csv table of the run: the empty text for an empty program, nothing
// (with a message) when the run did not complete or its rows cannot be read.
std::optional<std::string> csvOfRun(ExecOutcome outcome, const Session& session) {
    if (outcome == ExecOutcome::Nothing) return std::string();
    if (outcome != ExecOutcome::Completed) return std::nullopt;
    if (const auto table = sweepTable(session)) return csvText(*table);
    std::cerr << "実行結果の表を作成できません\n";
    return std::nullopt;
}

// Writes to standard output and flushes it; false with a message when the
// text did not all arrive (a full disk, a closed pipe).
bool writeStandardOutput(std::string_view text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) == 0 && written) return true;
    const int error = errno;
    std::clearerr(stdout);
    std::cerr << "標準出力に書き込めません";
    if (error != 0) std::cerr << ": " << std::strerror(error);
    std::cerr << '\n';
    return false;
}

}  // namespace

int run(const std::vector<std::string>& args, GraphWriter graphWriter) {
    std::string error;
    std::optional<Options> options = parseOptions(args, error);
    if (!options) {
        std::cerr << "zentra-cli: " << error << '\n' << kTryHelp << '\n';
        return kExitUsage;
    }
    if (options->help) return writeStandardOutput(usageText()) ? kExitOk : kExitOutputError;
    if (options->version) {
        return writeStandardOutput(std::string("zentra-cli ") + ZENTRA_VERSION + "\n") ? kExitOk : kExitOutputError;
    }
    if (options->graphFile && !graphWriter) {
        std::cerr << "zentra-cli: option --graph is not available: this zentra-cli was built without the desktop "
                     "application\n";
        return kExitUsage;
    }
    switch (programSource(*options, ::isatty(STDIN_FILENO) == 1)) {
        case ProgramSource::Given: break;
        case ProgramSource::StandardInput: options->programFile.assign(1, '-'); break;  // as -p - does
        case ProgramSource::Usage: std::cerr << usageText(); return kExitUsage;
    }

    MemoryHost host;
    Session session(host);
    if (!loadInputs(*options, session, host)) return kExitNoInput;

    const ExecOutcome outcome = exec(session);
    if (options->hex && outcome == ExecOutcome::Completed && !hexDisplayOn(session)) {
        toggleHexDisplay(session);
    }

    std::optional<std::string> csv;
    if (options->csvFile) csv = csvOfRun(outcome, session);
    const bool csvToStandardOutput = csv && *options->csvFile == "-";

    std::string output;
    if (csvToStandardOutput) {
        output = std::move(*csv);
    } else {
        for (int i = 0; i < host.output.lineCount(); ++i) {
            output += host.output.line(i);
            output += '\n';
        }
    }
    const bool outputWritten = writeStandardOutput(output);
    for (const auto& text : host.messageBoxes) std::cerr << text << '\n';
    if (!host.statusTexts[0].empty()) std::cerr << host.statusTexts[0] << '\n';
    const bool monitorWritten = options->monitorFile.empty() || writeMonitor(options->monitorFile, host);
    // After a run that did not complete there is no table, and the file stays as it was.
    const bool csvWritten = !csv || csvToStandardOutput || writeCsvFile(*options->csvFile, *csv);
    // Like the window, only after a run that completed; otherwise the file
    // stays as it was. An empty program graphs nothing.
    int graphExit = kExitOk;
    if (options->graphFile && (outcome == ExecOutcome::Completed || outcome == ExecOutcome::Nothing)) {
        const GraphRequest request{*options->graphFile, *graphFormatOf(*options->graphFile),
                                   options->graphSize.value_or(kDefaultGraphSize)};
        std::string messages;
        graphExit = writeGraphOfRun(session, request, graphWriter, messages);
        std::cerr << messages;
    }
    if (!outputWritten) return kExitOutputError;
    if (!monitorWritten || !csvWritten || graphExit == kExitCannotCreate) return kExitCannotCreate;
    if (options->csvFile && !csv && outcome == ExecOutcome::Completed) return kExitCannotCreate;
    if (graphExit != kExitOk) return graphExit;
    return exitCodeOf(outcome);
}

}  // namespace zentra::cli
