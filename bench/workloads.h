// The four workloads measured against Lua 5.4, each as a Zentra program (its
// two areas) and the equivalent Lua source.
#pragma once

#include <string>
#include <vector>

#include "host/memory_host.h"

namespace zentra::bench {

struct Workload {
    std::vector<std::string> program;
    std::vector<std::string> parameters;
    std::string lua;  // a chunk that returns the function to time (W1-W3) or the source to load (W4)
};

inline constexpr int kLoopIterations = 10000000;
inline constexpr int kSweepValues = 1000;

// W1: an interpretive loop of arithmetic.
Workload arithmeticLoop();
// W2: the same loop with sin, sqrt and exp in every iteration.
Workload transcendentalLoop();
// W3: 1000 values swept over forty straight-line statements, one printed line per pass.
Workload straightLineSweep();
// W4: a program of about 3000 tokens, compiled by a whole Exec with a trivial pass.
Workload largeProgram();

// Puts the workload's two areas into the host's editors.
void enterWorkload(MemoryHost& host, const Workload& w);

}  // namespace zentra::bench
