// The store and code limits that compilation enforces, at their boundaries,
// through a whole Exec.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

// -a + -a + ...: four code words per further term (0, a, -, +).
std::string negatedSum(int terms) {
    std::string text = "-a";
    for (int i = 1; i < terms; ++i) text += " + -a";
    return text;
}

struct LimitCase {
    const char* name;
    std::vector<std::string> parameters;
    std::vector<std::string> program;
    std::vector<std::string> firstLines;  // the output's first lines
};

void PrintTo(const LimitCase& c, std::ostream* out) { *out << c.name; }

class CompileLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(CompileLimitTest, HoldsAtTheBoundary) {
    MemoryHost host;
    Session session(host);
    host.parameters.setLines(GetParam().parameters);
    host.program.setLines(GetParam().program);
    exec(session);
    std::vector<std::string> out = host.output.lines();
    ASSERT_GE(out.size(), GetParam().firstLines.size());
    out.resize(GetParam().firstLines.size());
    EXPECT_EQ(out, GetParam().firstLines);
}

constexpr const char* kConstantsFull = " 定数のシンボル数が4096個を超えました。";

INSTANTIATE_TEST_SUITE_P(
    Stores, CompileLimitTest,
    ::testing::Values(
        // Variable slots 1 to 4095: an array of 4094 leaves room for one variable.
        LimitCase{"lastVariableSlot", {"array v[4094];"}, {"y = 1"}, {"y = 1"}},
        LimitCase{"variableSlotsFull", {"array v[4094];"}, {"y = 1", "z = 2"},
                  {"error 925-00002", " 変数の数が4095個を超えました。"}},
        // Constant slots 0 to 4095: 4095 swept values and one literal fill them all.
        LimitCase{"lastConstantSlot", {"x = 1, 2, ..., 4094;"}, {"y = x + 7"}, {"【 x=1 】", "y = 8"}},
        LimitCase{"constantSlotsFull", {"x = 1, 2, ..., 4095;"}, {"y = x + 7"}, {"error 903-00001", kConstantsFull}},
        LimitCase{"sweepBeyondTheStore", {"x = 1, 2, ..., 4096;"}, {"y = x"}, {"error 914-01001", kConstantsFull}}));

INSTANTIATE_TEST_SUITE_P(
    Code, CompileLimitTest,
    ::testing::Values(
        // 4 + 4 * 1022 = 4092 words with the store; 4096 with one term more.
        LimitCase{"longestProgram", {"a = 1;"}, {"y = " + negatedSum(1023)}, {"y = -1023"}},
        LimitCase{"programTooLong", {"a = 1;"}, {"y = " + negatedSum(1024)},
                  {"error 923-00001", " プログラムのコード語数が4095個を超えました。プログラムを分けてください。"}}));

// The monitor's code text line shows every word of a program that is too
// long, the ones past the buffer included: one term more than the longest
// program adds its four items before the store.
std::string codeTextLineOf(int terms) {
    MemoryHost host;
    Session session(host);
    host.parameters.setLines({"a = 1;"});
    host.program.setLines({"y = " + negatedSum(terms)});
    exec(session);
    for (const std::string& line : host.messages.lines()) {
        if (line.size() > 1000 && line.back() == '\\') return line;
    }
    return {};
}

TEST(CodeLimit, CodeTextOfATooLongProgramShowsEveryWord) {
    const std::string longest = codeTextLineOf(1023);
    const std::string tooLong = codeTextLineOf(1024);
    const std::string store = "s001\\";
    ASSERT_GT(longest.size(), 14 + store.size());
    ASSERT_EQ(longest.substr(longest.size() - store.size()), store);
    const std::string term = longest.substr(longest.size() - store.size() - 14, 14);  // two loads, - and +
    EXPECT_EQ(term.substr(8), "#01#00");
    EXPECT_EQ(tooLong, longest.substr(0, longest.size() - store.size()) + term + store);
}

// A range of aliases stops at the first generated name that is taken; the
// generated names carry the parameter-area prefix like the one they start
// from, and the message shows them without it. The error line clears the
// alias lines written before it.
TEST(AliasLimits, ARangeStopsAtATakenName) {
    MemoryHost host;
    Session session(host);
    host.parameters.setLines({"array v[4];", "alias v = p2;", "alias v[1-2] = p1;"});
    host.program.setLines({"y = 1"});
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    EXPECT_EQ(host.output.lines(),
              (std::vector<std::string>{"error 814-01003",
                                        " 別名宣言 \"p2\" の重複または範囲超過があります。"}));
}

}  // namespace
}  // namespace zentra
