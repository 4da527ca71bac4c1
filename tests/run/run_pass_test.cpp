// One pass over a code buffer that the assembler would never write: the
// machine stops with a message instead of running off its buffer.
#include "run/run_pass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/memory_host.h"
#include "vm/code_word.h"
#include "vm/machine.h"

namespace zentra {
namespace {

struct PassCase {
    std::vector<CodeWord> words;  // from word 0; the rest of the buffer as it is set up
    bool endWordLast;             // the buffer's last word is the end word
    const char* message;
};

class CorruptBufferTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(CorruptBufferTest, EndsThePassWithAMessage) {
    MemoryHost host;
    Session session(host);
    session.code->fill(0x4FFF);  // load-constant: straight-line words with no end
    if (GetParam().endWordLast) session.code->back() = kEndWord;
    for (std::size_t i = 0; i < GetParam().words.size(); ++i) (*session.code)[i] = GetParam().words[i];
    EXPECT_TRUE(runPass(session));
    EXPECT_EQ(host.messageBoxes, std::vector<std::string>{GetParam().message});
}

constexpr const char* kOffTheEnd = "プログラムの終わりが見つかりません(コード領域の外へ分岐しました)";
constexpr const char* kStackFull = "計算スタックがあふれました(値は63個までです)";

INSTANTIATE_TEST_SUITE_P(
    Buffers, CorruptBufferTest,
    ::testing::Values(
        // A jump back from word 0 leaves the buffer.
        PassCase{{0xCFFE}, true, kOffTheEnd},
        // A branch forward past the last word.
        PassCase{{0x4FFF, 0xAFFF}, true, kOffTheEnd},
        // Loads with no end word anywhere fill the stack first.
        PassCase{{}, false, kStackFull}));

// Loads alternating with stores never fill the stack and run off the end.
TEST(CorruptBuffer, StoresWithoutAnEndWordRunOffTheBuffer) {
    MemoryHost host;
    Session session(host);
    for (std::size_t i = 0; i < session.code->size(); ++i) (*session.code)[i] = i % 2 ? 0x6001 : 0x4FFF;
    EXPECT_TRUE(runPass(session));
    EXPECT_EQ(host.messageBoxes, std::vector<std::string>{kOffTheEnd});
}

TEST(RuntimeMessages, AnUnknownResultCodeIsShownWithItsNumber) {
    EXPECT_EQ(runtimeErrorMessage(-99, 1000), "エラーが発生しました（-99)");
    EXPECT_EQ(runtimeErrorMessage(-1, 1000), "エラーが発生しました（-1)");
}

}  // namespace
}  // namespace zentra
