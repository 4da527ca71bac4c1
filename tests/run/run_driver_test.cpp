#include "run/run_driver.h"
#include "shell/input_recall.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "results/result_output.h"
#include "host/memory_host.h"

namespace zentra {
namespace {

class RunDriverTest : public ::testing::Test {
protected:
    void program(std::initializer_list<const char*> lines) {
        host.program.clear();
        for (const char* line : lines) host.program.appendLine(line);
    }
    void parameters(std::initializer_list<const char*> lines) {
        host.parameters.clear();
        for (const char* line : lines) host.parameters.appendLine(line);
    }
    std::vector<std::string> output() const { return host.output.lines(); }

    MemoryHost host;
    Session session{host};
};

TEST_F(RunDriverTest, CommentsOnlyDoNothingAtAll) {
    program({"// a comment", "   ", "\t// another"});
    host.output.appendLine("old = 1");
    EXPECT_EQ(exec(session), ExecOutcome::Nothing);
    EXPECT_TRUE(host.settingsWritten.empty());
    EXPECT_EQ(output(), std::vector<std::string>{"old = 1"});
    EXPECT_FALSE(host.historyHidden);
}

TEST_F(RunDriverTest, InputsAreWrittenToTheSettingsWithALineFeedAfterEachLine) {
    program({"y = 1"});
    parameters({"a = 2;", ""});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    ASSERT_EQ(host.settingsWritten.size(), 2u);
    EXPECT_EQ(host.settingsWritten[0], (std::pair<std::string, std::string>{"src", "y = 1\n"}));
    EXPECT_EQ(host.settingsWritten[1], (std::pair<std::string, std::string>{"con", "a = 2;\n\n"}));
}

TEST_F(RunDriverTest, SuccessfulRunsAppendBelowEarlierResults) {
    program({"y = 1"});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(output(), (std::vector<std::string>{"y = 1", "y = 1"}));
    EXPECT_TRUE(host.historyHidden);
}

TEST_F(RunDriverTest, ErrorLinesOfAnEarlierRunAreClearedFirst) {
    program({"y = = 1"});
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    ASSERT_FALSE(output().empty());
    EXPECT_EQ(output()[0], "error 601-00001");
    EXPECT_EQ(host.program.selectedLine(), 0);
    program({"y = 2"});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(output(), std::vector<std::string>{"y = 2"});
}

TEST_F(RunDriverTest, ARuntimeErrorLeavesNoErrorLineSoTheNextRunAppends) {
    program({"y = 1 / 0"});
    EXPECT_EQ(exec(session), ExecOutcome::RuntimeError);
    EXPECT_EQ(host.messageBoxes, std::vector<std::string>{"ゼロ割りが発生しました"});
    EXPECT_TRUE(host.historyHidden);
    EXPECT_TRUE(session.programHistory.empty());
    program({"y = 3"});
    host.output.appendLine("kept = 1");
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(output(), (std::vector<std::string>{"kept = 1", "y = 3"}));
}

TEST_F(RunDriverTest, AVariableNamedErrorDoesNotStopLaterRuns) {
    program({"error1 = 5"});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(output(), (std::vector<std::string>{"error1 = 5", "error1 = 5"}));
}

TEST_F(RunDriverTest, RuntimeErrorInALaterPassKeepsTheEarlierGroups) {
    parameters({"x = 2, 1, 0, 4;"});
    program({"y = 2 / x", "graph(y)"});
    EXPECT_EQ(exec(session), ExecOutcome::RuntimeError);
    EXPECT_EQ(output(), (std::vector<std::string>{"【 x=2 】", "y = 1", "【 x=1 】", "y = 2"}));
    EXPECT_EQ(host.output.colourOf(0), LineColour::Red);
    EXPECT_EQ(host.output.colourOf(1), LineColour::Black);
    EXPECT_FALSE(host.graphShown);
}

TEST_F(RunDriverTest, GraphIsShownAfterASuccessfulSweepAndRangeIsTracked) {
    parameters({"x = 3, 1, 2;"});
    program({"y = x * x", "graph(y)"});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_TRUE(host.graphShown);
    EXPECT_EQ(session.graphMaximum, 3);
    EXPECT_EQ(session.graphMinimum, 1);
    // The swept slot keeps the value of the last pass.
    EXPECT_EQ(session.stores->constants[static_cast<std::size_t>(session.compiler.plan.sweptSlot)], 2);
}

TEST_F(RunDriverTest, UndefinedNameIsAskedForInTheParameterArea) {
    parameters({"a = 1;"});
    program({"y = a + q"});
    EXPECT_EQ(exec(session), ExecOutcome::UndefinedParameter);
    EXPECT_EQ(host.parameters.lines(), (std::vector<std::string>{"a = 1;", "q="}));
    EXPECT_EQ(host.parameters.selectedLine(), 1);
    EXPECT_EQ(host.statusTexts[0], "error パラメータ q を入力してください");
    EXPECT_TRUE(output().empty());
    EXPECT_FALSE(host.historyHidden);
}

struct LoopsCase {
    const char* definition;
    int limit;
};

class LoopsSetting : public RunDriverTest, public ::testing::WithParamInterface<LoopsCase> {};

TEST_P(LoopsSetting, DerivesTheLoopLimit) {
    parameters({GetParam().definition});
    program({"y = 1"});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(session.loopLimit, GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(Values, LoopsSetting,
                         ::testing::Values(LoopsCase{"loops = 0;", 1}, LoopsCase{"loops = -5;", 1},
                                           LoopsCase{"loops = 2.9;", 2},
                                           LoopsCase{"loops = 5000;", 5000},
                                           LoopsCase{"loops = 1E30;", 2147483647},
                                           LoopsCase{"other = 3;", 1000}));

TEST_F(RunDriverTest, LoopLimitFromTheParametersStaysForLaterRuns) {
    parameters({"loops = 3;"});
    program({"y = 1"});
    exec(session);
    parameters({});
    program({"i = 0", "while i < 5 { i = i + 1; }"});
    EXPECT_EQ(exec(session), ExecOutcome::RuntimeError);
    EXPECT_EQ(host.messageBoxes.back(),
              "計算の繰り返し回数が上限(3回)を超えました\n"
              "上限値は定数定義エリアに loops=回数 と書けば変更できます");
}

TEST_F(RunDriverTest, PrecisionIsClampedAndShown) {
    program({"y = 2 / 3"});
    session.precision = 20;
    exec(session);
    EXPECT_EQ(session.precision, 15);
    EXPECT_EQ(host.statusTexts[1], " precision 15");
    EXPECT_EQ(host.statusTexts[2], " unit DEG");
    session.precision = 2;
    session.radian = 1;
    exec(session);
    EXPECT_EQ(session.precision, 4);
    EXPECT_EQ(host.statusTexts[2], " unit RAD");
    EXPECT_EQ(output().back(), "y = 0.6667");
}

TEST_F(RunDriverTest, HistoryTakesLinesLongerThanFourCharacters) {
    parameters({"a=1;", "ab = 2;"});
    program({"xy=1", "x = 1", "xyz = 2", "xyz=2"});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(session.programHistory, std::vector<std::string>{"xyz=2"});
    EXPECT_EQ(session.parameterHistory, std::vector<std::string>{"ab=2;"});
}

TEST_F(RunDriverTest, HexadecimalDisplayComesBackAfterASuccessfulRun) {
    session.precision = 12;
    program({"y = 255.5"});
    exec(session);
    toggleHexDisplay(session);
    EXPECT_EQ(output(), std::vector<std::string>{"y = 255.5 = 0xFF.8000000"});
    exec(session);
    EXPECT_EQ(output(), (std::vector<std::string>{"y = 255.5 = 0xFF.8000000", "y = 255.5 = 0xFF.8000000"}));
    // A failed run leaves the display decimal.
    program({"z = 1 / 0"});
    exec(session);
    EXPECT_EQ(output(), (std::vector<std::string>{"y = 255.5", "y = 255.5"}));
}

TEST_F(RunDriverTest, StopSwitchesEndTheRunEarly) {
    program({"y = 1"});
    host.stop = StopPoint::AfterFunctionCheck;
    EXPECT_EQ(exec(session), ExecOutcome::Nothing);
    EXPECT_TRUE(output().empty());
    host.stop = StopPoint::AfterSourcePreparation;
    EXPECT_EQ(exec(session), ExecOutcome::Nothing);
    EXPECT_TRUE(host.tokens.lines().empty());
    host.stop = StopPoint::AfterTokenDump;
    EXPECT_EQ(exec(session), ExecOutcome::Nothing);
    EXPECT_FALSE(host.tokens.lines().empty());
    EXPECT_TRUE(host.symbols.lines().empty());
    EXPECT_TRUE(output().empty());
}

TEST_F(RunDriverTest, MonitorReceivesTheCodeTextAndTheListing) {
    program({"y = 1 + 2"});
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    const std::vector<std::string> messages = host.messages.lines();
    bool codeText = false;
    bool listing = false;
    for (const auto& line : messages) {
        codeText = codeText || line == "cFFFcFFE#00s001\\";
        listing = listing || line == "0000   1  2  #+  s:y  ";
    }
    EXPECT_TRUE(codeText);
    EXPECT_TRUE(listing);
}

}  // namespace
}  // namespace zentra

namespace zentra {
namespace {

// A long program is looked up through a set, a short one line by line: both
// give the history the same entries in the same order.
TEST(HistoryUpdate, LongAndShortRunsAddTheSameEntries) {
    std::vector<std::string> lines;
    for (int k = 0; k < 60; ++k) {
        lines.push_back("v" + std::to_string(k % 23) + " = " + std::to_string(k % 23) + ";");
        if (k % 7 == 0) lines.push_back("x=1");  // too short
        if (k % 5 == 0) lines.push_back("  v1   =  1 ;");  // the same as "v1 = 1;" without blanks
    }
    std::vector<std::string> atOnce = {"v3=3;", "older"};
    std::vector<std::string> lineByLine = atOnce;
    addToHistory(atOnce, lines);
    for (const auto& line : lines) addToHistory(lineByLine, {line});
    EXPECT_EQ(atOnce, lineByLine);
    EXPECT_EQ(atOnce.size(), 2u + 22u);  // v0..v22 but v3, which was there
    EXPECT_EQ(atOnce[2], "v0=0;");
}

// A run whose entries are already the newest of the history adds nothing;
// any other run adds what a line-by-line update adds.
TEST(HistoryUpdate, ProgramsAtTheHistorysEndAndNear) {
    const std::vector<std::string> start = {"older", "a=1+2;", "b=2*a;"};
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::size_t added;
    };
    const Case cases[] = {
        {"the newest entries, blanks differing", {" a = 1 + 2 ;", "x=1", "b=2*a;"}, 0},
        {"the newest entries but one changed", {"a=1+2;", "b=3*a;"}, 1},
        {"one more line than the history holds", {"c=3333;", "older", "a=1+2;", "b=2*a;"}, 1},
        {"known entries in another order", {"b=2*a;", "a=1+2;"}, 0},
        {"a line repeated", {"a=1+2;", "b=2*a;", "b=2*a;"}, 0},
        {"a new line repeated", {"d=4444;", "d = 4444;"}, 1},
        {"only short lines", {"x=1", "", "  y=2  "}, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> atOnce = start;
        std::vector<std::string> lineByLine = start;
        addToHistory(atOnce, c.lines);
        for (const auto& line : c.lines) addToHistory(lineByLine, {line});
        EXPECT_EQ(atOnce, lineByLine) << c.what;
        EXPECT_EQ(atOnce.size(), start.size() + c.added) << c.what;
    }
}

}  // namespace
}  // namespace zentra
