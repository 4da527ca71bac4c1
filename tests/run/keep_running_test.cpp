// Cancelling a run through Host::keepRunning: asked before every pass and,
// inside a pass, every kKeepRunningInterval executed jumps.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"
#include "vm/machine.h"

namespace zentra {
namespace {

// Answers false from the `cancelAt`-th question on.
class CancellingHost : public MemoryHost {
  public:
    bool keepRunning(int pass, int passCount) override {
        asked.emplace_back(pass, passCount);
        return static_cast<int>(asked.size()) < cancelAt;
    }

    int cancelAt = 1 << 30;
    std::vector<std::pair<int, int>> asked;
};

class KeepRunningTest : public ::testing::Test {
  protected:
    CancellingHost host;
    Session session{host};
};

TEST_F(KeepRunningTest, CancellingBetweenPassesKeepsTheGroupsPrinted) {
    host.parameters.appendLine("x = 1, 2, 3, 4, 5;");
    host.program.appendLine("y = x * 2");
    host.cancelAt = 3;
    EXPECT_EQ(exec(session), ExecOutcome::RuntimeError);
    EXPECT_EQ(host.asked, (std::vector<std::pair<int, int>>{{0, 5}, {1, 5}, {2, 5}}));
    const std::vector<std::string> out = host.output.lines();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[1], "y = 2");
    EXPECT_EQ(out[3], "y = 4");
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(host.statusTexts[0], "計算を中止しました");
    // The end of a completed run is skipped, as after a run-time error.
    EXPECT_TRUE(session.programHistory.empty());
    EXPECT_TRUE(host.historyHidden);
}

TEST_F(KeepRunningTest, ALongLoopIsCancelledInsideItsPass) {
    host.parameters.appendLine("loops = 20000000;");
    host.program.appendLine("i = 0");
    host.program.appendLine("while i < 10000000 { i = i + 1; }");
    host.cancelAt = 3;
    EXPECT_EQ(exec(session), ExecOutcome::RuntimeError);
    // Before the pass, then after 65536 and 131072 jumps: one jump per turn.
    EXPECT_EQ(host.asked, (std::vector<std::pair<int, int>>(3, {0, 1})));
    EXPECT_EQ(session.stores->variables[1], 2.0 * kKeepRunningInterval);
    EXPECT_TRUE(host.output.lines().empty());
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(host.statusTexts[0], "計算を中止しました");
}

TEST_F(KeepRunningTest, AHostThatNeverCancelsIsAskedAndTheRunCompletes) {
    host.parameters.appendLine("loops = 300000;");
    host.parameters.appendLine("x = 1, 2;");
    host.program.appendLine("i = 0");
    host.program.appendLine("while i < 140000 { i = i + x; }");
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    // Pass 0 makes 140000 jumps (two questions inside), pass 1 makes 70000 (one).
    EXPECT_EQ(host.asked,
              (std::vector<std::pair<int, int>>{{0, 2}, {0, 2}, {0, 2}, {1, 2}, {1, 2}}));
    EXPECT_EQ(host.statusTexts[0], "");
}

}  // namespace
}  // namespace zentra
