#include "front/declare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "front/parser_passes.h"
#include "support/declare_fixture.h"

namespace zentra {
namespace {

using test::DeclareBench;

std::vector<double> sweepValues(const DeclareBench& bench) {
    std::vector<double> values;
    const Compiler& c = bench.compiler;
    for (int i = 0; i < c.plan.passCount; ++i) values.push_back(bench.constant(c.plan.sweptSlot - i));
    return values;
}

TEST(Declare, ConstantStoresItsValueAndTurnsLaterUsesIntoDigits) {
    DeclareBench bench;
    bench.load("_x = 2.5 ;\nproc { _y = _x ; }");
    bench.declareAll();

    EXPECT_EQ(bench.compiler.errors.count(), 0);
    EXPECT_DOUBLE_EQ(bench.constant(4095), 2.5);
    EXPECT_EQ(bench.traces(), std::vector<std::string>{"Declare() 0: gCon[FFF]=2.5"});
    const Symbol& x = bench.symbol(40);
    EXPECT_EQ(x.kind, Kind::DIGIT);
    EXPECT_EQ(x.name, "_x");
    EXPECT_EQ(x.code, (SymbolCode{CodeClass::LoadConstant, 0xFFF}));
    EXPECT_EQ(bench.compiler.tokenAt(8).text, "_x");
    EXPECT_EQ(bench.compiler.tokenAt(8).kind, Kind::DIGIT);
    EXPECT_EQ(bench.compiler.plan.passCount, 1);
    EXPECT_EQ(bench.compiler.plan.sweptSlot, 0);
    EXPECT_EQ(bench.compiler.plan.sweptName, "");
    EXPECT_TRUE(bench.compiler.currentIs(Kind::PROC));
}

TEST(Declare, ValueListSweepsDownFromTheConstantsSlot) {
    DeclareBench bench;
    bench.load("_x = 1 , 2 , 3 ;");
    bench.declareAll();

    EXPECT_EQ(bench.compiler.errors.count(), 0);
    EXPECT_EQ(bench.compiler.plan.passCount, 3);
    EXPECT_EQ(bench.compiler.plan.sweptSlot, 4095);
    EXPECT_EQ(bench.compiler.plan.sweptName, "_x");
    EXPECT_EQ(bench.compiler.layout.literalCount, 3);
    EXPECT_EQ(sweepValues(bench), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(bench.traces(), (std::vector<std::string>{"Declare() 0: gCon[FFF]=1",
                                                         "Declare() 1: gCon[FFE]=2",
                                                         "Declare() 1: gCon[FFD]=3"}));
}

TEST(Declare, LaterLiteralsTakeTheSlotsBelowTheSweep) {
    DeclareBench bench;
    bench.load("_x = 1 , 2 ;\n_y = 7 ;");
    bench.declareAll();
    EXPECT_EQ(bench.symbol(41).code, (SymbolCode{CodeClass::LoadConstant, 0xFFD}));
    EXPECT_DOUBLE_EQ(bench.constant(4093), 7);
    EXPECT_EQ(bench.compiler.plan.passCount, 2);
}

struct RangeCase {
    const char* values;
    std::vector<double> expected;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.values; }

class DeclareRange : public testing::TestWithParam<RangeCase> {};

TEST_P(DeclareRange, FillsTheStepsUpToTheFinalValue) {
    DeclareBench bench;
    bench.load(std::string("_x = ") + GetParam().values + " ;");
    bench.declareAll();

    EXPECT_EQ(bench.compiler.errors.count(), 0) << bench.output().front();
    const std::vector<double> values = sweepValues(bench);
    ASSERT_EQ(values.size(), GetParam().expected.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_NEAR(values[i], GetParam().expected[i], 1e-12) << "value " << i;
    }
    EXPECT_EQ(values.back(), GetParam().expected.back()) << "the final value is stored as written";
    EXPECT_EQ(bench.compiler.layout.literalCount, static_cast<int>(values.size()));
    EXPECT_EQ(bench.compiler.plan.sweptSlot, 4095);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DeclareRange,
    testing::Values(RangeCase{"0 , 0.25 , ... , 1", {0, 0.25, 0.5, 0.75, 1}},
                    RangeCase{"0 , 0.3 , ... , 1", {0, 0.3, 0.6, 0.9, 1}},
                    RangeCase{"0 , 1 , ... , 1.5", {0, 1, 1.5}},
                    RangeCase{"10 , 8 , ... , 0", {10, 8, 6, 4, 2, 0}},
                    RangeCase{"0 , 0.1 , ... , 1", {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1}},
                    RangeCase{"-5 , -3 , ... , 1", {-5, -3, -1, 1}},
                    RangeCase{"0 , 1 , ... , 3 , 5 , ... , 9", {0, 1, 2, 3, 5, 7, 9}},
                    RangeCase{"1 , 2 , .. , 3", {1, 2, 3}},
                    RangeCase{"1.5E-3 , 2E-3 , ... , 3E-3", {1.5e-3, 2e-3, 2.5e-3, 3e-3}}));

TEST(Declare, RangeTracesItsParametersBeforeFilling) {
    DeclareBench bench;
    bench.load("_x = 0 , 0.25 , ... , 1 ;");
    bench.declareAll();
    const std::vector<std::string> traces = bench.traces();
    ASSERT_EQ(traces.size(), 3u);
    EXPECT_EQ(traces[2], "init=0.25 inc=0.25 final=1 num=2");
}

TEST(Declare, ConstantNamesStandForTheirValues) {
    DeclareBench bench;
    bench.load("_a = 2.5 ;\n_b = _a ;\n_x = _a , 4 ;");
    bench.declareAll();

    EXPECT_EQ(bench.compiler.errors.count(), 0);
    EXPECT_DOUBLE_EQ(bench.constant(bench.symbol(41).code.slot()), 2.5);
    EXPECT_EQ(sweepValues(bench), (std::vector<double>{2.5, 4}));
}

TEST(Declare, StringConstantKeepsItsQuotedText) {
    DeclareBench bench;
    bench.load("_s = \"abc\" ;\nproc { _s }");
    bench.declareAll();

    EXPECT_EQ(bench.compiler.errors.count(), 0);
    EXPECT_EQ(bench.symbol(40).kind, Kind::STRING);
    EXPECT_EQ(bench.symbol(40).code.codeClass, CodeClass::String);
    EXPECT_EQ(bench.symbol(40).text, "abc");
    EXPECT_EQ(bench.compiler.tokenAt(6).kind, Kind::STRING);
}

TEST(Declare, ArraysReserveConsecutiveSlotsAndRegisterTheirSize) {
    DeclareBench bench;
    bench.load("array _a [ 10 ] ;\narray _b [ 2 ] ;");
    bench.declareAll();

    EXPECT_EQ(bench.compiler.errors.count(), 0);
    EXPECT_EQ(bench.symbol(40).kind, Kind::ARRAY);
    EXPECT_EQ(bench.symbol(40).code, (SymbolCode{CodeClass::ElementBase, 0x001}));
    EXPECT_EQ(bench.symbol(41).code, (SymbolCode{CodeClass::ElementBase, 0x00B}));
    EXPECT_EQ(bench.compiler.layout.nextVariableSlot, 13);
    EXPECT_EQ(bench.compiler.layout.arraySize("_a"), 10);
    EXPECT_EQ(bench.compiler.layout.arraySize("_b"), 2);
    EXPECT_EQ(bench.compiler.layout.arraySize("_c"), -1);
}

TEST(Declare, ArrayPastTheVariableStoreKeepsWhatFits) {
    for (const char* count : {"5000", "3000000000"}) {
        DeclareBench bench;
        bench.load(std::string("array _a [ ") + count + " ] ;");
        bench.declareAll();
        EXPECT_EQ(bench.output(), (std::vector<std::string>{"error 925-01001",
                                                             " 変数の数が4095個を超えました。"}));
        EXPECT_EQ(bench.compiler.layout.nextVariableSlot, 4096);
        EXPECT_EQ(bench.compiler.layout.arraySize("_a"), 4095);
    }
}

TEST(Declare, AliasListNamesElementsAndSkipsEmptyPlaces) {
    DeclareBench bench;
    bench.load("array _a [ 4 ] ;\nalias _a = _p , _q , , _r ;\narray _b [ 3 ] ;\nalias _b [ 1 ] = _s , _t ;");
    bench.declareAll();

    EXPECT_EQ(bench.compiler.errors.count(), 0);
    EXPECT_EQ(bench.output(), (std::vector<std::string>{"_a[0]=_p", "_a[1]=_q", "_a[3]=_r",
                                                         "_b[1]=_s", "_b[2]=_t"}));
    EXPECT_EQ(bench.symbol(41).kind, Kind::VAR);
    EXPECT_EQ(bench.symbol(41).code, (SymbolCode{CodeClass::LoadVariable, 0x001}));
    EXPECT_EQ(bench.symbol(43).code, (SymbolCode{CodeClass::LoadVariable, 0x004}));
    EXPECT_EQ(bench.symbol(45).code, (SymbolCode{CodeClass::LoadVariable, 0x006}));  // _s: _b starts at slot 5
}

TEST(Declare, AliasRangeNamesAreReachableFromTheProgram) {
    DeclareBench bench;
    bench.load("array a [ 4 ] ;\nalias a [ 0 - 3 ] = p1 ;\nproc { y = p1 + p2 + p4 ; }");
    prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
    bench.declareAll();

    EXPECT_EQ(bench.compiler.errors.count(), 0);
    EXPECT_EQ(bench.output(),
              (std::vector<std::string>{"a[0]=p1", "a[1]=p2", "a[2]=p3", "a[3]=p4"}));
    EXPECT_EQ(bench.symbol(44).name, "_p4");
    EXPECT_EQ(bench.symbol(44).code, (SymbolCode{CodeClass::LoadVariable, 0x004}));
    const std::vector<std::string> texts = bench.texts();
    const std::vector<std::string> program(texts.end() - 9, texts.end());
    EXPECT_EQ(program, (std::vector<std::string>{"y", "=", "_p1", "+", "_p2", "+", "_p4", ";", "}"}));
}

TEST(Declare, AliasRangeNumbersKeepTheirWidth) {
    DeclareBench bench;
    bench.load("array a [ 4 ] ;\nalias a [ 0 - 2 ] = q08 ;\nalias a [ 3 - 3 ] = r ;");
    prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
    bench.declareAll();
    EXPECT_EQ(bench.output(),
              (std::vector<std::string>{"a[0]=q08", "a[1]=q09", "a[2]=q10", "a[3]=r0"}));
    EXPECT_EQ(bench.symbol(43).name, "_q10");
}

TEST(Declare, ConstantStoreNeverFillsBelowSlotZero) {
    DeclareBench bench;
    bench.load("_x = 1 , 2 , 3 , 4 ;");
    Compiler& c = bench.compiler;
    c.layout.literalCount = 4093;  // as if 4093 literals were declared before
    compileDeclaration(c);

    EXPECT_EQ(bench.output(), (std::vector<std::string>{"error 914-01001",
                                                         " 定数のシンボル数が4096個を超えました。"}));
    EXPECT_EQ(c.plan.passCount, 3);
    EXPECT_EQ(c.plan.sweptSlot, 2);
    EXPECT_EQ(sweepValues(bench), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(bench.traces().at(1), "Declare() 1: gCon[01]=2");
}

TEST(Declare, RangeStopsWhenTheConstantStoreIsFull) {
    DeclareBench bench;
    bench.load("_x = 0 , 1E-300 , ... , 1 ;");
    bench.declareAll();

    const Compiler& c = bench.compiler;
    EXPECT_EQ(bench.output(), (std::vector<std::string>{"error 913-01001",
                                                         " 定数のシンボル数が4096個を超えました。"}));
    EXPECT_EQ(c.layout.literalCount, 4096);
    EXPECT_EQ(c.plan.passCount, 4096);
    EXPECT_EQ(c.plan.sweptSlot - (c.plan.passCount - 1), 0);
}

struct ErrorCase {
    const char* source;
    const char* head;
    const char* message;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.source; }

class DeclareError : public testing::TestWithParam<ErrorCase> {};

TEST_P(DeclareError, ReportsNumberPositionAndText) {
    DeclareBench bench;
    bench.load(GetParam().source);
    bench.declareAll();

    const std::vector<std::string> out = bench.output();
    ASSERT_GE(out.size(), 2u) << GetParam().source;
    EXPECT_EQ(out[0], GetParam().head) << GetParam().source;
    EXPECT_EQ(out[1], GetParam().message) << GetParam().source;
    EXPECT_GE(bench.compiler.errors.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DeclareError,
    testing::Values(
        ErrorCase{"_x = 1 2 ;", "error 730-01001", "  \"2\" 定数の記述に矛盾があります"},
        ErrorCase{"_x = 1 , _y ;", "error 731-01001", "  \"_y\" 定数の記述に矛盾があります"},
        ErrorCase{"_x = 1 , 2 , ... 5 ;", "error 731-01001", "  \"5\" 定数の記述に矛盾があります"},
        ErrorCase{"_x = 0 , ... , 5 ;", "error 732-01001", "  \"...\" 繰り返しできません"},
        ErrorCase{"_x = 1 , 2 , ... , _y ;", "error 733-01001", "  \"_y\" 定数の記述に矛盾があります"},
        ErrorCase{"_x = 0 , 1 , ... , 1.4 ;", "error 735-01001",
                  "  \";\"パラメータ繰返しの記述に矛盾があります"},
        ErrorCase{"_x = 0 , 0 , ... , 1 ;", "error 735-01001",
                  "  \";\"パラメータ繰返しの記述に矛盾があります"},
        ErrorCase{"_x = 1 , 2 ;\n_y = 3 , 4 ;", "error 749-01002",
                  " くり返しパラメータは１つだけにしてください"},
        ErrorCase{"_b = _a * 2 ;", "error 801-01001", "  文の記述に誤りがあります"},
        ErrorCase{"= 5 ;", "error 802-01001", " \"=\"  の記述に誤りがあります。"},
        ErrorCase{"array _a [ _n ] ;", "error 804-01001", "  \"_n\"  配列宣言を解読できません。"},
        ErrorCase{"array _a [ 1.5 ] ;", "error 805-01001", "  \"1.5\"  配列の要素数を判読できません。"},
        ErrorCase{"array _a [ 99999999999999999999 ] ;", "error 805-01001",
                  "  \"99999999999999999999\"  配列の要素数を判読できません。"},
        ErrorCase{"array _a [ 0 ] ;", "error 806-01001", "  \"0\"  配列の領域に矛盾があります。"},
        ErrorCase{"array _a [ -3 ] ;", "error 806-01001", "  \"-3\"  配列の領域に矛盾があります。"},
        ErrorCase{"alias _b = _p ;", "error 811-01001", "  \"_b\"  は配列ではありません。"},
        ErrorCase{"_x = 1 ;\n_x = 2 ;", "error 812-01002", " 定数の定義が重複しています"},
        ErrorCase{"array _a [ 2 ] ;\nalias _a = _p , _q , _r ;", "error 814-01002",
                  " 別名宣言 \"_r\" の重複または範囲超過があります。"},
        ErrorCase{"array _a [ 2 ] ;\nalias _a = _p , _p ;", "error 814-01002",
                  " 別名宣言 \"_p\" の重複または範囲超過があります。"},
        ErrorCase{"alias 5 = _p ;", "error 817-01001", "  \"5\"  は配列ではありません"},
        ErrorCase{"array _a [ 4 ] ;\nalias _a [ 2 - 1 ] = _p ;", "error 817-01002",
                  " 配列番号の範囲に矛盾があります"},
        ErrorCase{"array _a [ 4 ] ;\nalias _a [ 1 - 4 ] = _p ;", "error 817-01002",
                  " 配列番号の範囲に矛盾があります"},
        ErrorCase{"array _a [ 2 ] ;\nalias _a [ 2 ] = _p ;", "error 818-01002",
                  " 配列指定が範囲を超えています"},
        ErrorCase{"array _a [ 2 ] ;\nalias _a [ -1 ] = _p ;", "error 818-01002",
                  " 配列指定が範囲を超えています"},
        ErrorCase{"array _a [ 2 ] ;\nalias _a = _p 5 ;", "error 819-01002",
                  " 5 定数の記述に矛盾があります。"},
        ErrorCase{"array _a [ 2 ] ;\narray _a [ 3 ] ;", "error 844-01001",
                  " 配列 \"_a\" の宣言が重複しています。"},
        ErrorCase{"array _a [ 2 ] ;\n_a = 1 ;", "error 812-01002", " 定数の定義が重複しています"}));

TEST(Declare, SecondDefinitionOfAConstantAlsoMeetsItsValue) {
    DeclareBench bench;
    bench.load("_x = 1 ;\n_x = 2 ;");
    bench.declareAll();
    EXPECT_EQ(bench.output(), (std::vector<std::string>{"error 812-01002", " 定数の定義が重複しています",
                                                         "error 802-01002",
                                                         " \"2\"  の記述に誤りがあります。"}));
    EXPECT_EQ(bench.compiler.errors.count(), 2);
}

TEST(Declare, FaultyAliasStatementGivesOneReportAndNamesNothing) {
    DeclareBench bench;
    bench.load("array _a [ 3 ] ;\nalias _a = _p 5 _q ;\nalias _a [ 1 _r ;\n_z = 4 ;");
    bench.declareAll();
    const std::vector<std::string> out = bench.output();
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], "error 819-01002");
    EXPECT_EQ(out[2], "error 333-01003");
    EXPECT_EQ(bench.compiler.symbols.find(Kind::VAR, "_q"), -1);
    EXPECT_EQ(bench.compiler.symbols.find(Kind::VAR, "_r"), -1);
    EXPECT_GE(bench.compiler.symbols.find(Kind::DIGIT, "_z"), 0);
}

TEST(Declare, AlwaysConsumesAndStaysInsideTheTokens) {
    for (const char* source :
         {"_x", "_x =", "_x = 1 ,", "_x = 1 , 2 , ...", "array", "array _a [", "alias", "alias _a",
          "array _a [ 2 ] ; alias _a [ 0 - 1 ] =", "array _a [ 2 ] ; alias _a [", "5 =", ";"}) {
        DeclareBench bench;
        bench.load(source);
        bench.declareAll();  // fails the test when a Declare call consumes nothing
        EXPECT_GE(bench.compiler.errors.count(), 1) << source;
    }
}

}  // namespace
}  // namespace zentra
