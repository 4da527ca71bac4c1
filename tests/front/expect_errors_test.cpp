// The messages of a missing expected token, for each expected kind, as a whole
// Exec shows them: the error line, the message line and the status text.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

struct ExpectCase {
    bool inParameters;
    const char* line;
    const char* errorLine;
    const char* message;
};

void PrintTo(const ExpectCase& c, std::ostream* out) { *out << c.line; }

class ExpectErrorTest : public ::testing::TestWithParam<ExpectCase> {};

TEST_P(ExpectErrorTest, ReportsTheKindThatWasExpected) {
    const ExpectCase& c = GetParam();
    MemoryHost host;
    Session session(host);
    if (c.inParameters) {
        host.parameters.appendLine(c.line);
        host.program.appendLine("y = 1");
    } else {
        host.program.appendLine(c.line);
    }
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    const std::vector<std::string> out = host.output.lines();
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[0], c.errorLine);
    EXPECT_EQ(out[1], c.message);
    EXPECT_EQ(host.statusTexts[0], c.inParameters ? "パラメータ定義エリアの記述にエラーがあります"
                                                   : "プログラムエリアの記述にエラーがあります");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExpectErrorTest,
    ::testing::Values(
        // An opening parenthesis where something else belongs: the name before it is no function.
        ExpectCase{false, "y = 1 (2)", "error 311-00001", " \"1\"　は関数ではありません"},
        ExpectCase{false, "y = 1 2", "error 312-00001", " \"1 2\" 処理できない文字です"},
        ExpectCase{false, "if 1 > 0 y = 2", "error 316-00001", " \"0 y\" \"{\" が必要です"},
        ExpectCase{false, "while 1 < 0 y = 1", "error 316-00001", " \"0 y\" \"{\" が必要です"},
        // The parser reads parameter-area names with their "_" prefix; messages show them without.
        ExpectCase{true, "array v 2];", "error 317-01001", " \"v 2\" 配列には\"[\" が必要です"},
        ExpectCase{true, "array v[2;", "error 318-01001", " \"2 ;\" 配列が閉じていません"},
        ExpectCase{true, "array 5[2];", "error 319-01001", " \"array 5\" 名称が必要です"},
        ExpectCase{true, "array v[2] 3", "error 312-01001", " \"] 3\" 処理できない文字です"},
        ExpectCase{false, "y = (1 2", "error 334-00001",
                   " \"1\"　の後にCLOSE ではない文字 \"2\" を検出しました"}));

}  // namespace
}  // namespace zentra
