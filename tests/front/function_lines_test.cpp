#include "front/function_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentra {
namespace {

struct HeadCase {
    const char* head;
    const char* name;
};

class FunctionNameOfHead : public ::testing::TestWithParam<HeadCase> {};

TEST_P(FunctionNameOfHead, ReadsTheNameOfACompleteHead) {
    EXPECT_EQ(functionNameOfHead(GetParam().head), GetParam().name) << GetParam().head;
}

INSTANTIATE_TEST_SUITE_P(Cases, FunctionNameOfHead, ::testing::Values(
    HeadCase{"f(x, y)", "f"},
    HeadCase{"f()", "f"},
    HeadCase{" area2 ( w , h ) {", "area2"},
    HeadCase{"f(1, 2)", "f"},  // state 2 passes over what is not a name
    HeadCase{"f", ""},
    HeadCase{"f(x", ""},
    HeadCase{"f(x+1)", ""},
    HeadCase{"1f(x)", ""},
    HeadCase{"f=(x)", ""},
    HeadCase{"", ""}));

TEST(FunctionLines, NameOfTextSkipsCommentsAndEmptyHeads) {
    EXPECT_EQ(functionNameOfText({"// g(x)", "", "h(a) // k(b)", "m(c)"}), "h");
    EXPECT_EQ(functionNameOfText({"x = 1;"}), "");
}

TEST(FunctionLines, FindFunctionLinesCountsToTheNextHead) {
    const std::vector<std::string> store{"#f", "f(x)", "", "{x}", "#g", "g()", "#h"};
    int first = -7;
    EXPECT_EQ(findFunctionLines("f", store, first), 3);  // the empty line is counted
    EXPECT_EQ(first, 1);
    EXPECT_EQ(findFunctionLines("g", store, first), 1);
    EXPECT_EQ(first, 5);
    EXPECT_EQ(findFunctionLines("h", store, first), 0);  // last head, nothing after it
    EXPECT_EQ(first, 7);
    first = -7;
    EXPECT_EQ(findFunctionLines("fg", store, first), -1);
    EXPECT_EQ(findFunctionLines("", store, first), -1);
    EXPECT_EQ(first, -7);
}

}  // namespace
}  // namespace zentra
