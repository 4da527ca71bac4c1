// The program of the graph benchmarks: about 300 code words of
// straight-line statements with a few transcendental functions, as a
// typical engineering formula chain is, and two graphed variables.
#pragma once

#include <string>

#include "host/memory_host.h"

namespace zentra {

inline void fillGraphProgram(MemoryHost& host) {
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

}  // namespace zentra
