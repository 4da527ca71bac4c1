#include "vm/assembler.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace zentra {
namespace {

class AssemblerTest : public ::testing::Test {
protected:
    AssemblerTest() { code->fill(0x1234); }
    std::unique_ptr<CodeBuffer> code = std::make_unique<CodeBuffer>();
    CodeWord at(int i) const { return (*code)[static_cast<std::size_t>(i)]; }
};

TEST_F(AssemblerTest, OnlyTheBackslashGivesTheEndWord) {
    EXPECT_EQ(assemble("\\", *code), 0);
    EXPECT_EQ(at(0), kEndWord);
}

TEST_F(AssemblerTest, EveryLetterHasItsClassBase) {
    EXPECT_EQ(assemble("v001g002p003c0ffs004t005w006@007%FFE#1c\\", *code), 10);
    const CodeWord expected[] = {0x0001, 0x2002, 0x3003, 0x40FF, 0x6004,
                                 0x8005, 0x9006, 0xA007, 0xCFFE, 0xE01C, kEndWord};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(at(i), expected[i]) << i;
}

TEST_F(AssemblerTest, CountItemsAreTheBareCount) {
    EXPECT_EQ(assemble("p003n00Aw003nFFF\\", *code), 4);
    const CodeWord expected[] = {0x3003, 0x000A, 0x9003, 0x0FFF, kEndWord};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(at(i), expected[i]) << i;
}

TEST_F(AssemblerTest, ExampleProgramIsSixWords) {
    EXPECT_EQ(assemble("v001cFFF#05@002cFFEs002\\", *code), 6);
    EXPECT_EQ(at(6), kEndWord);
}

TEST_F(AssemblerTest, UnknownLetterReturnsMinusTheWordsWritten) {
    EXPECT_EQ(assemble("v001v002x\\", *code), -2);
    EXPECT_EQ(at(0), 0x0001);
    EXPECT_EQ(at(1), 0x0002);
    EXPECT_EQ(at(2), 0x1234);  // no end word
    EXPECT_EQ(assemble("x\\", *code), 0);
}

TEST_F(AssemblerTest, BadDigitReturnsMinusOne) { EXPECT_EQ(assemble("v00G\\", *code), -1); }

TEST_F(AssemblerTest, PartialItemAtTheBackslashIsDropped) {
    EXPECT_EQ(assemble("#0\\", *code), 0);
    EXPECT_EQ(at(0), kEndWord);
}

TEST_F(AssemblerTest, TextLongerThanTheBufferIsRejectedWithoutWritingPastIt) {
    std::string text;
    for (int i = 0; i < kMaxProgramWords; ++i) text += "v001";
    EXPECT_EQ(assemble(text + "\\", *code), kMaxProgramWords);
    EXPECT_EQ(at(kMaxProgramWords), kEndWord);
    EXPECT_EQ(assemble(text + "v002\\", *code), kAssembleTooLong);
    EXPECT_LT(kAssembleTooLong, 0);
}

}  // namespace
}  // namespace zentra
