#include "base/source_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/hex_digits.h"

namespace zentra {
namespace {

TEST(SourceText, ClassesLookAtSingleBytes) {
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

TEST(SourceText, CommentsAndBlanks) {
    EXPECT_EQ(cutComment("x = 1; // note // more"), "x = 1; ");
    EXPECT_EQ(cutComment("x / y"), "x / y");
    EXPECT_EQ(removeBlanks(" a\t=\f1\r;\n b"), "a=1;\nb");  // line feeds stay
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

}  // namespace
}  // namespace zentra
