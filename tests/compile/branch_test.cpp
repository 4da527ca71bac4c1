#include "compile/branch.h"

#include <gtest/gtest.h>

#include "support/token_fixture.h"
#include "compile/statement_compiler.h"

namespace zentra {
namespace {

using test_support::TokenFixture;

class BranchTest : public ::testing::Test {
protected:
    void appendLoads(int words) {
        for (int k = 0; k < words; ++k) c.emitter.append(encodeWord(kLoadVariableBase, 1));
    }

    TokenFixture f;
    Compiler& c = f.compiler;
};

TEST_F(BranchTest, PlaceholderLabelNamesItsWord) {
    c.emitter.append(encodeWord(kOperationBase, 5));
    const Label label = emitBranchPlaceholder(c, kBranchBase);
    EXPECT_EQ(f.codeText(), "#05@000");
    EXPECT_EQ(label.word, 1);
    EXPECT_EQ(f.code[1], 0xA000);
}

TEST_F(BranchTest, JumpPlaceholderKeepsItsClassWhenFixed) {
    const Label label = emitBranchPlaceholder(c, kJumpBase);
    appendLoads(2);
    fixBranch(c, label, 0);
    EXPECT_EQ(f.code[0], 0xC002);
}

TEST_F(BranchTest, DistanceCountsTheWordsAfterTheBranchPlusTheAdjustment) {
    const Label label = emitBranchPlaceholder(c, kBranchBase);
    appendLoads(3);
    fixBranch(c, label, 0);
    EXPECT_EQ(f.code[0], 0xA003);
    fixBranch(c, label, 1);  // fixed again: the last write stands
    EXPECT_EQ(f.code[0], 0xA004);
    EXPECT_EQ(c.emitter.count(), 4);
    EXPECT_EQ(c.errors.count(), 0);
}

TEST_F(BranchTest, ForwardDistance2047IsAcceptedAnd2048Refused) {
    f.setTokens("if\nc");
    c.tokenIndex = 2;  // the token before the current one is on line 2
    const Label label = emitBranchPlaceholder(c, kBranchBase);
    appendLoads(2047);
    fixBranch(c, label, 0);
    EXPECT_EQ(f.code[0], 0xA7FF);
    EXPECT_EQ(c.errors.count(), 0);
    fixBranch(c, label, 1);
    EXPECT_EQ(f.code[0], 0xA800);
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
    EXPECT_NE(f.codeText().find("@7FF"), std::string::npos);
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
    EXPECT_NE(f.codeText().find("@7FF"), std::string::npos);
}

}  // namespace
}  // namespace zentra

namespace zentra {
namespace {

// Words past the buffer's last place are kept aside: branches over them are
// still fixed, and the buffer ends at its last place with the end word.
TEST(BranchPastTheBuffer, IsFixedInTheSpilledWords) {
    TokenFixture f;
    Compiler& c = f.compiler;
    for (int k = 0; k < kMaxProgramWords - 1; ++k) c.emitter.append(encodeWord(kLoadConstantBase, 1));
    const Label inside = emitBranchPlaceholder(c, kBranchBase);  // the buffer's last place
    const Label outside = emitBranchPlaceholder(c, kJumpBase);
    c.emitter.append(encodeWord(kLoadConstantBase, 2));
    fixBranch(c, inside, 0);
    fixBranch(c, outside, 0);
    c.emitter.finish();
    EXPECT_FALSE(c.emitter.fits());
    EXPECT_EQ(f.code[kMaxProgramWords - 1], 0xA002);
    EXPECT_EQ(f.code[kMaxProgramWords], kEndWord);
    EXPECT_EQ(f.codeText().substr(static_cast<std::size_t>(4 * (kMaxProgramWords - 1))), "@002%001c002");
    EXPECT_EQ(f.run(), TokenFixture::kProgramTooLong);
}

}  // namespace
}  // namespace zentra
