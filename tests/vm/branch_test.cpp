#include "vm/branch.h"

#include <gtest/gtest.h>

#include "support/token_fixture.h"
#include "vm/code_text.h"
#include "vm/statement_compiler.h"

namespace zentra {
namespace {

using test_support::TokenFixture;

class BranchTest : public ::testing::Test {
protected:
    void appendLoads(int words) {
        for (int k = 0; k < words; ++k) appendCodeItem(c.codeText, c.wordCount, 'v', 1);
    }

    TokenFixture f;
    Compiler& c = f.compiler;
};

TEST_F(BranchTest, PlaceholderLabelPointsAtItsFirstDigit) {
    appendCodeItem(c.codeText, c.wordCount, '#', 5);
    const Label label = appendBranchPlaceholder(c, '@');
    EXPECT_EQ(c.codeText, "#05@000");
    EXPECT_EQ(label.textPosition, 5);
    EXPECT_EQ(label.wordCount, 2);
}

TEST_F(BranchTest, DistanceCountsTheWordsAfterTheBranchPlusTheAdjustment) {
    const Label label = appendBranchPlaceholder(c, '@');
    appendLoads(3);
    fixBranch(c, label, 0);
    EXPECT_EQ(c.codeText.substr(0, 4), "@003");
    fixBranch(c, label, 1);  // fixed again: the last write stands
    EXPECT_EQ(c.codeText.substr(0, 4), "@004");
    EXPECT_EQ(c.codeText.size(), 4u + 3 * 4);
    EXPECT_EQ(c.errors.count(), 0);
}

TEST_F(BranchTest, ForwardDistance2047IsAcceptedAnd2048Refused) {
    f.setTokens("if\nc");
    c.tokenIndex = 2;  // the token before the current one is on line 2
    const Label label = appendBranchPlaceholder(c, '@');
    appendLoads(2047);
    fixBranch(c, label, 0);
    EXPECT_EQ(c.codeText.substr(0, 4), "@7FF");
    EXPECT_EQ(c.errors.count(), 0);
    fixBranch(c, label, 1);
    EXPECT_EQ(c.codeText.substr(0, 4), "@800");
    EXPECT_EQ(c.errors.count(), 1);
    EXPECT_EQ(c.errors.lastLine(), 2);
    EXPECT_EQ(f.output(), (std::vector<std::string>{"error 773-00002",
                                                    " 相対分岐2048ステップは大きすぎます。"}));
    fixBranch(c, label, 1);  // not under the once-per-line rule
    EXPECT_EQ(c.errors.count(), 2);
}

// A then-part "y = 1 + 1 ... ;" with k additions: 2k + 2 words; with "! 1" first, 2k + 3.
std::string longAssignment(bool negated, int additions) {
    std::string text = negated ? "y = ! 1" : "y = 1";
    for (int k = 0; k < additions; ++k) text += " + 1";
    return text + " ;";
}

TEST_F(BranchTest, ThenPartOf2048WordsIsReportedByTheIfStatement) {
    f.setTokens("if c { " + longAssignment(false, 1023) + " }");
    compileStatement(c);
    EXPECT_EQ(c.errors.count(), 1);
    EXPECT_EQ(f.output().at(1), " 相対分岐2048ステップは大きすぎます。");
}

TEST_F(BranchTest, ThenPartOf2047WordsCompilesAndRuns) {
    f.setTokens("{ c = 0 ; y = 5 ; if c { " + longAssignment(true, 1022) + " } z = 3 ; }");
    compileBlock(c);
    ASSERT_EQ(c.errors.count(), 0);
    EXPECT_NE(c.codeText.find("@7FF"), std::string::npos);
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("y"), 5.0);  // skipped
    EXPECT_EQ(f.variable("z"), 3.0);
}

TEST_F(BranchTest, TooLongLastElsifPartIsReportedOnceForTheJumpOverIt) {
    // The elsif condition skips 2047 words and fits; the then-part's end jump
    // also skips the condition and its branch: 2049.
    f.setTokens("if c { y = 1 ; } elsif d { " + longAssignment(true, 1022) + " }");
    compileStatement(c);
    EXPECT_EQ(f.output(), (std::vector<std::string>{"error 773-00001",
                                                    " 相対分岐2049ステップは大きすぎます。"}));
    EXPECT_NE(c.codeText.find("@7FF"), std::string::npos);
}

}  // namespace
}  // namespace zentra
