// The graph window's paint: one pass per pixel column of a 700-column plot,
// over a program of about 300 code words with two graphed variables.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "graph/plot_sampler.h"
#include "run/memory_host.h"
#include "run/run_driver.h"
#include "run/session.h"

namespace zentra {
namespace {

constexpr int kColumns = 700;

// Straight-line statements with a few transcendental functions, as a
// typical engineering formula chain is.
void fillGraphProgram(MemoryHost& host) {
    host.parameters.setLines({"x = 0, 0.5, ..., 10;"});
    host.program.clear();
    host.program.appendLine("a0 = x / 10;");
    for (int k = 1; k < 39; ++k) {
        const std::string prev = "a" + std::to_string(k - 1);
        std::string rhs;
        switch (k % 6) {
            case 0: rhs = "sin(" + prev + ") + x * 0.01"; break;
            case 3: rhs = "sqrt(" + prev + " * " + prev + " + 1)"; break;
            case 5: rhs = "exp(-" + prev + ") * 0.5"; break;
            default: rhs = prev + " * 0.75 + x * 0.001"; break;
        }
        host.program.appendLine("a" + std::to_string(k) + " = " + rhs + ";");
    }
    host.program.appendLine("y = a38 + a0;");
    host.program.appendLine("z = a20 - a10;");
    host.program.appendLine("graph(y, z)");
}

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
