// Counts the instructions of one steady-state run of a workload under
// callgrind, where wall-clock figures drift on a shared machine:
//
//   valgrind --tool=callgrind --instr-atstart=no build/bench/zentra_instruction_count W4 [lua]
//
// The workload runs a few times first, so that the counted run finds the
// session's and the areas' storage as a user's repeated Exec does. With
// "lua" the counted run is Lua's load of the same source instead.
#include <valgrind/callgrind.h>

#include <lua.hpp>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "host/memory_host.h"
#include "run/run_driver.h"
#include "session/session.h"
#include "workloads.h"

namespace {

using namespace zentra;
using namespace zentra::bench;

constexpr int kWarmRuns = 3;

int countZentra(const Workload& w) {
    MemoryHost host;
    Session session(host);
    session.radian = 1;
    enterWorkload(host, w);
    for (int k = 0; k <= kWarmRuns; ++k) {
        host.output.clear();
        if (k == kWarmRuns) CALLGRIND_START_INSTRUMENTATION;
        const ExecOutcome outcome = exec(session);
        if (k == kWarmRuns) CALLGRIND_STOP_INSTRUMENTATION;
        if (outcome != ExecOutcome::Completed) {
            std::fprintf(stderr, "the run failed\n");
            return 1;
        }
    }
    return 0;
}

int countLuaLoad(const Workload& w) {
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    int status = LUA_OK;
    for (int k = 0; k <= kWarmRuns && status == LUA_OK; ++k) {
        if (k == kWarmRuns) CALLGRIND_START_INSTRUMENTATION;
        status = luaL_loadbuffer(L, w.lua.data(), w.lua.size(), "workload");
        if (k == kWarmRuns) CALLGRIND_STOP_INSTRUMENTATION;
        lua_pop(L, 1);
    }
    lua_close(L);
    return status == LUA_OK ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::map<std::string, Workload (*)()> workloads = {
        {"W1", arithmeticLoop}, {"W2", transcendentalLoop}, {"W3", straightLineSweep}, {"W4", largeProgram}};
    const auto found = argc > 1 ? workloads.find(argv[1]) : workloads.end();
    if (found == workloads.end()) {
        std::fprintf(stderr, "usage: zentra_instruction_count W1|W2|W3|W4 [lua]\n");
        return 64;
    }
    const Workload w = found->second();
    const bool lua = argc > 2 && std::strcmp(argv[2], "lua") == 0;
    return lua ? countLuaLoad(w) : countZentra(w);
}
