#include "compile/statement_compiler.h"

#include <gtest/gtest.h>

#include "support/token_fixture.h"

namespace zentra {
namespace {

using test_support::TokenFixture;

class StatementCompilerTest : public ::testing::Test {
protected:
    std::string compileBlockOf(const std::string& tokens) {
        f.setTokens(tokens);
        compileBlock(f.compiler);
        return f.codeText();
    }

    TokenFixture f;
};

TEST_F(StatementCompilerTest, IfWithoutElseBranchesOverTheThenPart) {
    f.setTokens("if a > 0 { b = 1 ; }");
    f.declareVariable("a");
    compileStatement(f.compiler);
    EXPECT_EQ(f.codeText(), "v001cFFF#05@002cFFEs002");
    EXPECT_EQ(f.compiler.emitter.count(), 6);
    EXPECT_EQ(f.compiler.errors.count(), 0);
}

TEST_F(StatementCompilerTest, IfRunsTheThenPartOnlyForAPositiveCondition) {
    for (const auto& [a, expected] : {std::pair{"1", 1.0}, {"- 1", 5.0}, {"0", 5.0}}) {
        compileBlockOf(std::string("{ a = ") + a + " ; b = 5 ; if a > 0 { b = 1 ; } }");
        ASSERT_EQ(f.compiler.errors.count(), 0);
        ASSERT_EQ(f.run(), kPassOk);
        EXPECT_EQ(f.variable("b"), expected) << a;
    }
}

TEST_F(StatementCompilerTest, IfElseLayout) {
    // C @E A %X E: B X:
    f.setTokens("if c { x = 1 ; } else { x = 2 ; }");
    compileStatement(f.compiler);
    EXPECT_EQ(f.codeText(), "c000@003cFFFs001%002cFFEs001");
}

TEST_F(StatementCompilerTest, IfElsifLayout) {
    // C1 @E1 A %X E1: C2 @X B X:
    f.setTokens("if c { x = 1 ; } elsif d { x = 2 ; }");
    compileStatement(f.compiler);
    EXPECT_EQ(f.codeText(), "c000@003cFFFs001%004c001@002cFFEs001");
}

struct ChainCase {
    const char* x;
    double r;
    int jumps;  // executed jumps: the one that ends the part taken
};

class ElsifChainTest : public StatementCompilerTest,
                       public ::testing::WithParamInterface<ChainCase> {};

TEST_P(ElsifChainTest, PicksTheFirstPositiveConditionAndCountsItsJump) {
    compileBlockOf(std::string("{ x = ") + GetParam().x +
                   " ; r = 9 ; if x < 0 { r = 1 ; } elsif x < 10 { r = 2 ; } "
                   "elsif x < 100 { r = 3 ; } else { r = 4 ; } }");
    ASSERT_EQ(f.compiler.errors.count(), 0);
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("r"), GetParam().r);
    if (GetParam().jumps > 0) {
        EXPECT_EQ(f.run(GetParam().jumps), kLoopLimitReached);
        EXPECT_EQ(f.run(GetParam().jumps + 1), kPassOk);
    }
}

INSTANTIATE_TEST_SUITE_P(Branches, ElsifChainTest,
                         ::testing::Values(ChainCase{"- 5", 1, 1}, ChainCase{"5", 2, 1},
                                           ChainCase{"50", 3, 1}, ChainCase{"500", 4, 0}));

TEST_F(StatementCompilerTest, ElsifChainWithoutElseFallsThrough) {
    compileBlockOf("{ x = 500 ; r = 9 ; if x < 0 { r = 1 ; } elsif x < 10 { r = 2 ; } }");
    ASSERT_EQ(f.compiler.errors.count(), 0);
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("r"), 9.0);
}

TEST_F(StatementCompilerTest, WhileLoopCountsItsJumpsAgainstTheLimit) {
    compileBlockOf("{ i = 0 ; while i < 10 { i = i + 1 ; } }");
    ASSERT_EQ(f.compiler.errors.count(), 0);
    EXPECT_EQ(f.run(10), kLoopLimitReached);
    EXPECT_EQ(f.run(11), kPassOk);
    EXPECT_EQ(f.variable("i"), 10.0);
}

TEST_F(StatementCompilerTest, WhileJumpLandsOnTheLoopStart) {
    // Ten words before the jump: condition 3, branch 1, body 6.
    f.setTokens("while i < 10 { i = i + 1 ; j = i ; }");
    f.declareVariable("i");
    compileStatement(f.compiler);
    EXPECT_EQ(f.codeText(), "v001cFFF#06@007v001cFFE#00s001v001s002%FF5");
}

