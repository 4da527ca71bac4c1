#include "base/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>


namespace zentra {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* text;
    LineEnds ends;
    Lines lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, CutsAtTheChosenLineEnds) {
    EXPECT_EQ(splitLines(GetParam().text, GetParam().ends), GetParam().lines);
}

constexpr LineEnds kFile = LineEnds::CrLfLfOrCr;
constexpr LineEnds kLf = LineEnds::Lf;

INSTANTIATE_TEST_SUITE_P(FileLineEnds, SplitLines, ::testing::Values(
    SplitCase{"a\r\nb\nc\rd", kFile, {"a", "b", "c", "d"}},
    SplitCase{"a\r\n", kFile, {"a"}},
    SplitCase{"a\r\n\r\n", kFile, {"a", ""}},
    SplitCase{"a\r\n\r\nb\r\n", kFile, {"a", "", "b"}},
    SplitCase{"a\n\r", kFile, {"a", ""}},  // LF then CR: two ends
    SplitCase{"\r\r\n", kFile, {"", ""}},
    SplitCase{"a\r", kFile, {"a"}},        // a trailing lone CR ends the line
    SplitCase{"\n", kFile, {""}},
    SplitCase{"a", kFile, {"a"}},
    SplitCase{"", kFile, {}}));

INSTANTIATE_TEST_SUITE_P(LfOnly, SplitLines, ::testing::Values(
    SplitCase{"", kLf, {}},
    SplitCase{"\n", kLf, {""}},
    SplitCase{"a\nb\n", kLf, {"a", "b"}},
    SplitCase{"a\n\nb\n", kLf, {"a", "", "b"}},
    SplitCase{"a\r\n", kLf, {"a\r"}},      // a CR stays in its line
    SplitCase{"a\rb", kLf, {"a\rb"}},
    // A text edited by hand without its last LF keeps its last line.
    SplitCase{"a\nb\nrest", kLf, {"a", "b", "rest"}},
    SplitCase{"x", kLf, {"x"}}));

TEST(SplitLines, InvertsJoinWithEitherRule) {
    const Lines original{"x = 1;", "", "  y", "// 係数"};
    EXPECT_EQ(splitLines(joinLines(original), LineEnds::Lf), original);
    EXPECT_EQ(splitLines(joinLines(original), LineEnds::CrLfLfOrCr), original);
    EXPECT_EQ(joinLines({}), "");
}

}  // namespace
}  // namespace zentra
