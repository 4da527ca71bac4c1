// The run driver makes the token dump of addDef only when the run stops
// before the dump after the expansion: the monitor's token pane must hold,
// on every path, what the two dumps made one after the other would leave.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front/parser_passes.h"
#include "front/source_prep.h"
#include "front/token_defs.h"
#include "host/memory_host.h"
#include "run/run_driver.h"
#include "session/session.h"
#include "userfunc/expansion.h"
#include "userfunc/function_check.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

struct DumpCase {
    const char* name;
    Lines program;
    Lines parameters;
    Lines functions;  // the user-function store
    ExecOutcome outcome;
    bool stopsBeforeExpansionDump;
};

void fill(MemoryHost& host, const DumpCase& c) {
    for (const auto& line : c.program) host.program.appendLine(line);
    for (const auto& line : c.parameters) host.parameters.appendLine(line);
}

// The token pane after the stages up to addDef with its own dump, and, when
// `further`, on through the expansion and the prefixing to the second dump.
Lines paneOfStages(const DumpCase& c, bool further) {
    MemoryHost host;
    Session session(host);
    fill(host, c);
    session.functionStore = FunctionStore(c.functions);
    Compiler& compiler = session.compiler;
    userFunctionCheck(host, host.program.lines(), session.functionStore.lines(),
                      compiler.plan.userFunctions);
    compiler.startFrontEnd();
    prepareSource(compiler.host, compiler.plan.userFunctions, session.functionStore.lines(),
                  compiler.tokens, compiler.report);
    addDef(compiler.tokens, compiler.report, compiler.host.monitorTokens());
    if (further) {
        resetSymbols(compiler.symbols);
        compiler.tokens.setCount(expandUserFunctions(compiler.tokens, compiler.report,
                                                     compiler.names, compiler.tokens.count()));
        compiler.tokens.markEnd();
        prefixParameterNames(compiler.tokens, compiler.names);
        dumpTokens(compiler.tokens, host.tokens);
    }
    return host.tokens.lines();
}

class TokenDumpOrder : public ::testing::TestWithParam<DumpCase> {};

TEST_P(TokenDumpOrder, PaneHoldsTheDumpOfWhereTheRunStopped) {
    const DumpCase& c = GetParam();
    MemoryHost host;
    Session session(host);
    fill(host, c);
    session.functionStore = FunctionStore(c.functions);
    ASSERT_EQ(exec(session), c.outcome);
    EXPECT_EQ(host.tokens.lines(), paneOfStages(c, !c.stopsBeforeExpansionDump));
    if (!c.stopsBeforeExpansionDump) {
        // The second dump differs from the first.
        EXPECT_NE(host.tokens.lines(), paneOfStages(c, false));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Exec, TokenDumpOrder,
    ::testing::Values(
        DumpCase{
            "completed", {"y = a * 2 + sin(1)"}, {"a = 3;"}, {}, ExecOutcome::Completed, false},
        DumpCase{
            "exponent error", {"y = a * 2E"}, {"a = 3;"}, {}, ExecOutcome::FrontEndError, true},
        DumpCase{"hexadecimal error",
                 {"y = 0x1FFFFFFFF"},
                 {"a = 3;"},
                 {},
                 ExecOutcome::FrontEndError,
                 true},
        DumpCase{"user function",
                 {"y = twice(a)"},
                 {"a = 3;"},
                 {"#twice", "twice(x)", "{", "  return 2 * x;", "}"},
                 ExecOutcome::Completed,
                 false},
        DumpCase{"definition in the parameter area",
                 {"y = 1"},
                 {"a = f(2);"},
                 {},
                 ExecOutcome::FrontEndError,
                 true}),
    [](const ::testing::TestParamInfo<DumpCase>& param) {
        std::string name;
        for (const char* p = param.param.name; *p != '\0'; ++p) name += *p == ' ' ? '_' : *p;
        return name;
    });

}  // namespace
}  // namespace zentra
