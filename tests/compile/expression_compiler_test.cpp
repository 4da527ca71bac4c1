#include "compile/expression_compiler.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/token_fixture.h"
#include "compile/statement_compiler.h"

namespace zentra {
namespace {

using test_support::TokenFixture;

class ExpressionCompilerTest : public ::testing::Test {
protected:
    // Compiles one expression from the first token and returns the code text.
    std::string compile(std::string_view tokens) {
        f.setTokens(tokens);
        compileExpression(f.compiler);
        return f.codeText();
    }

    // Runs "{ r = expression ; }" and returns r.
    double evaluate(const std::string& expression) {
        f.setTokens("{ r = " + expression + " ; }");
        compileBlock(f.compiler);
        EXPECT_EQ(f.compiler.errors.count(), 0) << expression;
        EXPECT_EQ(f.run(), kPassOk) << expression;
        return f.variable("r");
    }

    TokenFixture f;
};

struct CodeCase {
    const char* tokens;
    const char* code;
};

class ExpressionCodeTest : public ExpressionCompilerTest,
                           public ::testing::WithParamInterface<CodeCase> {};

// Literals take constant slots FFF, FFE, ... in order of first use; undeclared
// names become named constants 000, 001, ...; the array v has base slot 001.
TEST_P(ExpressionCodeTest, CompilesToPostfixItems) {
    const CodeCase& c = GetParam();
    const std::string tokens = c.tokens;
    f.setTokens(tokens);
    f.declareArray("v", 4);
    compileExpression(f.compiler);
    EXPECT_EQ(f.codeText(), c.code) << tokens;
    EXPECT_EQ(f.compiler.errors.count(), 0);
    EXPECT_EQ(f.compiler.tokenIndex, f.compiler.tokens.count());
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ExpressionCodeTest,
    ::testing::Values(
        CodeCase{"1 + 2 * 3", "cFFFcFFEcFFD#02#00"},
        CodeCase{"( 1 + 2 ) * 3", "cFFFcFFE#00cFFD#02"},
        CodeCase{"a * b ^ c", "c000c001c002#1C#02"}, CodeCase{"a ^ b ^ c", "c000c001c002#1C#1C"},
        CodeCase{"a * b ^ c ^ d", "c000c001c002#1C#02c003#1C"},
        CodeCase{"a * v [ i ] ^ c", "c000c001p001n004#02c002#1C"},
        CodeCase{"v [ 2 ] ^ c", "cFFFp001n004c000#1C"},
        CodeCase{"- v [ 2 ]", "cFFFcFFEp001n004#01"}, CodeCase{"- 2 ^ 2", "cFFFcFFE#01cFFE#1C"},
        CodeCase{"x > 0 && y > 0", "c000cFFF#05c001#0BcFFF#05"},
        CodeCase{"a < b + c", "c000c001#06c002#00"}, CodeCase{"a + b % c", "c000c001#00c002#04"},
        CodeCase{"! a + 1", "c000#0DcFFF#00"}, CodeCase{"2.5 * x + 2.5", "cFFFc000#02cFFF#00"},
        CodeCase{"sin ( x ) + cos ( x )", "c000#10c000#11#00"},
        CodeCase{"atan2 ( a , b + 1 )", "c000c001cFFF#00#16"},
        CodeCase{"limit ( x , 0 , 1 )", "c000cFFFcFFE#21"}, CodeCase{"int ( x )", "c000#22"},
        CodeCase{"random ( 1 )", "cFFF#26"}));

struct OperatorCase {
    const char* text;
    const char* item;
};

class OperatorEmissionTest : public ExpressionCompilerTest,
                             public ::testing::WithParamInterface<OperatorCase> {};

TEST_P(OperatorEmissionTest, EachBinaryOperatorAppendsItsOperation) {
    EXPECT_EQ(compile(std::string("a ") + GetParam().text + " b"),
              std::string("c000c001") + GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(
    AllOperators, OperatorEmissionTest,
    ::testing::Values(OperatorCase{"+", "#00"}, OperatorCase{"-", "#01"},
                      OperatorCase{"*", "#02"}, OperatorCase{"/", "#03"},
                      OperatorCase{"%", "#04"}, OperatorCase{">", "#05"},
                      OperatorCase{"<", "#06"}, OperatorCase{">=", "#07"},
                      OperatorCase{"<=", "#08"}, OperatorCase{"==", "#09"},
                      OperatorCase{"!=", "#0A"}, OperatorCase{"&&", "#0B"},
                      OperatorCase{"||", "#0C"}, OperatorCase{"&", "#0E"},
                      OperatorCase{"|", "#0F"}, OperatorCase{"^", "#1C"},
                      OperatorCase{"$", "#1D"}));

struct ValueCase {
    const char* expression;
    double value;
};

class ExpressionValueTest : public ExpressionCompilerTest,
                            public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ExpressionValueTest, RunsToTheExpectedValue) {
    EXPECT_DOUBLE_EQ(evaluate(GetParam().expression), GetParam().value) << GetParam().expression;
}

INSTANTIATE_TEST_SUITE_P(
    Machine, ExpressionValueTest,
    ::testing::Values(ValueCase{"2 ^ 3 ^ 2", 512}, ValueCase{"2 * 3 ^ 2 ^ 2", 324},
                      ValueCase{"- 2 ^ 2", 4}, ValueCase{"1 + 2 * 3", 7},
                      ValueCase{"( 1 + 2 ) * 3", 9}, ValueCase{"2 < 1 + 5", 5},
                      ValueCase{"10 - 4 - 3", 3}, ValueCase{"2 + 7 % 4", 1},
                      ValueCase{"! 3 + ! - 3", 1}, ValueCase{"sqrt ( 16 ) + abs ( - 2 )", 6},
                      ValueCase{"limit ( 5 , 0 , 1 )", 1}, ValueCase{"int ( - 2.7 )", -2}));

TEST_F(ExpressionCompilerTest, AllBinaryOperatorsShareOneLevel) {
    f.setTokens("{ x = 1 ; y = - 1 ; r = x > 0 && y > 0 ; q = ( x > 0 ) && ( y > 0 ) ; }");
    compileBlock(f.compiler);
    ASSERT_EQ(f.compiler.errors.count(), 0);
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("r"), 1.0);  // ((1 > 0) && -1) > 0
    EXPECT_EQ(f.variable("q"), 0.0);
}

TEST_F(ExpressionCompilerTest, ElementLoadReadsTheElementOnce) {
    f.setTokens("{ v [ 2 ] = 7 ; r = - v [ 2 ] ; s = v [ 1 + 1 ] * 2 ; }");
    f.declareArray("v", 3);
    compileBlock(f.compiler);
    ASSERT_EQ(f.compiler.errors.count(), 0);
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("r"), -7.0);
    EXPECT_EQ(f.variable("s"), 14.0);
}

TEST_F(ExpressionCompilerTest, LiteralsAndNamedConstantsGetTheirSlots) {
    EXPECT_EQ(compile("2.5 + 2.5 + 3 + - k + m"), "cFFFcFFF#00cFFE#00cFFDc000#01#00c001#00");
    EXPECT_EQ(f.compiler.layout.literalCount, 3);
    EXPECT_EQ(f.compiler.layout.namedConstantCount, 2);
    EXPECT_EQ(f.compiler.symbols[kFirstUserSymbol + 2].name, "0");
}

TEST_F(ExpressionCompilerTest, KnownVariableAndLocalLoads) {
    f.setTokens("x + y~2");
    f.declareVariable("x");
    f.declareVariable("y", 2);
    compileExpression(f.compiler);
    EXPECT_EQ(f.codeText(), "v001g001#00");
}

TEST_F(ExpressionCompilerTest, BraceBlockOfAnExpandedBodyLeavesItsReturnValue) {
    f.setTokens("{ r = {~1 t~1 =~1 3~1 ;~1 return~1 =~1 t~1 *~1 2~1 ;~1 }~1 + 1 ; }");
    compileBlock(f.compiler);
    ASSERT_EQ(f.compiler.errors.count(), 0);
    EXPECT_EQ(f.compiler.returnScope, 1);
    EXPECT_EQ(f.codeText(), "cFFFt001g001cFFE#02cFFD#00s001");
    ASSERT_EQ(f.run(), kPassOk);
    EXPECT_EQ(f.variable("r"), 7.0);
}

TEST_F(ExpressionCompilerTest, AuxReadsTheVariableOfTheLatestBody) {
    f.setTokens("aux ( t )");
    f.declareVariable("t", 1);
    f.compiler.returnScope = 1;
    compileExpression(f.compiler);
    EXPECT_EQ(f.codeText(), "g001");
    EXPECT_EQ(f.compiler.errors.count(), 0);
    EXPECT_EQ(f.compiler.tokenIndex, 4);
}

TEST_F(ExpressionCompilerTest, OutAndGraphSelectNamesWithoutCode) {
    f.setTokens("{ a = 1 ; b = 2 ; out ( a , b ) ; graph ( b ) ; }");
    compileBlock(f.compiler);
    EXPECT_EQ(f.compiler.errors.count(), 0);
    EXPECT_EQ(f.codeText(), "cFFFs001cFFEs002");
    EXPECT_EQ(f.compiler.plan.outputSelection, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(f.compiler.plan.graphList, (std::vector<std::string>{"b"}));
}

struct ErrorCase {
    const char* tokens;  // "v" is an array of 3 elements, "x" a variable, "_s" a string
    const char* head;
    const char* message;
    int consumed;  // tokens the expression consumed, -1 for all
};

class ExpressionErrorTest : public ExpressionCompilerTest,
                            public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ExpressionErrorTest, ReportsTheErrorLine) {
    const ErrorCase& e = GetParam();
    f.setTokens(e.tokens);
    f.declareArray("v", 3);
    f.declareVariable("x");
    f.declareString("_s", "abc");
    compileExpression(f.compiler);
    const std::vector<std::string> out = f.output();
    ASSERT_GE(out.size(), 2u) << e.tokens;
    EXPECT_EQ(out[0], e.head) << e.tokens;
    EXPECT_EQ(out[1], e.message) << e.tokens;
    EXPECT_GE(f.compiler.errors.count(), 1);
    EXPECT_EQ(f.compiler.tokenIndex, e.consumed < 0 ? f.compiler.tokens.count() : e.consumed)
        << e.tokens;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExpressionErrorTest,
    ::testing::Values(
        ErrorCase{"1 +\n)", "error 601-00002", " 使えない文字列 \")\" を検出しました。", 2},
        ErrorCase{"v [\n3 ]", "error 627-00002", " 配列の要素番号が範囲を超えています。", -1},
        ErrorCase{"v [ -1 ]", "error 627-00001", " 配列の要素番号が範囲を超えています。", -1},
        ErrorCase{"v\n+ 1", "error 628-00001", " 配列vの記述に矛盾があります。", -1},
        ErrorCase{"y~3", "error 308-00001", " ユーザ関数内のパラメータ y が未定義です", -1},
        ErrorCase{"y~3 (", "error 411-00001", " 関数 y は定義されていません", 1},
        ErrorCase{"out ( x ,\nq )", "error 246-00002", " out()の引数が未定義または非変数です", -1},
        ErrorCase{"graph ( )", "error 246-00001", " graph()の引数が未定義または非変数です", -1},
        ErrorCase{"out ( x\nx )", "error 247-00002", " out()の引数の記述を解読できません", -1},
        ErrorCase{"out ( x", "error 247-00001", " out()の引数の記述を解読できません", -1},
        ErrorCase{"aux ( q )", "error 213-00001", " 関数aux() の引数がみつかりません。", -1},
        ErrorCase{"aux ( 1 ) + 2", "error 214-00001", " 関数aux() の使い方に問題があります。", 3},
        ErrorCase{"sin x", "error 287-00001", " 関数 sin の記述に誤りがあります。", -1},
        ErrorCase{"fft + 1", "error 287-00001", " 関数 fft の記述に誤りがあります。", -1},
        ErrorCase{"random ( )", "error 288-00001", " 関数 random の引数は1個です。", -1},
        ErrorCase{"atan2 ( 1 )", "error 288-00001", " 関数 atan2 の引数は2個です。", -1},
        ErrorCase{"sin ( 1 2 )", "error 290-00001", " 関数の記述に誤りがあります。", 3},
        ErrorCase{"\"_s\" + 1", "error 629-00001",
                  " 文字列定数 \"_s\" は式の中では使えません。", -1},
        ErrorCase{"{ 1 }", "error 601-00001", " 使えない文字列 \"{\" を検出しました。", 0}));

TEST_F(ExpressionCompilerTest, OncePerLineErrorsAreDroppedOnTheSameLine) {
    f.setTokens("\"_s\" + \"_s\"\n+ \"_s\"");
    f.declareString("_s", "abc");
    compileExpression(f.compiler);
    const std::vector<std::string> out = f.output();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], "error 629-00001");
    EXPECT_EQ(out[2], "error 629-00002");
    EXPECT_EQ(f.compiler.tokenIndex, f.compiler.tokens.count());
    EXPECT_EQ(f.compiler.errors.count(), 2);
}

