#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/userfunc_fixture.h"
#include "userfunc/expansion.h"

namespace zentra {
namespace {

using test::UserFunctionFixture;

struct ErrorCase {
    const char* title;
    std::vector<std::vector<std::string>> functions;
    std::vector<std::string> program;
    const char* errorLine;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.title; }

class ExpansionErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ExpansionErrorTest, StopsWithOneErrorLine) {
    const ErrorCase& c = GetParam();
    UserFunctionFixture fx;
    for (const auto& function : c.functions) fx.function(function);
    fx.program(c.program);
    EXPECT_EQ(fx.expand(), -1);
    EXPECT_EQ(fx.output(), std::vector<std::string>{c.errorLine});
    EXPECT_EQ(fx.compiler.errors.count(), 1);
    const int area = std::stoi(std::string(c.errorLine).substr(10, 2));
    EXPECT_EQ(fx.host.statusTexts[0], std::string(area == 0 ? "プログラムエリア" : "ユーザ関数") +
                                          "の記述にエラーがあります");
}

const std::vector<std::string> kOne{"f ( x ) { return = x + 1 ; }"};
const std::vector<std::string> kTwo{"g ( x , y ) { return = x - y ; }"};

INSTANTIATE_TEST_SUITE_P(
    Errors, ExpansionErrorTest,
    ::testing::Values(ErrorCase{"CallNotClosed",
                                {kOne},
                                {"y = f ( a ;"},
                                "error 560-00001 \"f\" ユーザ関数の使い方に矛盾があります。"},
                      ErrorCase{"AssignmentInAnArgument",
                                {kTwo},
                                {"z = 1 ;", "y = g ( a = 1 , b ) ;"},
                                "error 570-00002 \"g\" ユーザ関数引数の記述に矛盾があります。"},
                      ErrorCase{"TooFewArguments",
                                {kTwo},
                                {"y = g ( a ) ;"},
                                "error 570-00001 \"g\" ユーザ関数引数の記述に矛盾があります。"},
                      ErrorCase{"TooManyArguments",
                                {kOne},
                                {"y = f ( a , b ) ;"},
                                "error 570-00001 \"f\" ユーザ関数引数の記述に矛盾があります。"},
                      ErrorCase{"ArgumentRunsPastTheEnd",
                                {kOne},
                                {"y = f ( ( a ) ;"},
                                "error 571-00001 \"f\" ユーザ関数引数の記述に誤りがあります。"},
                      ErrorCase{"StringArgument",
                                {kOne},
                                {"y = f ( \"s\" ) ;"},
                                "error 515-00001 \"f\" ユーザ関数の引数 s に矛盾があります。"},
                      ErrorCase{"ArgumentForAFunctionWithoutParameters",
                                {{"one ( ) { return = 1 ; }"}},
                                {"y = one ( a ) ;"},
                                "error 516-00001 \"one\" ユーザ関数の使い方に矛盾があります。"},
                      ErrorCase{"ErrorInsideADefinition",
                                {kOne, {"h ( x ) {", "t = x ;", "return = f ( \"s\" ) ;", "}"}},
                                {"y = h ( 1 ) ;"},
                                "error 515-03003 \"f\" ユーザ関数の引数 s に矛盾があります。"},
                      ErrorCase{"DirectRecursion",
                                {{"f ( x ) { return = f ( x ) ; }"}},
                                {"y = f ( 1 ) ;"},
                                "error 592-02001 ユーザ関数 f は再帰呼び出しできません。"},
                      ErrorCase{"RecursionThroughAnother",
                                {{"g ( x ) { return = f ( x ) ; }"},
                                 {"f ( x )", "{ return = g ( x ) + 1 ; }"}},
                                {"y = f ( 1 ) ;"},
                                "error 592-03002 ユーザ関数 g は再帰呼び出しできません。"}),
    [](const auto& test) { return std::string(test.param.title); });

TEST(ExpansionRecursion, SharedCalleesAreNoRecursion) {
    UserFunctionFixture fx;
    fx.function({"d ( x ) { return = x ; }"});
    fx.function({"b ( x ) { return = d ( x ) + 1 ; }"});
    fx.function({"c ( x ) { return = d ( x ) * 2 ; }"});
    fx.function({"a ( x ) { return = b ( x ) + c ( x ) ; }"});
    fx.program({"y = a ( 1 ) ;"});
    ASSERT_GT(fx.expand(), 0) << testing::PrintToString(fx.output());
    EXPECT_TRUE(fx.output().empty());
    EXPECT_EQ(fx.texts().find("("), std::string::npos) << fx.texts();
    EXPECT_EQ(fx.texts().substr(0, 12), "proc { y = {");
}

// Each line hoists its call (4 tokens) while the inlining itself adds none.
TEST(ExpansionLimits, HoistingStopsAtTheTokenLimit) {
    UserFunctionFixture fx;
    fx.function({"f2 ( a , b ) { return = a ; }"});
    std::vector<std::string> lines(370, "y = 1 + f2 ( a , b ) ;");
    fx.program(lines);
    ASSERT_EQ(fx.compiler.tokens.count(), 4086);
    fx.compiler.tokens[kMaxTokens] = Token{12345, Kind::None, "\\", 0};
    EXPECT_EQ(fx.expand(), -1);
    EXPECT_EQ(fx.output(),
              std::vector<std::string>{
                  "error 591-00003 \"f2\" ユーザ関数の展開でトークン数が4096個を超えました。"});
    EXPECT_EQ(fx.compiler.tokens[kMaxTokens].text, "\\");
    EXPECT_EQ(fx.compiler.tokens[kMaxTokens].position, 12345);
}

TEST(ExpansionLimits, InliningStopsAtTheTokenLimit) {
    UserFunctionFixture fx;
    std::string body = "big ( x ) { return = x";
    for (int i = 0; i < 200; ++i) body += " + 1";
    fx.function({body + " ; }"});
    fx.program(std::vector<std::string>(12, "y = big ( a ) ;"));
    fx.compiler.tokens[kMaxTokens] = Token{12345, Kind::None, "\\", 0};
    EXPECT_EQ(fx.expand(), -1);
    // 410 tokens of the definition, 88 of the program; each copy adds 402.
    EXPECT_EQ(fx.output(),
              std::vector<std::string>{
                  "error 591-00009 \"big\" ユーザ関数の展開でトークン数が4096個を超えました。"});
    EXPECT_EQ(fx.compiler.tokens[kMaxTokens].text, "\\");
    EXPECT_LE(fx.compiler.tokens.count(), kMaxTokens);
}

TEST(ExpansionLimits, ExpansionThatFillsTheArrayExactlySucceeds) {
    UserFunctionFixture fx;
    fx.function({"f2 ( a , b ) { return = a ; }"});
    std::vector<std::string> lines(2, "y = 1 + f2 ( a , b ) ;");
    lines.resize(406, "z = ( 1 + 2 ) * 3 ;");
    lines.push_back("z = 1 + 2 + 3 ;");
    lines.push_back("w ;");
    fx.program(lines);
    ASSERT_EQ(fx.compiler.tokens.count(), kMaxTokens - 8);
    EXPECT_EQ(fx.expand(), kMaxTokens - 12) << testing::PrintToString(fx.output());
    EXPECT_TRUE(fx.output().empty());
    EXPECT_TRUE(fx.traced("ADDF f2("));
}

}  // namespace
}  // namespace zentra
