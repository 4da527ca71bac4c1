#include "userfunc/expansion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front/display_name.h"
#include "support/userfunc_fixture.h"

namespace zentra {
namespace {

using test::UserFunctionFixture;

const std::vector<std::string> kTwice{"f ( x )", "{", "return = x * 2 ;", "}"};

TEST(Expansion, CallAsWholeRightSideNeedsNoTemporary) {
    UserFunctionFixture fx;
    fx.function(kTwice);
    fx.program({"y = f ( a ) ;"});
    const int count = fx.expand();
    EXPECT_EQ(fx.texts(), "proc { y = { return = a * 2 ; } ; } ;");
    EXPECT_EQ(count, 15);
    EXPECT_EQ(fx.compiler.tokens.count(), 15);
    EXPECT_EQ(fx.compiler.tokens[15].text, "\\");
    EXPECT_EQ(fx.scopedTexts(), "proc { y = {(2) return(2) =(2) a *(2) 2(2) ;(2) }(2) ; } ;");
    EXPECT_TRUE(fx.traced("; : addDefFN 処理不要"));
    EXPECT_TRUE(fx.traced("x of f --> a"));
    EXPECT_TRUE(fx.traced("showTOKEN *2;};};"));
    EXPECT_EQ(fx.compiler.errors.count(), 0);
}

TEST(Expansion, MonitorShowsTheTableAndTheListing) {
    UserFunctionFixture fx;
    fx.function(kTwice);
    fx.program({"y = f ( a ) ;"});
    fx.expand();
    const std::vector<std::string> expected{"numUser = 2",
                                            "user[0].name  = proc",
                                            "user[0].top   = 12",
                                            "user[0].size  = 11",
                                            "user[0].param = 0",
                                            "user[1].name  = f",
                                            "user[1].top   = 0",
                                            "user[1].size  = 12",
                                            "user[1].param = 1",
                                            "; : addDefFN 処理不要",
                                            "x of f --> a",
                                            "showTOKEN *2;};};",
                                            "--------uFunc Over---------",
                                            "proc{y={return=a*2;",
                                            "}",
                                            ";",
                                            "}",
                                            ";"};
    EXPECT_EQ(fx.messages(), expected);
}

TEST(Expansion, CallInsideAnExpressionIsHoisted) {
    UserFunctionFixture fx;
    fx.function(kTwice);
    fx.program({"y = 1 + f ( a ) ;"});
    fx.expand();
    EXPECT_EQ(fx.texts(), "proc { ~userF2 = { return = a * 2 ; } ; y = 1 + ~userF2 ; } ;");
    EXPECT_TRUE(fx.traced("ADDF f("));
    const Token& temporary = fx.compiler.tokenAt(fx.indexOf("~userF2"));
    EXPECT_EQ(temporary.kind, Kind::IDENT);
    EXPECT_EQ(temporary.position, makePosition(0, 1));
}

TEST(Expansion, ProgramWithoutDefinitionsIsUnchanged) {
    UserFunctionFixture fx;
    fx.program({"y = g ( a ) ;"});
    EXPECT_EQ(fx.expand(), 11);
    EXPECT_EQ(fx.texts(), "proc { y = g ( a ) ; } ;");
    EXPECT_EQ(fx.messages(),
              (std::vector<std::string>{"numUser = 1", "user[0].name  = proc", "user[0].top   = 0",
                                        "user[0].size  = 11", "user[0].param = 0"}));
}

struct ExpansionCase {
    const char* title;
    std::vector<std::vector<std::string>> functions;
    std::vector<std::string> program;
    const char* expected;  // the tokens from "proc" on
};

void PrintTo(const ExpansionCase& c, std::ostream* os) { *os << c.title; }

class ExpansionResultTest : public ::testing::TestWithParam<ExpansionCase> {};

TEST_P(ExpansionResultTest, TokensAfterExpansion) {
    const ExpansionCase& c = GetParam();
    UserFunctionFixture fx;
    for (const auto& function : c.functions) fx.function(function);
    fx.parameters({"a = 1 ;", "b = 2 ;"});
    fx.program(c.program);
    ASSERT_GT(fx.expand(), 0) << testing::PrintToString(fx.output());
    EXPECT_EQ(fx.programTexts(), c.expected);
    EXPECT_EQ(fx.compiler.errors.count(), 0);
}

const std::vector<std::string> kMinus{"g ( x , y ) { return = x - y ; }"};

INSTANTIATE_TEST_SUITE_P(
    Calls, ExpansionResultTest,
    ::testing::Values(
        ExpansionCase{"FirstArgumentHoisted",
                      {kMinus},
                      {"y = g ( a + 1 , b ) ;"},
                      "proc { ~userQ2_0 = a + 1 ; y = { return = ~userQ2_0 - b ; } ; } ;"},
        ExpansionCase{"LastArgumentHoisted",
                      {kMinus},
                      {"y = g ( b , ( a + 1 ) * 2 ) ;"},
                      "proc { ~userQ2_1 = ( a + 1 ) * 2 ; ~userF2 = { return = b - ~userQ2_1 ; } ; "
                      "y = ~userF2 ; } ;"},
        ExpansionCase{"BothArgumentsInOrder",
                      {kMinus},
                      {"y = g ( a * 2 , b / 2 ) ;"},
                      "proc { ~userQ2_0 = a * 2 ; ~userQ2_1 = b / 2 ; "
                      "y = { return = ~userQ2_0 - ~userQ2_1 ; } ; } ;"},
        ExpansionCase{
            "BuiltinCallWithCommasAsArgument",
            {kMinus},
            {"y = g ( atan2 ( a , b ) , 1 ) ;"},
            "proc { ~userQ2_0 = atan2 ( a , b ) ; ~userF2 = { return = ~userQ2_0 - 1 ; } ; "
            "y = ~userF2 ; } ;"},
        ExpansionCase{"ExchangedArguments",
                      {kMinus},
                      {"z = g ( y , x ) ;"},
                      "proc { z = { return = y - x ; } ; } ;"},
        ExpansionCase{"HoistedCallAndArgument",
                      {kMinus},
                      {"y = 1 + g ( a + 1 , b ) ;"},
                      "proc { ~userQ2_0 = a + 1 ; ~userF2 = { return = ~userQ2_0 - b ; } ; "
                      "y = 1 + ~userF2 ; } ;"},
        ExpansionCase{"NoParameters",
                      {{"one ( ) { return = 1 ; }"}},
                      {"y = one ( ) + one ( ) ;"},
                      "proc { ~userF2 = { return = 1 ; } ; ~userF3 = { return = 1 ; } ; "
                      "y = ~userF2 + ~userF3 ; } ;"},
        ExpansionCase{"CallInIfCondition",
                      {kTwice},
                      {"if ( f ( a ) > 2 ) {", "y = 1 ;", "}"},
                      "proc { ~userF2 = { return = a * 2 ; } ; if ( ~userF2 > 2 ) { y = 1 ; } } ;"},
        ExpansionCase{"CallInWhileConditionIsEvaluatedOnceBeforeTheLoop",
                      {kTwice},
                      {"i = 3 ;", "while ( f ( i ) > 2 ) {", "i = i - 1 ;", "}"},
                      "proc { i = 3 ; ~userF2 = { return = i * 2 ; } ; "
                      "while ( ~userF2 > 2 ) { i = i - 1 ; } } ;"},
        ExpansionCase{"NestedCallInTheArgument",
                      {{"sq ( x ) { return = x * x ; }"}, {"twice ( x ) { return = x * 2 ; }"}},
                      {"y = sq ( twice ( 2 ) ) ;"},
                      "proc { ~userQ2_0 = { return = 2 * 2 ; } ; "
                      "~userF2 = { return = ~userQ2_0 * ~userQ2_0 ; } ; y = ~userF2 ; } ;"},
        ExpansionCase{"NestedCallsBothWays",
                      {{"twice ( x ) { return = x * 2 ; }"}, {"sq ( x ) { return = x * x ; }"}},
                      {"y = twice ( sq ( a ) ) + sq ( twice ( b ) ) ;"},
                      "proc { ~userQ2_0 = { return = a * a ; } ; "
                      "~userF2 = { return = ~userQ2_0 * 2 ; } ; "
                      "~userQ4_0 = { return = b * 2 ; } ; "
                      "~userF4 = { return = ~userQ4_0 * ~userQ4_0 ; } ; "
                      "y = ~userF2 + ~userF4 ; } ;"},
        ExpansionCase{"CallOfAnUnlistedFunctionStays",
                      {kTwice},
                      {"y = h ( a ) ;"},
                      "proc { y = h ( a ) ; } ;"}),
    [](const auto& test) { return std::string(test.param.title); });

// A call in an elsif condition turns that part into "else { if ... }", so
// that the call is evaluated where the condition is tested.
INSTANTIATE_TEST_SUITE_P(
    Elsif, ExpansionResultTest,
    ::testing::Values(
        ExpansionCase{"CallInTheCondition",
                      {kTwice},
                      {"if a > 0 { y = 1 ; } elsif f ( a ) > 1 { y = 2 ; } else { y = 3 ; }"},
                      "proc { if a > 0 { y = 1 ; } else { ~userF2 = { return = a * 2 ; } ; "
                      "if ~userF2 > 1 { y = 2 ; } else { y = 3 ; } } } ;"},
        ExpansionCase{
            "WholeConditionIsInlinedInPlace",
            {kTwice},
            {"if a > 0 { y = 1 ; } elsif f ( a ) { y = 2 ; }"},
            "proc { if a > 0 { y = 1 ; } else { if { return = a * 2 ; } { y = 2 ; } } } ;"},
        ExpansionCase{"CallsInTwoParts",
                      {kTwice},
                      {"if a > 0 { y = 1 ; }", "elsif f ( a ) > 1 { y = 2 ; }",
                       "elsif ( f ( b ) > 1 ) { y = 3 ; }"},
                      "proc { if a > 0 { y = 1 ; } else { ~userF2 = { return = a * 2 ; } ; "
                      "if ~userF2 > 1 { y = 2 ; } else { ~userF3 = { return = b * 2 ; } ; "
                      "if ( ~userF3 > 1 ) { y = 3 ; } } } } ;"},
        ExpansionCase{"HoistedArgumentStaysInThePart",
                      {kMinus},
                      {"if a > 0 { y = 1 ; } elsif g ( a + 1 , b ) > 0 { y = 2 ; }"},
                      "proc { if a > 0 { y = 1 ; } else { ~userQ2_0 = a + 1 ; "
                      "~userF2 = { return = ~userQ2_0 - b ; } ; if ~userF2 > 0 { y = 2 ; } } } ;"},
        ExpansionCase{"CallInAnElsifBlockIsLeftThere",
                      {kTwice},
                      {"if a > 0 { y = 1 ; } elsif a < 0 { y = 1 + f ( a ) ; }"},
                      "proc { if a > 0 { y = 1 ; } elsif a < 0 { ~userF2 = { return = a * 2 ; } ; "
                      "y = 1 + ~userF2 ; } } ;"},
        ExpansionCase{"ElsifInAFunctionBody",
                      {kTwice,
                       {"h ( x ) {", "if x > 0 { t = 1 ; } elsif f ( x ) > 1 { t = 2 ; }",
                        "else { t = 3 ; }", "return = t ;", "}"}},
                      {"y = h ( a ) ;"},
                      "proc { y = { if a > 0 { t = 1 ; } else { ~userF2 = { return = a * 2 ; } ; "
                      "if ~userF2 > 1 { t = 2 ; } else { t = 3 ; } } return = t ; } ; } ;"},
        // Without its block the part is not changed: the parser reports it.
        ExpansionCase{"ElsifWithoutABlockIsLeftToTheParser",
                      {kTwice},
                      {"if a > 0 { y = 1 ; } elsif f ( a ) > 1 ; y = 2 ;"},
                      "proc { if a > 0 { y = 1 ; } ~userF2 = { return = a * 2 ; } ; "
                      "elsif ~userF2 > 1 ; y = 2 ; } ;"},
        ExpansionCase{"ElsifWithoutAnIfIsLeftToTheParser",
                      {kTwice},
                      {"y = 1 ; elsif f ( a ) > 1 { y = 2 ; }"},
                      "proc { y = 1 ; ~userF2 = { return = a * 2 ; } ; "
                      "elsif ~userF2 > 1 { y = 2 ; } } ;"},
        ExpansionCase{"ElsifAfterAWhileIsLeftToTheParser",
                      {kTwice},
                      {"while a > 0 { a = a - 1 ; } elsif f ( a ) > 1 { y = 2 ; }"},
                      "proc { while a > 0 { a = a - 1 ; } ~userF2 = { return = a * 2 ; } ; "
                      "elsif ~userF2 > 1 { y = 2 ; } } ;"},
        ExpansionCase{"ElsifAfterAConditionExpandedInPlace",
                      {kTwice},
                      {"if f ( a ) { y = 1 ; } elsif f ( b ) > 1 { y = 2 ; }"},
                      "proc { if { return = a * 2 ; } { y = 1 ; } else { "
                      "~userF3 = { return = b * 2 ; } ; if ~userF3 > 1 { y = 2 ; } } } ;"}),
    [](const auto& test) { return std::string(test.param.title); });

TEST(Expansion, OpeningAnElsifStopsAtTheTokenLimit) {
    UserFunctionFixture fx;
    fx.function(kTwice);
    std::vector<std::string> lines{"if a > 0 { y = 1 ; } elsif f ( a ) { y = 2 ; }",
                                   "w = - 1 + 2 ;"};
    lines.resize(1015, "z = 1 ;");
    fx.program(lines);
    ASSERT_EQ(fx.compiler.tokens.count(), kMaxTokens);
    EXPECT_EQ(fx.expand(), -1);
    EXPECT_EQ(fx.output(),
              std::vector<std::string>{
                  "error 591-00001 \"f\" ユーザ関数の展開でトークン数が4096個を超えました。"});
}

TEST(Expansion, TemporariesAreShownAsWhatTheyHold) {
    UserFunctionFixture fx;
    fx.function(kMinus);
    fx.program({"y = 1 + g ( a + 1 , b ) ;"});
    ASSERT_GT(fx.expand(), 0);
    EXPECT_EQ(displayName(fx.compiler.names, "~userF2"), "g(a+1,b)");
    EXPECT_EQ(displayName(fx.compiler.names, "~userQ2_0"), "a+1");
}

TEST(Expansion, ArgumentHoistingIsTraced) {
    UserFunctionFixture fx;
    fx.function(kMinus);
    fx.program({"y = g ( a + 1 , b ) ;"});
    ASSERT_GT(fx.expand(), 0);
    EXPECT_TRUE(fx.traced("g c=0 eq=3 pEq=20 a+1"));
    EXPECT_TRUE(fx.traced("x of g --> ~userQ2_0"));
    EXPECT_TRUE(fx.traced("y of g --> b"));
}

TEST(Expansion, ChainIsCopiedInnermostFirst) {
    UserFunctionFixture fx;
    fx.function({"h ( x ) { return = x + 1 ; }"});
    fx.function({"g ( x ) { return = h ( x ) * 2 ; }"});
    fx.function({"f ( x ) { return = g ( x ) - 3 ; }"});
    fx.program({"y = f ( a ) ;"});
    ASSERT_GT(fx.expand(), 0);
    EXPECT_EQ(fx.texts(),
              "proc { y = { ~userF3 = { ~userF2 = { return = a + 1 ; } ; "
              "return = ~userF2 * 2 ; } ; return = ~userF3 - 3 ; } ; } ;");
    // h into g at level 2, g into f at 3 (h's tokens 2 + 3), f into the program at 6.
    EXPECT_EQ(fx.scopedTexts(fx.indexOf("y")),
              "y = {(6) ~userF3(6) =(6) {(9) ~userF2(9) =(9) {(11) return(11) =(11) a +(11) "
              "1(11) ;(11) }(11) ;(9) return(9) =(9) ~userF2(9) *(9) 2(9) ;(9) }(9) ;(6) "
              "return(6) =(6) ~userF3(6) -(6) 3(6) ;(6) }(6) ; } ;");
}

TEST(Expansion, LocalNamesOfACopyAreApartFromTheProgramsNames) {
    UserFunctionFixture fx;
    fx.function({"f ( x ) {", "var t ;", "t = x * 2 ;", "return = t ;", "}"});
    fx.program({"t = 1 ;", "y = f ( t ) + t ;"});
    ASSERT_GT(fx.expand(), 0);
    EXPECT_EQ(fx.scopedTexts(fx.indexOf("~userF2")),
              "~userF2 = {(2) var(2) t(2) ;(2) t(2) =(2) t *(2) 2(2) ;(2) return(2) =(2) "
              "t(2) ;(2) }(2) ; y = ~userF2 + t ; } ;");
}

TEST(Expansion, ParameterOfTheCalleeDoesNotReachLocalsOfItsOwnCallees) {
    // g's local x is not f's parameter x.
    UserFunctionFixture fx;
    fx.function({"g ( y ) { var x ; x = y + 1 ; return = x ; }"});
    fx.function({"f ( x ) { return = g ( 1 ) * x ; }"});
    fx.program({"z = f ( a ) ;"});
    ASSERT_GT(fx.expand(), 0);
    EXPECT_EQ(fx.programTexts(),
              "proc { z = { ~userF2 = { var x ; x = 1 + 1 ; return = x ; } ; "
              "return = ~userF2 * a ; } ; } ;");
}

TEST(Expansion, BodyNamesAreLocalEvenWhenTheParameterAreaDefinesThem) {
    // Constants of the parameter area must be passed as arguments.
    UserFunctionFixture fx;
    fx.function({"f ( x ) { return = x * k ; }"});
    fx.parameters({"k = 5 ;"});
    fx.program({"y = f ( k ) ;"});
    ASSERT_GT(fx.expand(), 0);
    EXPECT_EQ(fx.scopedTexts(),
              "k = 5 ; proc { y = {(2) return(2) =(2) k *(2) k(2) ;(2) }(2) ; } ;");
}

TEST(Expansion, ScopeLevelsOfEarlierRunsAreCleared) {
    UserFunctionFixture fx;
    fx.function(kTwice);
    fx.program({"y = f ( a ) ;"});
    for (int i = 0; i < fx.compiler.tokens.count(); ++i)
        fx.compiler.tokens[static_cast<std::size_t>(i)].scope = 7;
    fx.compiler.tokens[kMaxTokens - 1].scope = 7;
    ASSERT_GT(fx.expand(), 0);
    EXPECT_EQ(fx.compiler.tokenAt(fx.indexOf("y")).scope, 0);
    EXPECT_EQ(fx.compiler.tokenAt(fx.indexOf("return")).scope, 2);
    EXPECT_EQ(fx.compiler.tokens[kMaxTokens - 1].scope, 0);
}

}  // namespace
}  // namespace zentra