TEST_F(ExpressionCompilerTest, AlwaysReportedErrorsRepeatOnTheSameLine) {
    f.setTokens("out ( p , q )");
    compileExpression(f.compiler);
    EXPECT_EQ(f.compiler.errors.count(), 2);
    EXPECT_EQ(f.output().size(), 4u);
    EXPECT_EQ(f.compiler.tokenIndex, f.compiler.tokens.count());
}

TEST_F(ExpressionCompilerTest, UnknownFunctionReportsBothItsErrors) {
    f.setTokens("foo ( 1 )");
    f.compiler.tokens[0].kind = Kind::FUNC;
    compileExpression(f.compiler);
    const std::vector<std::string> out = f.output();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[1], "  \"foo\"  は関数ではありません。");
    EXPECT_EQ(out[3], " 関数 foo の引数は-1個です。");
}

TEST_F(ExpressionCompilerTest, UnterminatedInputStopsAtTheLastToken) {
    for (const char* tokens : {"out (", "out ( x ,", "sin (", "( ( (", "- - -", "aux (", "1 +"}) {
        f.setTokens(tokens);
        f.declareVariable("x");
        compileExpression(f.compiler);
        EXPECT_GE(f.compiler.errors.count(), 1) << tokens;
        EXPECT_LE(f.compiler.tokenIndex, f.compiler.tokens.count() + 1) << tokens;
    }
}

TEST_F(ExpressionCompilerTest, NestingBelowTheLimitCompiles) {
    std::string text = "1";
    for (int k = 0; k < 250; ++k) text = "( " + text + " )";
    EXPECT_EQ(evaluate(text), 1.0);
}

TEST_F(ExpressionCompilerTest, DeepNestingUpToTheTokenLimitStaysOnTheStack) {
    for (const auto& [unit, tokens] : {std::pair{"( ", 1}, {"- ", 1}, {"! ", 1}, {"sin ( ", 2},
                                       {"{~1 r~1 =~1 ", 3}, {"{~1 if~1 c~1 ", 3}}) {
        std::string text;
        for (int k = 0; k < kMaxTokens / tokens; ++k) text += unit;
        f.setTokens(text);
        compileExpression(f.compiler);
        ASSERT_GE(f.output().size(), 2u) << unit;
        EXPECT_EQ(f.output()[1], " 式または文の入れ子が256段を超えました。") << unit;
        EXPECT_LE(f.compiler.errors.count(), 3) << unit;
        EXPECT_EQ(f.compiler.nestingDepth, 0) << unit;
    }
}

}  // namespace
}  // namespace zentra
