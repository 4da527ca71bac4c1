// The engine against Lua 5.4 on the same four workloads, in one process with
// one timer. Each Zentra run is a whole Exec through MemoryHost and Session;
// each Lua run calls a function of an embedded interpreter (W4: loads source).
// After the runs a table gives each workload's ratio of CPU times.
#include <benchmark/benchmark.h>
#include <lua.hpp>

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "host/memory_host.h"
#include "run/run_driver.h"
#include "session/session.h"
#include "workloads.h"

namespace zentra::bench {
namespace {

struct LuaCloser {
    void operator()(lua_State* L) const { lua_close(L); }
};
using LuaState = std::unique_ptr<lua_State, LuaCloser>;

LuaState newLua() {
    LuaState L(luaL_newstate());
    luaL_openlibs(L.get());
    return L;
}

void runZentra(benchmark::State& state, const Workload& w, int radian) {
    MemoryHost host;
    Session session(host);
    session.radian = radian;
    enterWorkload(host, w);
    for (auto _ : state) {
        host.output.clear();
        if (exec(session) != ExecOutcome::Completed) state.SkipWithError("run failed");
    }
    state.counters["lines"] = host.output.lineCount();
}

// Calls the function the chunk returns once per iteration.
void runLua(benchmark::State& state, const Workload& w) {
    LuaState L = newLua();
    if (luaL_dostring(L.get(), w.lua.c_str()) != LUA_OK) {
        state.SkipWithError(lua_tostring(L.get(), -1));
        return;
    }
    const int function = luaL_ref(L.get(), LUA_REGISTRYINDEX);
    for (auto _ : state) {
        lua_rawgeti(L.get(), LUA_REGISTRYINDEX, function);
        if (lua_pcall(L.get(), 0, 1, 0) != LUA_OK) state.SkipWithError(lua_tostring(L.get(), -1));
        lua_pop(L.get(), 1);
    }
}

void runLuaLoad(benchmark::State& state, const Workload& w) {
    LuaState L = newLua();
    for (auto _ : state) {
        if (luaL_loadbuffer(L.get(), w.lua.data(), w.lua.size(), "w4") != LUA_OK) {
            state.SkipWithError(lua_tostring(L.get(), -1));
        }
        lua_pop(L.get(), 1);
    }
}

void W1_Zentra(benchmark::State& s) { runZentra(s, arithmeticLoop(), 1); }
void W1_Lua(benchmark::State& s) { runLua(s, arithmeticLoop()); }
void W2_Zentra(benchmark::State& s) { runZentra(s, transcendentalLoop(), 1); }
void W2_Lua(benchmark::State& s) { runLua(s, transcendentalLoop()); }
void W3_Zentra(benchmark::State& s) { runZentra(s, straightLineSweep(), 1); }
void W3_Lua(benchmark::State& s) { runLua(s, straightLineSweep()); }
void W4_Zentra(benchmark::State& s) { runZentra(s, largeProgram(), 1); }
void W4_Lua(benchmark::State& s) { runLuaLoad(s, largeProgram()); }

BENCHMARK(W1_Zentra)->Unit(benchmark::kMillisecond);
BENCHMARK(W1_Lua)->Unit(benchmark::kMillisecond);
BENCHMARK(W2_Zentra)->Unit(benchmark::kMillisecond);
BENCHMARK(W2_Lua)->Unit(benchmark::kMillisecond);
BENCHMARK(W3_Zentra)->Unit(benchmark::kMicrosecond);
BENCHMARK(W3_Lua)->Unit(benchmark::kMicrosecond);
BENCHMARK(W4_Zentra)->Unit(benchmark::kMicrosecond);
BENCHMARK(W4_Lua)->Unit(benchmark::kMicrosecond);

// Prints as usual and remembers each run's CPU time per iteration in
// nanoseconds (the median when repetitions are asked for).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            if (!median && medianSeen_.count(name) > 0) continue;
            if (median) medianSeen_.insert(name);
            cpuNs_[name] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
        }
    }

    void printRatios() const {
        std::printf("\n%-4s %16s %16s %8s\n", "", "Zentra CPU", "Lua CPU", "ratio");
        for (const char* w : {"W1", "W2", "W3", "W4"}) {
            const auto z = cpuNs_.find(std::string(w) + "_Zentra");
            const auto l = cpuNs_.find(std::string(w) + "_Lua");
            if (z == cpuNs_.end() || l == cpuNs_.end()) continue;
            std::printf("%-4s %13.1f us %13.1f us %8.2f\n", w, z->second / 1e3, l->second / 1e3,
                        z->second / l->second);
        }
    }

private:
    std::map<std::string, double> cpuNs_;
    std::set<std::string> medianSeen_;
};

}  // namespace
}  // namespace zentra::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    zentra::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
