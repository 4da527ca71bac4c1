#include "vm/code_listing.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace zentra {
namespace {

std::string listingOf(std::initializer_list<CodeWord> words) {
    auto code = std::make_unique<CodeBuffer>();
    code->fill(kEndWord);
    int i = 0;
    for (CodeWord w : words) (*code)[static_cast<std::size_t>(i++)] = w;
    return codeListing(*code);
}

TEST(CodeListing, EmptyProgramIsABareHead) { EXPECT_EQ(listingOf({}), "0000  \\"); }

TEST(CodeListing, BranchEndsALineAndAStoreBeforeTheEndWordDoesNot) {
    EXPECT_EQ(listingOf({0x0001, 0x4FFF, 0xE005, 0xA002, 0x4FFE, 0x6002}),
              "0000   v001 cFFF #005 @002\\0004   cFFE s002\\");
}

TEST(CodeListing, StoreEndsALineUnlessABranchOrOperationFollows) {
    EXPECT_EQ(listingOf({0x6001, 0x0001, 0x8002, 0x4001}),
              "0000   s001\\0001   v001 t002\\0003   c001\\");
    EXPECT_EQ(listingOf({0x6001, 0xE000}), "0000   s001 #000\\");
    // Stores in 0x7000-0x7FFF and store-element words do not end a line.
    EXPECT_EQ(listingOf({0x7001, 0x9003, 0x0001, 0x0001}), "0000   s001 t003 n001 v001\\");
}

TEST(CodeListing, ElementWordsShowUnderLocalLetters) {
    EXPECT_EQ(listingOf({0x3005, 0x0010, 0xC7FF}), "0000   g005 n010 %7FF\\");
}

// The word after an element word is its count, whatever class its bits spell;
// it never ends a line, and the word after it is read as usual.
TEST(CodeListing, CountWordsFollowElementWords) {
    EXPECT_EQ(listingOf({0x3001, 0xA003, 0x9001, 0x6FFF, 0x3001, 0x3001, 0x3002, 0x0004}),
              "0000   g001 n003 t001 nFFF g001 n001 g002 n004\\");
    EXPECT_EQ(listingOf({0x3001, 0x0003, 0x6002, 0x0001}), "0000   g001 n003 s002\\0003   v001\\");
}

TEST(CodeListing, ThirteenLoadsWrapAfterTwelveItems) {
    const std::string listing = listingOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    EXPECT_EQ(listing,
              "0000   v001 v002 v003 v004 v005 v006 v007 v008 v009 v00A v00B v00C\\"
              "       v00D\\");
}

TEST(CodeListing, FullBufferWithoutEndWordStopsAtItsEnd) {
    auto code = std::make_unique<CodeBuffer>();
    code->fill(0x0001);
    const std::string listing = codeListing(*code);
    EXPECT_EQ(listing.back(), '\\');
    std::size_t items = 0;
    for (auto at = listing.find(" v001"); at != std::string::npos; at = listing.find(" v001", at + 1)) {
        ++items;
    }
    EXPECT_EQ(items, static_cast<std::size_t>(kCodeBufferSize));
}

}  // namespace
}  // namespace zentra
