#include "results/text_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/hex_digits.h"

namespace zentra {
namespace {

TEST(TextHelpersCharacters, ClassesLookAtSingleBytes) {
    for (const char c : {' ', '\t', '\f', '\r'}) EXPECT_TRUE(isBlank(c)) << int(c);
    EXPECT_FALSE(isBlank('\n'));
    EXPECT_TRUE(isHexDigit('a') && isHexDigit('F') && isHexDigit('9'));
    EXPECT_FALSE(isHexDigit('g') || isHexDigit('G'));
    EXPECT_TRUE(isDigitOrPoint('.') && isDigitOrPoint('0'));
    EXPECT_TRUE(isNameStart('_') && isNameStart('z') && !isNameStart('1'));
    EXPECT_TRUE(isDoubledOperator('&') && isDoubledOperator('|') && isDoubledOperator('^'));
    EXPECT_FALSE(isDoubledOperator('+'));
    EXPECT_TRUE(isCompareStart('!') && !isCompareStart('&'));
    // The bytes of "あ" (E3 81 82) belong to no class.
    for (const char c : std::string("あ")) {
        EXPECT_FALSE(isBlank(c) || isHexDigit(c) || isDigitOrPoint(c) || isNameStart(c) ||
                     isSingleOperator(c));
    }
    EXPECT_FALSE(isSingleOperator('\0'));
    EXPECT_FALSE(isSingleOperator('#'));
}

TEST(TextHelpersText, CommentsBlanksAndPaths) {
    EXPECT_EQ(cutComment("x = 1; // note // more"), "x = 1; ");
    EXPECT_EQ(cutComment("x / y"), "x / y");
    EXPECT_EQ(removeBlanks(" a\t=\f1\r;\n b"), "a=1;\nb");  // line feeds stay
    EXPECT_EQ(directoryOf("C:\\a\\a"), "C:\\a\\");
    EXPECT_EQ(fileNameOf("C:\\a\\b.qbxsrc"), "b.qbxsrc");
    EXPECT_EQ(fileNameOf("/home/u/b.qbxsrc"), "b.qbxsrc");
    EXPECT_EQ(directoryOf("b.qbxsrc"), "");
    EXPECT_EQ(fileNameOf("b.qbxsrc"), "b.qbxsrc");
}

TEST(TextHelpersNumbers, ZeroPad) {
    EXPECT_EQ(zeroPad(7, 3), "007");
    EXPECT_EQ(zeroPad(1234, 3), "1234");
    EXPECT_EQ(zeroPad(0, 2), "00");
}

struct WordCase {
    const char* text;
    const char* word;
    bool found;
};

class ContainsWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(ContainsWord, NeedsBlanksOrEndsAroundTheFirstOccurrence) {
    EXPECT_EQ(containsWord(GetParam().text, GetParam().word), GetParam().found)
        << GetParam().text << " / " << GetParam().word;
}

INSTANTIATE_TEST_SUITE_P(Cases, ContainsWord, ::testing::Values(
    WordCase{"if", "if", true},
    WordCase{"if (a)", "if", true},
    WordCase{"} else if", "if", true},
    WordCase{"\tif\t(a)", "if", true},
    WordCase{"ifx", "if", false},
    WordCase{"elif", "if", false},
    WordCase{"elif if", "if", false},  // only the first occurrence counts
    WordCase{"if(a)", "if", false},
    WordCase{"", "if", false},
    WordCase{"x", "", false},
    WordCase{"", "", true}));

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

TEST(TextHelpersFunctions, NameOfTextSkipsCommentsAndEmptyHeads) {
    EXPECT_EQ(functionNameOfText({"// g(x)", "", "h(a) // k(b)", "m(c)"}), "h");
    EXPECT_EQ(functionNameOfText({"x = 1;"}), "");
}

TEST(TextHelpersFunctions, FindFunctionLinesCountsToTheNextHead) {
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

struct RangeCase {
    double a, b;
    int digits;
    double wideA, wideB;
};

class WidenRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(WidenRange, WidensToFewDigits) {
    double a = GetParam().a;
    double b = GetParam().b;
    widenRange(a, b, GetParam().digits);
    EXPECT_DOUBLE_EQ(a, GetParam().wideA);
    EXPECT_DOUBLE_EQ(b, GetParam().wideB);
}

INSTANTIATE_TEST_SUITE_P(Cases, WidenRange, ::testing::Values(
    RangeCase{0.55, 3.14, 2, 0.5, 3.2},
    RangeCase{-3.14, 0.55, 2, -3.2, 0.6},     // straddling zero rounds both outward
    RangeCase{-0.55, -3.14, 2, -0.5, -3.2},
    RangeCase{120.0, 1234.0, 2, 100.0, 1300.0},
    RangeCase{1.0, 5.00005, 3, 1.0, 5.0},     // within 0.01 above an integer: not raised
    RangeCase{0.0, 0.0, 2, 0.0, 0.0},         // nothing to scale: unchanged
    RangeCase{-2.0, 2.0, 2, -2.0, 2.0}));

TEST(TextHelpersRange, TinyEndsOfOppositeSignStraddleZero) {
    // Their product underflows to -0; the smaller end is still rounded outward.
    double a = -4.8568386247200599e-269;
    double b = 6.6504596106289142e-267;
    widenRange(a, b, 2);
    EXPECT_NEAR(a / 1e-268, -1.0, 1e-12);
    EXPECT_NEAR(b / 6.7e-267, 1.0, 1e-12);
}

TEST(TextHelpersRange, DigitCountsPastTheDoubleRangeLeaveThePairUnchanged) {
    // 10^400 is infinite and 10^-400 is zero: the scaling loops could never end.
    for (const int digits : {400, -400}) {
        double a = 0.55;
        double b = 3.14;
        widenRange(a, b, digits);
        EXPECT_EQ(a, 0.55) << digits;
        EXPECT_EQ(b, 3.14) << digits;
    }
    double a = 0.55;
    double b = 3.14;
    widenRange(a, b, 0);  // t = 1: one digit after scaling down, then back
    EXPECT_DOUBLE_EQ(a, 0.0);
    EXPECT_DOUBLE_EQ(b, 10.0);
}

}  // namespace
}  // namespace zentra
