// Which source line a failed Exec selects: the place of the errors it
// reported, whatever else the output area holds.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

using Strings = std::vector<std::string>;

struct SelectionCase {
    const char* title;
    Strings store;  // "#name" lines, each followed by the function
    Strings program;
    Strings parameters;
    int programLine;  // selected line of each area, -1 for none
    int parameterLine;
    std::string function;  // the function shown in the function window, "" for none
    int functionLine;  // -1 for none
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.title; }

// `count` functions f0, f1, ... called one a line; `bad` has an unclosed
// string on its fourth line.
SelectionCase manyFunctions(const char* title, int count, int bad) {
    SelectionCase c{title, {}, {}, {}, -1, -1, "f" + std::to_string(bad), 3};
    for (int k = 0; k < count; ++k) {
        const std::string name = "f" + std::to_string(k);
        c.store.insert(c.store.end(), {"#" + name, name + "(x)", "{", "return x;"});
        if (k == bad) c.store.push_back("s = \"open");
        c.store.push_back("}");
        c.program.push_back("a" + std::to_string(k) + " = " + name + "(1)");
    }
    return c;
}

SelectionCase longProgram() {
    SelectionCase c{"LinePastNineHundredNinetyNine", {}, Strings(1200, ""), {}, 1099, -1, "", -1};
    c.program[1099] = "s = \"open";
    return c;
}

class ErrorSelectionTest : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ErrorSelectionTest, SelectsThePlaceOfTheLastError) {
    const SelectionCase& c = GetParam();
    MemoryHost host;
    Session session(host);
    session.functionStore = FunctionStore(c.store);
    host.program.setLines(c.program);
    host.parameters.setLines(c.parameters);
    host.functionEditor = Strings(8, "");  // room for the selected line
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    EXPECT_EQ(host.program.selectedLine(), c.programLine);
    EXPECT_EQ(host.parameters.selectedLine(), c.parameterLine);
    EXPECT_EQ(host.functionShown, c.function);
    EXPECT_EQ(host.selectedFunctionLine, c.functionLine);
}

INSTANTIATE_TEST_SUITE_P(
    Places, ErrorSelectionTest,
    ::testing::Values(
        SelectionCase{"ProgramArea", {}, {"y = 1", "z = = 2"}, {}, 1, -1, "", -1},
        SelectionCase{"ParameterArea", {}, {"y = a"}, {"a = 1;", "b = ;"}, -1, 1, "", -1},
        SelectionCase{
            "LastOfSeveralErrors", {}, {"s = \"open", "y = 1", "t = \"open"}, {}, 2, -1, "", -1},
        longProgram(), manyFunctions("FunctionInATwoDigitArea", 12, 8),
        // Entry 98 is area 100: its error line reads "error 104-100004", which
        // read back as text names area 10 (f8) and line 4.
        manyFunctions("FunctionInAThreeDigitArea", 100, 98)));

// Only a run writes error lines, but the host may hold any text: a line that
// looks like an error line and survives the clearing at the start (no
// "error" after its "=") neither stops the run nor moves the selection.
TEST(ErrorSelection, LinesThatOnlyLookLikeErrorsDoNotStopTheRun) {
    MemoryHost host;
    Session session(host);
    host.program.setLines({"y = 1"});
    host.output.appendLine("error 9-00001 a = 1");
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(host.output.lines(), (Strings{"error 9-00001 a = 1", "y = 1"}));
    EXPECT_EQ(host.program.selectedLine(), -1);
    EXPECT_EQ(host.statusTexts[0], "");
}

}  // namespace
}  // namespace zentra
