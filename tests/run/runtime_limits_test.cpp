// Run-time limits of the machine as a whole Exec meets them: a message box,
// no result line, and no history entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

// 1+(1+(...)): every open parenthesis keeps one more value on the stack.
std::string nestedSum(int depth) {
    std::string text = "1";
    for (int i = 0; i < depth; ++i) text = "1+(" + text + ")";
    return text;
}

struct LimitCase {
    std::vector<std::string> parameters;
    std::vector<std::string> program;
    const char* message;  // empty: the run completes
};

class RuntimeLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(RuntimeLimitTest, StopsThePassWithItsMessage) {
    MemoryHost host;
    Session session(host);
    host.parameters.setLines(GetParam().parameters);
    host.program.setLines(GetParam().program);
    const std::string message = GetParam().message;
    const ExecOutcome outcome = exec(session);
    if (message.empty()) {
        EXPECT_EQ(outcome, ExecOutcome::Completed);
        EXPECT_TRUE(host.messageBoxes.empty());
        return;
    }
    EXPECT_EQ(outcome, ExecOutcome::RuntimeError);
    EXPECT_EQ(host.messageBoxes, std::vector<std::string>{message});
    EXPECT_TRUE(host.output.lines().empty());
    EXPECT_TRUE(session.programHistory.empty());
}

constexpr const char* kStackFull = "計算スタックがあふれました(値は63個までです)";
constexpr const char* kOutsideArray = "配列の要素番号が配列の範囲(0～要素数-1)を超えました";

INSTANTIATE_TEST_SUITE_P(
    Machine, RuntimeLimitTest,
    ::testing::Values(
        // 62 pending values and the innermost one fit; one level more does not.
        LimitCase{{}, {"y = " + nestedSum(62)}, ""},
        LimitCase{{}, {"y = " + nestedSum(63)}, kStackFull},
        LimitCase{{"array v[4];"}, {"i = 5000", "y = v[i]"}, kOutsideArray},
        LimitCase{{"array v[4];"}, {"i = -5", "v[i] = 1"}, kOutsideArray},
        // Inside the store too, an index beyond the array fails the pass.
        LimitCase{{"array v[4];"}, {"i = 100", "v[i] = 1", "y = v[i]"}, kOutsideArray},
        LimitCase{{"array v[4];"}, {"i = 3", "v[i] = 1", "y = v[i]"}, ""}));

}  // namespace
}  // namespace zentra
