#include "shell/text_encoding.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

TEST(TextEncoding, JapaneseTextRoundTripsThroughCp932) {
    const std::string text = "円周率 π ｱ ① 髙 \\ ~";
    const auto cp932 = utf8ToCp932(text);
    ASSERT_TRUE(cp932.has_value());
    EXPECT_EQ(cp932->substr(0, 6), "\x89\x7E\x8E\xFC\x97\xA6");  // 円周率
    EXPECT_EQ(cp932ToUtf8(*cp932), text);
}

TEST(TextEncoding, AnUnencodableCharacterFailsAndIsNamed) {
    Unencodable failure;
    EXPECT_FALSE(utf8ToCp932("a = 5€;", &failure).has_value());
    EXPECT_EQ(failure.character, "€");
    EXPECT_FALSE(utf8ToCp932("한", &failure).has_value());
    EXPECT_EQ(failure.character, "한");
    EXPECT_FALSE(utf8ToCp932("\x82\xA0", &failure).has_value());  // not UTF-8 at all
    EXPECT_EQ(failure.character, "");
}

// iconv gives these characters the code of a look-alike (or none at all);
// saving them would change the text, so they count as unencodable.
class OneWayCharacter : public ::testing::TestWithParam<const char*> {};

TEST_P(OneWayCharacter, FailsAndIsNamed) {
    const std::string character = GetParam();
    Unencodable failure;
    EXPECT_FALSE(utf8ToCp932("x = 1; // " + character + " ok", &failure).has_value());
    EXPECT_EQ(failure.character, character);
}

INSTANTIATE_TEST_SUITE_P(LookAlikes, OneWayCharacter, ::testing::Values(
    "\u00A2", "\u00A3", "\u00A5", "\u00AC",                // ¢ £ ¥ ¬
    "\u2014", "\u2016", "\u203E", "\u2212", "\u301C",     // — ‖ ‾ − 〜
    "\xF3\xA0\x80\x81"));                                 // U+E0001, dropped

TEST(TextEncoding, TheLookAlikesThemselvesRoundTrip) {
    const std::string text = "\uFFE0\uFFE1\\\uFFE2\u2015\u2225~\uFF0D\uFF5E";  // ￠￡\￢―∥~－～
    const auto cp932 = utf8ToCp932(text);
    ASSERT_TRUE(cp932.has_value());
    EXPECT_EQ(cp932ToUtf8(*cp932), text);
}

TEST(TextEncoding, UndefinedCp932BytesFail) {
    EXPECT_FALSE(cp932ToUtf8("ab\x82").has_value());  // lead byte at the end
    EXPECT_FALSE(cp932ToUtf8("\xA0").has_value());
    EXPECT_EQ(cp932ToUtf8(""), "");
}

}  // namespace
}  // namespace zentra
