#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/userfunc_fixture.h"
#include "userfunc/function_table.h"

namespace zentra {
namespace {

using test::UserFunctionFixture;

TEST(DefinitionScan, TableHoldsTheMainProgramAndEachDefinition) {
    UserFunctionFixture fx;
    fx.function({"h ( ) { return = 1 ; }"});
    fx.function({"g ( x , y , z )", "{", "return = x ;", "}"});
    fx.parameters({"a = 1 ;"});
    fx.program({"y = g ( a , h ( ) , 2 ) ;"});
    FunctionTable table;
    ASSERT_EQ(scanDefinitions(fx.compiler.tokens, fx.compiler.report, table), 3);
    EXPECT_EQ(table.used, 3);
    EXPECT_EQ(table[0].name, "proc");
    EXPECT_EQ(table[0].top, fx.indexOf("proc"));
    EXPECT_EQ(table[0].size, fx.compiler.tokens.count() - table[0].top);
    EXPECT_EQ(table[0].paramCount, 0);
    EXPECT_EQ(table[1].name, "h");
    EXPECT_EQ(table[1].top, 0);
    EXPECT_EQ(table[1].size, 9);
    EXPECT_EQ(table[1].paramCount, 0);
    EXPECT_EQ(table[2].name, "g");
    EXPECT_EQ(table[2].top, 9);
    EXPECT_EQ(table[2].size, 14);
    EXPECT_EQ(table[2].paramCount, 3);
    EXPECT_EQ(fx.compiler.tokenAt(0).kind, Kind::USER);
    EXPECT_EQ(fx.compiler.tokenAt(9).kind, Kind::USER);
    EXPECT_EQ(fx.compiler.tokenAt(fx.indexOf("h", 10)).kind, Kind::IDENT);  // the call
    EXPECT_EQ(fx.compiler.errors.count(), 0);
}

TEST(DefinitionScan, NoDefinitionsGivesOneEntry) {
    UserFunctionFixture fx;
    fx.program({"y = sin ( x ) ;"});
    FunctionTable table;
    EXPECT_EQ(scanDefinitions(fx.compiler.tokens, fx.compiler.report, table), 1);
    EXPECT_EQ(table[0].top, 0);
}

struct ScanErrorCase {
    const char* title;
    std::vector<std::vector<std::string>> functions;
    std::vector<std::string> parameters;
    bool withProgram;
    const char* errorLine;
};

void PrintTo(const ScanErrorCase& c, std::ostream* os) { *os << c.title; }

class DefinitionScanErrorTest : public ::testing::TestWithParam<ScanErrorCase> {};

TEST_P(DefinitionScanErrorTest, ReportsTheErrorAtItsLine) {
    const ScanErrorCase& c = GetParam();
    UserFunctionFixture fx;
    fx.host.output.appendLine("old result");
    for (const auto& function : c.functions) fx.function(function);
    fx.parameters(c.parameters);
    if (c.withProgram) fx.program({"y = 1 ;"});
    FunctionTable table;
    EXPECT_EQ(scanDefinitions(fx.compiler.tokens, fx.compiler.report, table), -1);
    EXPECT_EQ(fx.output(), std::vector<std::string>{c.errorLine});
    EXPECT_EQ(fx.compiler.errors.count(), 1);
    EXPECT_TRUE(fx.compiler.errors.outputStarted());
}

INSTANTIATE_TEST_SUITE_P(
    Errors, DefinitionScanErrorTest,
    ::testing::Values(
        ScanErrorCase{"Duplicate",
                      {{"f ( ) { return = 1 ; }"}, {"f ( x )", "{ return = x ; }"}},
                      {},
                      true,
                      "error 529-03001 ユーザ関数 f が重複しています。"},
        ScanErrorCase{"ParameterWithoutComma",
                      {{"f ( x y )", "{ return = x ; }"}},
                      {},
                      true,
                      "error 519-02001 \"f\" ユーザ関数の引数の記述に矛盾があります"},
        ScanErrorCase{"NumberAsParameter",
                      {{"f ( 1 ) { return = 1 ; }"}},
                      {},
                      true,
                      "error 519-02001 \"f\" ユーザ関数の引数の記述に矛盾があります"},
        ScanErrorCase{"TrailingComma",
                      {{"f ( x , ) { return = 1 ; }"}},
                      {},
                      true,
                      "error 519-02001 \"f\" ユーザ関数の引数の記述に矛盾があります"},
        ScanErrorCase{"CallInTheParameterArea",
                      {},
                      {"a = 1 ;", "b = f ( 2 ) ;"},
                      true,
                      "error 519-01002 \"f\" ユーザ関数の引数の記述に矛盾があります"},
        ScanErrorCase{"NoBrace",
                      {{"f ( x )", "return = x ;"}},
                      {},
                      true,
                      "error 514-02001 \"f\" ユーザ関数の書式に矛盾があります。"},
        ScanErrorCase{"NotClosed",
                      {{"f ( x )", "{", "return = x ;"}},
                      {},
                      true,
                      "error 516-02001 \"f\" ユーザ関数が閉じていません。"},
        ScanErrorCase{"NoReturn",
                      {{"f ( x )", "{", "y = x ;", "}"}},
                      {},
                      true,
                      "error 501-02004 \"f\" ユーザ関数には return文が必要です"},
        ScanErrorCase{"TwoReturns",
                      {{"f ( x )", "{", "return = x ;", "if ( x > 0 ) { return = 1 ; }", "}"}},
                      {},
                      true,
                      "error 502-02005 \"f\" ユーザ関数に複数の return文があります"},
        ScanErrorCase{"NoMainProgram",
                      {{"f ( x ) { return = x ; }"}},
                      {"a = 1 ;"},
                      false,
                      "error 552-00000 "
                      "メインソースが見つかりません。ユーザ関数の記述に矛盾があります。"}),
    [](const auto& test) { return std::string(test.param.title); });

TEST(DefinitionScan, ErrorLineNamesTheAreaInTheStatusText) {
    UserFunctionFixture fx;
    fx.function({"f ( x ) { return = x ; }"});
    fx.function({"f ( ) { return = 1 ; }"});
    fx.program({"y = 1 ;"});
    FunctionTable table;
    scanDefinitions(fx.compiler.tokens, fx.compiler.report, table);
    EXPECT_EQ(fx.host.statusTexts[0], "ユーザ関数の記述にエラーがあります");

    UserFunctionFixture parameterError;
    parameterError.parameters({"b = f ( 2 ) ;"});
    parameterError.program({"y = 1 ;"});
    scanDefinitions(parameterError.compiler.tokens, parameterError.compiler.report, table);
    EXPECT_EQ(parameterError.host.statusTexts[0], "パラメータ定義エリアの記述にエラーがあります");
}

TEST(DefinitionScan, LaterErrorsOfTheRunAppendWithoutClearing) {
    UserFunctionFixture fx;
    fx.compiler.errorAt(104, makePosition(kProgramArea, 1), "文字列の解読ができません");
    fx.function({"f ( x ) { y = x ; }"});
    fx.program({"y = 1 ;"});
    FunctionTable table;
    scanDefinitions(fx.compiler.tokens, fx.compiler.report, table);
    EXPECT_EQ(fx.output(), (std::vector<std::string>{
                               "error 104-00001", " 文字列の解読ができません",
                               "error 501-02001 \"f\" ユーザ関数には return文が必要です"}));
}

TEST(DefinitionScan, NineteenDefinitionsFitTwentyDoNot) {
    for (const int count : {19, 20}) {
        UserFunctionFixture fx;
        for (int i = 0; i < count; ++i)
            fx.function({"f" + std::to_string(i) + " ( ) { return = 1 ; }"});
        fx.program({"y = 1 ;"});
        FunctionTable table;
        if (count == 19) {
            EXPECT_EQ(scanDefinitions(fx.compiler.tokens, fx.compiler.report, table), 20);
            EXPECT_EQ(table[19].name, "f18");
            EXPECT_TRUE(fx.output().empty());
        } else {
            EXPECT_EQ(scanDefinitions(fx.compiler.tokens, fx.compiler.report, table), -1);
            EXPECT_EQ(fx.output(),
                      std::vector<std::string>{
                          "error 590-21001 \"f19\" ユーザ関数の数が19個を超えました。"});
        }
    }
}

}  // namespace
}  // namespace zentra
