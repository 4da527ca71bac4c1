// The graph window's speed through its real painting code (offscreen): a
// repaint of a 700-column plot that samples again (as after a run), the
// drawing alone, and a cursor move with its read-out pass. Runs inside
// zentra_window_bench, whose main() sets up the application.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/code_edit_widget.h"
#include "app/graph_painter_qt.h"
#include "app/graph_window.h"
#include "app/main_window.h"
#include "graph/graph_axes.h"
#include "graph/plot_sampler.h"
#include "graph_program.h"
#include "session/session.h"
#include "quiet_dialogs.h"

namespace {

constexpr int kColumns = 700;
// The window as large as it may be, but for the columns: the plot is 700 × 720.
const QSize kWindowSize(kColumns + zentra::kPlotExtraWidth, zentra::kGraphWindowLargest);

QString linesOf(const zentra::TextArea& area) {
    QStringList lines;
    for (int i = 0; i < area.lineCount(); ++i) lines << QString::fromStdString(area.line(i));
    return lines.join(u'\n');
}

// A main window that ran the benchmark's program, and its graph window at
// the benchmark's size, painted once.
struct GraphWindowSetUp {
    QTemporaryDir folder;
    std::unique_ptr<TFormMain> main;
    TFormGraph* graph = nullptr;

    GraphWindowSetUp() {
        main = std::make_unique<TFormMain>(std::make_unique<QuietDialogs>(),
                                           folder.filePath(QStringLiteral("graph.ini")));
        main->show();
        zentra::MemoryHost host;
        zentra::fillGraphProgram(host);
        main->parameterEditor()->setPlainText(linesOf(host.parameters));
        main->programEditor()->setPlainText(linesOf(host.program));
        main->execute();
        graph = main->graphWindow();
        if (!graph || !graph->isVisible()) return;
        graph->resize(kWindowSize);
        if (!QTest::qWaitForWindowExposed(graph)) return;
        QCoreApplication::processEvents();
        graph->repaint();
    }
    ~GraphWindowSetUp() {
        if (main) main->close();
    }
    bool ready() const { return graph && graph->isVisible() && graph->surface()->width() == kWindowSize.width(); }
};

// As after a run: the window samples 700 columns and draws the plot.
void BM_GraphWindowRepaint700Columns(benchmark::State& state) {
    GraphWindowSetUp setUp;
    if (!setUp.ready()) {
        state.SkipWithError("graph window not shown at its size");
        return;
    }
    TFormGraph& g = *setUp.graph;
    const int before = g.samplingCount();
    for (auto _ : state) {
        g.showForRun();
        g.repaint();
    }
    if (g.samplingCount() - before != static_cast<int>(state.iterations())) state.SkipWithError("not sampled");
    state.counters["columns"] = zentra::plotArea(g.surface()->width(), g.surface()->height()).width;
}

// The drawing alone: the same samples into a picture of the surface's size.
void BM_GraphPainterDraw700Columns(benchmark::State& state) {
    GraphWindowSetUp setUp;
    if (!setUp.ready()) {
        state.SkipWithError("graph window not shown at its size");
        return;
    }
    auto variables = zentra::findGraphedVariables(setUp.main->session().compiler);
    zentra::PlotSampler sampler(setUp.main->session(), *variables);
    const QSize size = setUp.graph->surface()->size();
    const zentra::PlotSamples samples = sampler.sample(zentra::plotArea(size.width(), size.height()).width);
    const GraphPainter painter(setUp.graph->surface()->font(), QColor(240, 240, 240));
    for (auto _ : state) benchmark::DoNotOptimize(painter.image(size, &sampler, &samples));
}

// The cursor following the mouse: the read-out pass, the status text and
// the window repainted (the plot from its kept picture, the line over it).
void BM_GraphWindowCursorMove(benchmark::State& state) {
    GraphWindowSetUp setUp;
    if (!setUp.ready()) {
        state.SkipWithError("graph window not shown at its size");
        return;
    }
    TFormGraph& g = *setUp.graph;
    const int samplings = g.samplingCount();
    const QPoint start(zentra::kPlotLeft + 10, zentra::kPlotTop + 10);
    g.pressAt(Qt::LeftButton, start);
    int column = 10;
    for (auto _ : state) {
        column = column >= kColumns - 10 ? 10 : column + 7;
        g.moveTo(QPoint(zentra::kPlotLeft + column, zentra::kPlotTop + 10));
        g.repaint();
    }
    if (g.samplingCount() != samplings || g.cursorColumn() != column || g.statusText().isEmpty())
        state.SkipWithError("the cursor did not follow");
}

BENCHMARK(BM_GraphWindowRepaint700Columns)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GraphPainterDraw700Columns)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GraphWindowCursorMove)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
