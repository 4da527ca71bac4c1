// Whole Exec runs through the engine: compiling a large program, and a sweep
// of many passes over a medium one.
#include <benchmark/benchmark.h>

#include <string>

#include "host/memory_host.h"
#include "run/run_driver.h"
#include "session/session.h"

namespace zentra {
namespace {

// About 3900 tokens of straight-line statements (13 tokens each).
void fillLargeProgram(MemoryHost& host) {
    host.program.clear();
    host.program.appendLine("v0 = 1;");
    for (int k = 1; k <= 300; ++k) {
        const std::string prev = "v" + std::to_string(k - 1);
        host.program.appendLine("v" + std::to_string(k) + " = " + prev + " * 1.5 + sin(" + prev +
                                ") - " + std::to_string(k) + ";");
    }
}

// Forty statements with a few transcendental functions, printing one variable.
void fillSweepProgram(MemoryHost& host) {
    host.parameters.clear();
    host.parameters.appendLine("x = 1, 2, ..., 1000;");
    host.program.clear();
    host.program.appendLine("a0 = x / 1000;");
    for (int k = 1; k < 39; ++k) {
        const std::string prev = "a" + std::to_string(k - 1);
        std::string rhs;
        switch (k % 8) {
            case 0: rhs = "sin(" + prev + ")"; break;
            case 3: rhs = "sqrt(" + prev + " * " + prev + " + 1)"; break;
            case 5: rhs = "exp(-" + prev + ")"; break;
            case 6: rhs = "cos(" + prev + ") * 0.5"; break;
            default: rhs = prev + " * 0.75 + x * 0.001"; break;
        }
        host.program.appendLine("a" + std::to_string(k) + " = " + rhs + ";");
    }
    host.program.appendLine("y = a38 + a0;");
    host.program.appendLine("out(y)");
}

void BM_CompileLargeProgram(benchmark::State& state) {
    MemoryHost host;
    Session session(host);
    fillLargeProgram(host);
    for (auto _ : state) {
        host.output.clear();
        if (exec(session) != ExecOutcome::Completed) state.SkipWithError("run failed");
    }
    state.counters["tokens"] = session.compiler.tokens.count();
}

void BM_Sweep1000Passes(benchmark::State& state) {
    MemoryHost host;
    Session session(host);
    session.radian = 1;
    fillSweepProgram(host);
    for (auto _ : state) {
        host.output.clear();
        if (exec(session) != ExecOutcome::Completed) state.SkipWithError("run failed");
    }
    state.counters["passes"] = session.compiler.plan.passCount;
    state.counters["per_pass"] = benchmark::Counter(
        session.compiler.plan.passCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_CompileLargeProgram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sweep1000Passes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentra
