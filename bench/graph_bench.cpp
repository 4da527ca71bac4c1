// The graph window's paint: one pass per pixel column of a 700-column plot,
// over a program of about 300 code words with two graphed variables.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "graph_program.h"
#include "graph/plot_sampler.h"
#include "host/memory_host.h"
#include "run/run_driver.h"
#include "session/session.h"

namespace zentra {
namespace {

constexpr int kColumns = 700;

int codeWords(const Session& session) {
    const auto& code = *session.code;
    return static_cast<int>(std::find(code.begin(), code.end(), kEndWord) - code.begin());
}

void BM_SamplePlot700Columns(benchmark::State& state) {
    MemoryHost host;
    Session session(host);
    session.radian = 1;
    fillGraphProgram(host);
    if (exec(session) != ExecOutcome::Completed) {
        state.SkipWithError("run failed");
        return;
    }
    const auto variables = findGraphedVariables(session.compiler);
    if (!variables || variables->size() != 2) {
        state.SkipWithError("graph list not found");
        return;
    }
    PlotSampler sampler(session, *variables);
    for (auto _ : state) {
        PlotSamples samples = sampler.sample(kColumns);
        if (samples.failedColumns != 0 || !samples.hasFiniteValues()) state.SkipWithError("sampling failed");
        benchmark::DoNotOptimize(samples);
    }
    state.counters["words"] = codeWords(session);
    state.counters["threaded"] = session.passMachine.threaded() ? 1 : 0;
    state.counters["per_column"] = benchmark::Counter(
        kColumns, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_SamplePlot700Columns)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zentra
