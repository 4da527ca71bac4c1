// Names that compile to no loadable value are refused where they are used.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

struct LoadCase {
    const char* line;
    std::vector<std::string> output;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.line; }

class OperandLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(OperandLoadTest, ReportsTheName) {
    MemoryHost host;
    Session session(host);
    host.program.setLines({GetParam().line});
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    std::vector<std::string> out = host.output.lines();
    ASSERT_GE(out.size(), GetParam().output.size());
    out.resize(GetParam().output.size());  // the first error lines; later ones follow from them
    EXPECT_EQ(out, GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Names, OperandLoadTest,
    ::testing::Values(
        // "fft" has a builtin-table entry but no operation and is no call here.
        LoadCase{"y = fft + 1", {"error 287-00001", " 関数 fft の記述に誤りがあります。"}},
        LoadCase{"y = 2 + fft", {"error 287-00001", " 関数 fft の記述に誤りがあります。"}},
        // "return" names a function's result and has no value outside one (the
        // "=" that the lexer puts after it brings errors of its own).
        LoadCase{"y = 2 + return", {"error 601-00001", " 使えない文字列 \"return\" を検出しました。"}}));

}  // namespace
}  // namespace zentra
