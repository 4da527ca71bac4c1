#include "front/display_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front/parser_passes.h"
#include "support/declare_fixture.h"

namespace zentra {
namespace {

using test::DeclareBench;

struct ShownCase {
    const char* internal;
    const char* shown;
};

void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.internal; }

// The parameter area of the bench declared p and title, and the user wrote
// _q there (prefixed to __q); f(a+1) was hoisted with its argument.
class DisplayNameTest : public ::testing::TestWithParam<ShownCase> {
  protected:
    DisplayNameTest() {
        bench.load("p = 1 ;\ntitle = \"t\" ;\n_q = 2 ;\nproc { y = p + _x ; }");
        prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
        bench.compiler.names.nameTemporary("~userF2", "f(a+1)");
        bench.compiler.names.nameTemporary("~userQ2_0", "a+1");
    }
    DeclareBench bench;
};

class DisplayTextTest : public DisplayNameTest {};

TEST_P(DisplayNameTest, ShowsTheNameTheUserWrote) {
    EXPECT_EQ(displayName(bench.compiler.names, GetParam().internal), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Names, DisplayNameTest,
                         ::testing::Values(ShownCase{"_p", "p"}, ShownCase{"_title", "title"},
                                           ShownCase{"__q", "_q"},
                                           // A program name that begins with "_" is the user's own.
                                           ShownCase{"_x", "_x"}, ShownCase{"_", "_"},
                                           ShownCase{"p", "p"}, ShownCase{"$a+b", "a+b"},
                                           ShownCase{"~userF2", "f(a+1)"},
                                           ShownCase{"~userQ2_0", "a+1"},
                                           // A temporary of another run is not known: it stays.
                                           ShownCase{"~userF7", "~userF7"}));

TEST_P(DisplayTextTest, ShowsEveryNameInAMessage) {
    EXPECT_EQ(displayText(bench.compiler.names, GetParam().internal), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, DisplayTextTest,
    ::testing::Values(ShownCase{" \"_p 2\" 処理できない文字です", " \"p 2\" 処理できない文字です"},
                      ShownCase{"配列_pの記述に矛盾があります。", "配列pの記述に矛盾があります。"},
                      ShownCase{"_p+_title*_x", "p+title*_x"},
                      // Only whole names: a longer name or one with "_" inside stays.
                      ShownCase{"\"_px\" a_p _p1", "\"_px\" a_p _p1"},
                      ShownCase{"\"~userF2\"　の後にCLOSE ではない文字 \";\" を検出しました",
                                "\"f(a+1)\"　の後にCLOSE ではない文字 \";\" を検出しました"},
                      ShownCase{"\"~userQ2_0 \"への代入には", "\"a+1 \"への代入には"},
                      ShownCase{"x~userF2~", "xf(a+1)~"}, ShownCase{"~user", "~user"},
                      ShownCase{"", ""}));

TEST(DisplayName, ErrorLinesShowNamesAsTheUserWroteThem) {
    DeclareBench bench;
    bench.load("v = 1 ;\nproc { y = v ; }");
    prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
    bench.compiler.errorAt(802, makePosition(kParameterArea, 1), "\"_v\"  の記述に誤りがあります。");
    EXPECT_EQ(bench.output(),
              (std::vector<std::string>{"error 802-01001", " \"v\"  の記述に誤りがあります。"}));
}

TEST(DisplayName, ANewRunForgetsTheNamesOfTheLastOne) {
    DeclareBench bench;
    bench.load("v = 1 ;\nproc { y = v ; }");
    prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
    bench.compiler.names.nameTemporary("~userF2", "f(a)");
    bench.compiler.startFrontEnd();
    EXPECT_EQ(displayName(bench.compiler.names, "_v"), "_v");
    EXPECT_EQ(displayName(bench.compiler.names, "~userF2"), "~userF2");
}

}  // namespace
}  // namespace zentra
