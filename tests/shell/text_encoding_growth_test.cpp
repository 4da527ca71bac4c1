// Decoding texts that grow by more than the converter's first guess.
#include <gtest/gtest.h>

#include <string>

#include "shell/text_encoding.h"

namespace zentra {
namespace {

// A half-width katakana is one byte in CP932 and three in UTF-8.
TEST(TextEncodingGrowth, HalfWidthKatakanaTripleInSizeAndStayWhole) {
    for (const std::size_t count : {1u, 7u, 40u, 5000u}) {
        const std::string cp932(count, '\xB1');
        std::string expected;
        for (std::size_t i = 0; i < count; ++i) expected += "ｱ";
        const auto utf8 = cp932ToUtf8(cp932);
        ASSERT_TRUE(utf8.has_value()) << count;
        EXPECT_EQ(*utf8, expected) << count;
        EXPECT_EQ(utf8ToCp932(*utf8), cp932) << count;
    }
}

}  // namespace
}  // namespace zentra
