#include "workloads.h"

namespace zentra::bench {

namespace {

std::string loopLua(const std::string& locals, const std::string& body) {
    return locals + "return function()\n  local n = " + std::to_string(kLoopIterations) +
           "\n  local i, x = 0, 1\n  while i < n do " + body + "; i = i + 1 end\n  return x\nend\n";
}

Workload loop(const std::string& body, const std::string& luaLocals) {
    Workload w;
    w.parameters = {"loops = " + std::to_string(2 * kLoopIterations) + ";",
                    "n = " + std::to_string(kLoopIterations) + ";"};
    w.program = {"i = 0;", "x = 1;", "while i < n { " + body + "; i = i + 1; }"};
    w.lua = loopLua(luaLocals, body);
    return w;
}

// The right-hand side of statement k of the sweep program; the same text is
// valid in both languages.
std::string sweepExpression(int k) {
    const std::string prev = "a" + std::to_string(k - 1);
    switch (k % 8) {
        case 0: return "sin(" + prev + ")";
        case 3: return "sqrt(" + prev + " * " + prev + " + 1)";
        case 5: return "exp(-" + prev + ")";
        case 6: return "cos(" + prev + ") * 0.5";
        default: return prev + " * 0.75 + x * 0.001";
    }
}

}  // namespace

Workload arithmeticLoop() { return loop("x = x * 0.999999 + i / 1000", ""); }

Workload transcendentalLoop() {
    return loop("x = sin(x) + sqrt(i) + exp(-x)", "local sin, sqrt, exp = math.sin, math.sqrt, math.exp\n");
}

Workload straightLineSweep() {
    Workload w;
    w.parameters = {"x = 1, 2, ..., " + std::to_string(kSweepValues) + ";"};
    w.program = {"a0 = x / 1000;"};
    std::string pass = "local function pass(x)\n  local a0 = x / 1000\n";
    for (int k = 1; k < 39; ++k) {
        const std::string statement = "a" + std::to_string(k) + " = " + sweepExpression(k);
        w.program.push_back(statement + ";");
        pass += "  local " + statement + "\n";
    }
    w.program.push_back("y = a38 + a0;");
    w.program.push_back("out(y)");
    pass += "  return a38 + a0\nend\n";
    // The same two lines per pass as the engine's output: the sweep header and y.
    w.lua = "local sin, cos, sqrt, exp, format = math.sin, math.cos, math.sqrt, math.exp, string.format\n" +
            pass +
            "return function()\n"
            "  local lines = {}\n"
            "  for x = 1, " + std::to_string(kSweepValues) + " do\n"
            "    local y = pass(x)\n"
            "    lines[#lines + 1] = \"【 x=\" .. format(\"%.15g\", x) .. \" 】\"\n"
            "    lines[#lines + 1] = \"y = \" .. format(\"%.15g\", y)\n"
            "  end\n"
            "  return lines\n"
            "end\n";
    return w;
}

Workload largeProgram() {
    constexpr int kStatements = 230;  // 13 tokens each
    Workload w;
    w.program = {"v0 = 1;"};
    w.lua = "local sin = math.sin\nv0 = 1\n";
    for (int k = 1; k <= kStatements; ++k) {
        const std::string prev = "v" + std::to_string(k - 1);
        const std::string statement =
            "v" + std::to_string(k) + " = " + prev + " * 1.5 + sin(" + prev + ") - " + std::to_string(k);
        w.program.push_back(statement + ";");
        w.lua += statement + "\n";
    }
    w.program.push_back("out(v" + std::to_string(kStatements) + ")");
    return w;
}

void enterWorkload(MemoryHost& host, const Workload& w) {
    host.program.clear();
    host.parameters.clear();
    for (const auto& line : w.program) host.program.appendLine(line);
    for (const auto& line : w.parameters) host.parameters.appendLine(line);
}

}  // namespace zentra::bench
