// The parser driver as a whole Exec sees it: a "}" that closes the program
// block before its end is an error, not the silent end of the program.
#include "front/parser_passes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

struct StrayCase {
    std::vector<std::string> program;
    const char* errorLine;
};

void PrintTo(const StrayCase& c, std::ostream* out) { *out << c.program.front(); }

class StrayClosingBrace : public ::testing::TestWithParam<StrayCase> {};

TEST_P(StrayClosingBrace, IsReportedWhereItStands) {
    MemoryHost host;
    Session session(host);
    for (const std::string& line : GetParam().program) host.program.appendLine(line);
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    const std::vector<std::string> out = host.output.lines();
    EXPECT_EQ(out, (std::vector<std::string>{GetParam().errorLine,
                                             " \"}\" に対応する \"{\" がありません。"}));
    EXPECT_EQ(host.statusTexts[0], "プログラムエリアの記述にエラーがあります");
}

INSTANTIATE_TEST_SUITE_P(
    Programs, StrayClosingBrace,
    ::testing::Values(
        // The lines after the brace would have gone unread.
        StrayCase{{"a = 1", "}", "b = (((", "c = nosuchvar * 2"}, "error 450-00002"},
        StrayCase{{"a = 1", "}"}, "error 450-00002"},
        StrayCase{{"if 1 > 0 { a = 1; } }", "b = 2"}, "error 450-00001"},
        StrayCase{{"a = 1", "", "// comment", "while a < 3 {", "a = a + 1", "}", "}", "b = a"},
                  "error 450-00007"}));

TEST(StrayClosingBrace, BalancedBracesStillRun) {
    MemoryHost host;
    Session session(host);
    for (const char* line : {"a = 1", "if a > 0 {", "b = 2", "}", "while a < 3 { a = a + 1; }"}) {
        host.program.appendLine(line);
    }
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(host.output.lines(), (std::vector<std::string>{"a = 3", "b = 2"}));
}

}  // namespace
}  // namespace zentra