TEST_F(StatementCompilerTest, NestedLoopsAccumulateIntoElements) {
    f.setTokens(
        "{ i = 0 ; while i < 3 { j = 0 ; while j <= i { v [ i ] = v [ i ] + j + 1 ; j = j + 1 ; } "
        "i = i + 1 ; } s = v [ 0 ] + v [ 1 ] * 10 + v [ 2 ] * 100 ; }");
    f.declareArray("v", 3);
    compileBlock(f.compiler);
    ASSERT_EQ(f.compiler.errors.count(), 0);
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("s"), 1 + 3 * 10 + 6 * 100);
}

TEST_F(StatementCompilerTest, ElementAssignmentStoresIntoTheArray) {
    f.setTokens("{ v [ 1 ] = 5 ; v [ 2 ] = v [ 1 ] * 2 ; y = v [ 1 ] + v [ 2 ] ; }");
    f.declareArray("v", 3);
    compileBlock(f.compiler);
    ASSERT_EQ(f.compiler.errors.count(), 0);
    EXPECT_EQ(f.codeText().substr(0, 16), "cFFFcFFEw001n003");
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("y"), 15.0);
    EXPECT_EQ(f.stores.variables[3], 10.0);
}

// The array v takes slots 1..3 and i the slot after it: an index one past
// the end used to read or overwrite i.
TEST_F(StatementCompilerTest, AComputedIndexOutsideItsArrayFailsThePass) {
    struct IndexCase {
        const char* block;
        int expected;
        double i;  // what slot 4 holds afterwards
    };
    for (const IndexCase c :
         {IndexCase{"{ i = 3 ; v [ i ] = 99 ; }", kElementOutsideArray, 3},
          IndexCase{"{ i = 3 ; y = v [ i ] ; }", kElementOutsideArray, 3},
          IndexCase{"{ i = 0 - 1 ; v [ i ] = 99 ; }", kElementOutsideArray, -1},
          IndexCase{"{ i = 2 ; v [ i + 1 - 1 ] = 99 ; y = v [ i ] ; }", kPassOk, 2}}) {
        f.setTokens(c.block);
        f.declareArray("v", 3);
        compileBlock(f.compiler);
        ASSERT_EQ(f.compiler.errors.count(), 0) << c.block;
        EXPECT_EQ(f.run(), c.expected) << c.block;
        EXPECT_EQ(f.stores.variables[4], c.i) << c.block;
    }
    EXPECT_EQ(f.variable("y"), 99.0);
}

TEST_F(StatementCompilerTest, LocalVariablesStoreIntoTheLocalStore) {
    f.setTokens("{ var~1 t~1 ;~1 t~1 =~1 4~1 ;~1 y = 1 ; }");
    compileBlock(f.compiler);
    ASSERT_EQ(f.compiler.errors.count(), 0);
    EXPECT_EQ(f.codeText(), "cFFFt001cFFEs001");
}

TEST_F(StatementCompilerTest, BuiltinCallStatementLeavesItsValue) {
    EXPECT_EQ(compileBlockOf("{ sin ( 1 ) ; x = 2 ; }"), "cFFF#10cFFEs001");
    EXPECT_EQ(f.compiler.errors.count(), 0);
}

TEST_F(StatementCompilerTest, AssignmentAfterUseAsValueIsAConstant) {
    compileBlockOf("{ x = 2 ; y = x + 1 ; }");
    EXPECT_EQ(f.compiler.errors.count(), 0);
    compileBlockOf("{ y = x + 1 ; x = 2 ; }");
    EXPECT_EQ(f.output(), (std::vector<std::string>{"error 117-00001",
                                                    " 定数 \"x\" へは代入できません。"}));
}

struct StatementErrorCase {
    const char* tokens;
    std::vector<std::string> output;
    int errors = 1;
};

class StatementErrorTest : public StatementCompilerTest,
                           public ::testing::WithParamInterface<StatementErrorCase> {};

