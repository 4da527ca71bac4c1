// The main window's speed: a run from F9 to its results painted, beside the
// engine's own Exec of the same program; a run of 100 000 output lines, a
// page of scrolling through them and the hexadecimal toggle over them.
// Runs on the offscreen platform with settings and runtime folder of its own.
#include <benchmark/benchmark.h>

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "app/application_qt.h"
#include "app/code_edit_widget.h"
#include "app/main_window.h"
#include "app/output_view_widget.h"
#include "app/text_appearance_qt.h"
#include "host/memory_host.h"
#include "run/run_driver.h"
#include "session/session.h"
#include "quiet_dialogs.h"

namespace {

// A message box would stop the run in a modal loop: count them instead.
QTemporaryDir* folder = nullptr;
// Kept between benchmarks; closed before the application goes.
std::unique_ptr<TFormMain> largeWindow;

// A shown main window on a fresh settings file, the size of a typical desktop window.
std::unique_ptr<TFormMain> openWindow(const char* settingsName) {
    auto window = std::make_unique<TFormMain>(std::make_unique<QuietDialogs>(),
                                              folder->filePath(QString::fromLatin1(settingsName)));
    window->show();
    window->resize(1000, 700);
    if (!QTest::qWaitForWindowExposed(window.get())) qWarning("main window not exposed");
    QCoreApplication::processEvents();
    return window;
}

// One hundred straight-line statements, each printing its result.
std::string hundredLineProgram() {
    std::string text = "v0 = 1.5\n";
    for (int k = 1; k < 100; ++k)
        text += "v" + std::to_string(k) + " = v" + std::to_string(k - 1) + " * 1.001 + sin(" + std::to_string(k) +
                ")\n";
    return text;
}

// Swept over 4000 values, 24 printed assignments: 100 000 output lines.
constexpr const char* kLargeParameters = "x = 1, 2, ..., 4000;";
std::string largeProgram() {
    std::string text;
    for (int k = 1; k <= 24; ++k) text += "v" + std::to_string(k) + " = x * 2 + 1\n";
    return text;
}

// What is waiting (the view's delayed row layout, update requests) is done,
// then the output view is painted at once.
void paintOutput(TFormMain& window) {
    QCoreApplication::processEvents();
    window.outputView()->viewport()->repaint();
}

void BM_EngineExec100Lines(benchmark::State& state) {
    zentra::MemoryHost host;
    zentra::Session session(host);
    for (const QString& line : QString::fromStdString(hundredLineProgram()).split(u'\n', Qt::SkipEmptyParts))
        host.program.appendLine(line.toStdString());
    for (auto _ : state) {
        host.output.clear();
        if (zentra::exec(session) != zentra::ExecOutcome::Completed) state.SkipWithError("run failed");
    }
    state.counters["lines"] = host.output.lineCount();
}

// Exec until its results are painted, from an empty output area each time.
void measureExecPainted(benchmark::State& state, TFormMain& window) {
    for (auto _ : state) {
        state.PauseTiming();
        window.clearOutput();
        paintOutput(window);
        state.ResumeTiming();
        window.execute();
        paintOutput(window);
    }
    state.counters["lines"] = window.outputView()->rowCount();
    window.close();
}

void BM_WindowF9To100LinesPainted(benchmark::State& state) {
    const std::unique_ptr<TFormMain> window = openWindow("f9.ini");
    window->programEditor()->setPlainText(QString::fromStdString(hundredLineProgram()));
    measureExecPainted(state, *window);
}

void BM_Window100000LinesPainted(benchmark::State& state) {
    const std::unique_ptr<TFormMain> window = openWindow("large.ini");
    window->parameterEditor()->setPlainText(QString::fromLatin1(kLargeParameters));
    window->programEditor()->setPlainText(QString::fromStdString(largeProgram()));
    measureExecPainted(state, *window);
}

// The fixture for scrolling and the toggle: one window holding the 100 000 lines.
TFormMain& largeOutputWindow() {
    if (!largeWindow) {
        largeWindow = openWindow("scroll.ini");
        largeWindow->parameterEditor()->setPlainText(QString::fromLatin1(kLargeParameters));
        largeWindow->programEditor()->setPlainText(QString::fromStdString(largeProgram()));
        largeWindow->execute();
        paintOutput(*largeWindow);
    }
    return *largeWindow;
}

void BM_WindowPageScroll100000Lines(benchmark::State& state) {
    TFormMain& window = largeOutputWindow();
    QScrollBar* bar = window.outputView()->verticalScrollBar();
    bar->setValue(bar->maximum());
    paintOutput(window);
    for (auto _ : state) {
        // Up a page; back to the end when the top is reached.
        const int next = bar->value() - bar->pageStep();
        bar->setValue(next < bar->minimum() ? bar->maximum() : next);
        paintOutput(window);
    }
    state.counters["lines"] = window.outputView()->rowCount();
}

void BM_WindowHexToggle100000Lines(benchmark::State& state) {
    TFormMain& window = largeOutputWindow();
    for (auto _ : state) {
        window.toggleHexDisplay();
        paintOutput(window);
    }
    state.counters["lines"] = window.outputView()->rowCount();
}

BENCHMARK(BM_EngineExec100Lines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WindowF9To100LinesPainted)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Window100000LinesPainted)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_WindowPageScroll100000Lines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WindowHexToggle100000Lines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    folder = &runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    // Never the user's settings.
    qputenv("ZENTRA_SETTINGS", (runtime.path() + QStringLiteral("/never-used.ini")).toLocal8Bit());
    ZentraApplication app(argc, argv);
    installFontStandIns();
    benchmark::RunSpecifiedBenchmarks();
    if (largeWindow) largeWindow->close();
    largeWindow.reset();
    benchmark::Shutdown();
    return 0;
}
