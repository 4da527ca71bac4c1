#include "vm/code_text.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

TEST(CodeText, AppendsLetterAndDigitsAndCountsOneWord) {
    std::string text;
    int words = 0;
    appendCodeItem(text, words, 'v', 1);
    appendCodeItem(text, words, '#', 0x1C);
    appendCodeItem(text, words, 'c', 0xFFF);
    EXPECT_EQ(text, "v001#1CcFFF");
    EXPECT_EQ(words, 3);
}

}  // namespace
}  // namespace zentra