TEST_P(StatementErrorTest, ReportsExactlyTheseLines) {
    f.setTokens(GetParam().tokens);
    f.declareArray("v", 3);
    compileStatementList(f.compiler);
    EXPECT_EQ(f.output(), GetParam().output) << GetParam().tokens;
    EXPECT_EQ(f.compiler.errors.count(), GetParam().errors);
    EXPECT_EQ(f.compiler.tokenIndex, f.compiler.tokens.count()) << GetParam().tokens;
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatementErrorTest,
    ::testing::Values(
        StatementErrorCase{"var t = 1 ; y = 1 ;",
                           {"error 707-00001", " 関数内部で宣言した信号は初期化できません。"}},
        // The store finds no slot in the function's code item "#23" and counts once more.
        StatementErrorCase{"fft = 1 ;", {"error 117-00001", " 定数 \"fft\" へは代入できません。"}, 2},
        StatementErrorCase{"sin = 1 ;", {"error 287-00001", " 関数 sin の記述に誤りがあります。"}},
        StatementErrorCase{"y = 1 ;\n; z = 1 ;", {"error 139-00002", "  \";\" は使用できません。"}},
        StatementErrorCase{"if c { } }", {"error 139-00001", "  \"}\" は使用できません。"}},
        StatementErrorCase{"v = 5 ;", {"error 628-00001", " 配列vの記述に矛盾があります。"}},
        StatementErrorCase{"y = 2 ;\n3 ;", {"error 139-00002", "  \"3\" は使用できません。"}}));

TEST_F(StatementCompilerTest, ParameterConstantAssignmentSkipsTheStatement) {
    // Uses of a parameter constant are number tokens.
    f.setTokens("_a = 3 + b ; z = 2 ;");
    f.compiler.tokens[0].kind = Kind::DIGIT;
    compileStatementList(f.compiler);
    EXPECT_EQ(f.compiler.errors.count(), 1);
    EXPECT_EQ(f.codeText(), "cFFFs001");
}

TEST_F(StatementCompilerTest, ThirtyOneElsifAndElsePartsFitAndThirtyTwoDoNot) {
    auto chain = [](int elsifs) {
        std::string text = "{ x = 40 ; if x < 0 { r = 0 ; }";
        for (int k = 1; k <= elsifs; ++k) {
            text += " elsif x < " + std::to_string(k) + " { r = " + std::to_string(k) + " ; }";
        }
        return text + " else { r = 99 ; } }";
    };
    compileBlockOf(chain(30));
    ASSERT_EQ(f.compiler.errors.count(), 0);
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("r"), 99.0);
    compileBlockOf(chain(31));
    EXPECT_EQ(f.compiler.errors.count(), 1);
    EXPECT_EQ(f.output().at(1), " elsif/else の数が31個を超えました。");
}

// while condition { y = 1 ; ... }: the branch, two words per statement, then the jump.
std::string longLoop(const std::string& condition, int statements) {
    std::string text = "while " + condition + " {";
    for (int k = 0; k < statements; ++k) text += " y = 1 ;";
    return text + " }";
}

TEST_F(StatementCompilerTest, BackwardJumpOf2047IsAcceptedAnd2048Refused) {
    f.setTokens(longLoop("c", 1022));  // jump at 1 + 1 + 2044 = 2046: distance -2047
    compileStatement(f.compiler);
    EXPECT_EQ(f.compiler.errors.count(), 0);
    EXPECT_EQ(f.codeText().substr(f.codeText().size() - 4), "%801");

    f.setTokens(longLoop("! c", 1022));  // one condition word more: -2048
    compileStatement(f.compiler);
    EXPECT_EQ(f.output(), (std::vector<std::string>{"error 774-00001",
                                                    " 相対分岐2048ステップは大きすぎます。"}));
    EXPECT_EQ(f.compiler.errors.count(), 1);
}

TEST_F(StatementCompilerTest, StatementListStopsAtTheEndOfTokens) {
    for (const char* tokens : {"{ y = 1 ;", "{ if c {", "{ while c { y = 1 ;", "{ out (",
                               "{ y = ( 1 +", "{ var", "{ if c { } elsif"}) {
        compileBlockOf(tokens);
        EXPECT_GE(f.compiler.errors.count(), 1) << tokens;
        EXPECT_LE(f.compiler.tokenIndex, f.compiler.tokens.count() + 1) << tokens;
    }
}

TEST_F(StatementCompilerTest, DeeplyNestedStatementsEndInOneLimitError) {
    std::string text;
    for (int k = 0; k < kMaxTokens / 3; ++k) text += "while c { ";
    f.setTokens(text.substr(0, text.size() - 1));
    compileStatement(f.compiler);
    ASSERT_GE(f.output().size(), 2u);
    EXPECT_EQ(f.output()[1], " 式または文の入れ子が256段を超えました。");
    EXPECT_LE(f.compiler.errors.count(), 3);
}

}  // namespace
}  // namespace zentra
