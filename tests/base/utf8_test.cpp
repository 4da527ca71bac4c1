#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace zentra {
namespace {

struct Utf8Case {
    std::string bytes;
    std::size_t firstLength;  // of the character that starts the bytes; 0 for none
    bool valid;
};

class Utf8 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, AcceptsOnlyWellFormedCharacters) {
    EXPECT_EQ(utf8CharacterLength(GetParam().bytes), GetParam().firstLength);
    EXPECT_EQ(isValidUtf8(GetParam().bytes), GetParam().valid);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(Cases, Utf8, ::testing::Values(
    Utf8Case{"", 0, true},
    Utf8Case{"x = 1; // 円", 1, true},
    Utf8Case{"\0a"s, 1, true},
    Utf8Case{"\x7F", 1, true},
    Utf8Case{"\xC2\x80", 2, true},             // the lowest two-byte character
    Utf8Case{"\xDF\xBF", 2, true},
    Utf8Case{"円", 3, true},
    Utf8Case{"\xE0\xA0\x80", 3, true},         // the lowest three-byte character
    Utf8Case{"\xED\x9F\xBF", 3, true},         // just below the surrogates
    Utf8Case{"\xF0\x9F\x98\x80", 4, true},     // outside the BMP
    Utf8Case{"\xF4\x8F\xBF\xBF", 4, true},     // U+10FFFF
    Utf8Case{"\x82\xA0", 0, false},            // "あ" in CP932: a stray continuation byte
    Utf8Case{"\xC0\x80", 0, false},            // overlong NUL
    Utf8Case{"\xC1\xBF", 0, false},            // overlong
    Utf8Case{"\xE0\x80\xAF", 0, false},        // overlong "/"
    Utf8Case{"\xE0\x9F\xBF", 0, false},        // overlong
    Utf8Case{"\xED\xA0\x80", 0, false},        // surrogate
    Utf8Case{"\xF0\x8F\xBF\xBF", 0, false},    // overlong
    Utf8Case{"\xF4\x90\x80\x80", 0, false},    // past U+10FFFF
    Utf8Case{"\xF5\x80\x80\x80", 0, false},
    Utf8Case{"\xE3\x81", 0, false},            // cut off
    Utf8Case{"\xE3\x81\x41", 0, false},        // a third byte that continues nothing
    Utf8Case{"\xF0\x9F\x98\x41", 0, false},
    Utf8Case{"a\xFF", 1, false},               // well formed at first, not to the end
    Utf8Case{"\xFF", 0, false}));

TEST(Utf8, ContinuationBytesAreTenXxxxxx) {
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(isUtf8Continuation(static_cast<unsigned char>(byte)), byte >= 0x80 && byte <= 0xBF) << byte;
    }
}

}  // namespace
}  // namespace zentra
