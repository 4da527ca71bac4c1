#include "front/compile_errors.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "front/compiler.h"
#include "host/memory_host.h"
#include "vm/value_stores.h"

namespace zentra {
namespace {

using Strings = std::vector<std::string>;

struct RenderCase {
    const char* title;
    CompileError error;
    Strings lines;
    const char* status;
};

void PrintTo(const RenderCase& c, std::ostream* os) { *os << c.title; }

class ErrorRenderTest : public ::testing::TestWithParam<RenderCase> {};

TEST_P(ErrorRenderTest, WritesTheLinesAndStatusTextOfItsForm) {
    const RenderCase& c = GetParam();
    CompileErrors errors;
    const ErrorOutput shown = errors.add(c.error);
    EXPECT_EQ(shown.lines, c.lines);
    EXPECT_EQ(shown.statusText, c.status);
    EXPECT_TRUE(shown.trace.empty());
    EXPECT_EQ(errorLines(c.error), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ErrorRenderTest,
    ::testing::Values(RenderCase{"TwoLinesInTheProgramArea",
                                 {601, makePosition(kProgramArea, 1),
                                  "\"y = =\" 式の記述に誤りがあります", ErrorForm::TwoLines},
                                 {"error 601-00001", " \"y = =\" 式の記述に誤りがあります"},
                                 "プログラムエリアの記述にエラーがあります"},
                      RenderCase{"TwoLinesInTheParameterArea",
                                 {802, makePosition(kParameterArea, 12),
                                  "\"v\"  の記述に誤りがあります。", ErrorForm::TwoLines},
                                 {"error 802-01012", " \"v\"  の記述に誤りがあります。"},
                                 "パラメータ定義エリアの記述にエラーがあります"},
                      RenderCase{"OneLineInAFunction",
                                 {501, makePosition(kFirstFunctionArea, 4),
                                  "\"f\" ユーザ関数には return文が必要です", ErrorForm::OneLine},
                                 {"error 501-02004 \"f\" ユーザ関数には return文が必要です"},
                                 "ユーザ関数の記述にエラーがあります"},
                      RenderCase{"LinesPastNineHundredNinetyNineTakeMoreDigits",
                                 {104, makePosition(kProgramArea, 1234), "文字列の解読ができません",
                                  ErrorForm::TwoLines},
                                 {"error 104-001234", " 文字列の解読ができません"},
                                 "プログラムエリアの記述にエラーがあります"},
                      RenderCase{"AreasPastNinetyNineTakeMoreDigits",
                                 {104, makePosition(100, 5), "文字列の解読ができません",
                                  ErrorForm::OneLine},
                                 {"error 104-100005 文字列の解読ができません"},
                                 "ユーザ関数の記述にエラーがあります"},
                      RenderCase{"AnEmptyMessageKeepsItsBlank",
                                 {921, makePosition(kProgramArea, 3), "", ErrorForm::TwoLines},
                                 {"error 921-00003", " "},
                                 "プログラムエリアの記述にエラーがあります"}));

TEST(CompileErrors, OnlyTheFirstOutputOfARunClearsTheArea) {
    CompileErrors errors;
    const CompileError e{312, makePosition(kProgramArea, 2), "m", ErrorForm::TwoLines};
    EXPECT_TRUE(errors.add(e).clearFirst);
    EXPECT_FALSE(errors.add(e).clearFirst);
    EXPECT_FALSE(errors.summary().clearFirst);
    errors.clear();  // the front end starting over is still the same run
    EXPECT_FALSE(errors.add(e).clearFirst);
    errors.startRun();
    EXPECT_TRUE(errors.summary().clearFirst);  // the summary can be the first output
    EXPECT_FALSE(errors.add(e).clearFirst);
}

TEST(CompileErrors, SummaryNamesTheCountAndIsNoErrorOfItsOwn) {
    CompileErrors errors;
    errors.add({590, makePosition(21, 1), "\"f19\" ユーザ関数の数が19個を超えました。",
                ErrorForm::OneLine});
    errors.countWithoutLine();
    const ErrorOutput shown = errors.summary();
    EXPECT_EQ(shown.lines, Strings{"error 888-020000 ユーザ関数の処理でエラーが発生しました"});
    EXPECT_EQ(shown.trace, "numError = 2");
    EXPECT_TRUE(shown.statusText.empty());  // status text 0 keeps the area of the stage's error
    EXPECT_EQ(errors.count(), 2);
    ASSERT_EQ(errors.list().size(), 1u);
    EXPECT_EQ(errors.list()[0].area(), 21);
    EXPECT_EQ(errors.list()[0].line(), 1);
}

// The compiler's one reporter puts both forms through the renderer onto the
// host: the old result goes with the first error, later errors append.
TEST(CompileErrors, CompilerShowsBothFormsOnTheHost) {
    MemoryHost host;
    const auto stores = std::make_unique<ValueStores>();
    Compiler compiler(host, stores->constants);
    host.output.appendLine("old = 1");
    compiler.errorAt(312, makePosition(kParameterArea, 2), "\"a b\" 処理できない文字です");
    compiler.errorAt(501, makePosition(kFirstFunctionArea, 4),
                     "\"f\" ユーザ関数には return文が必要です", ErrorForm::OneLine);
    compiler.report.userFunctionSummary();
    EXPECT_EQ(host.output.lines(),
              (Strings{"error 312-01002", " \"a b\" 処理できない文字です",
                       "error 501-02004 \"f\" ユーザ関数には return文が必要です",
                       "error 888-020000 ユーザ関数の処理でエラーが発生しました"}));
    EXPECT_EQ(host.statusTexts[0], "ユーザ関数の記述にエラーがあります");
    EXPECT_EQ(host.messages.lines(), Strings{"numError = 2"});
    EXPECT_EQ(compiler.errors.count(), 2);
}

}  // namespace
}  // namespace zentra
