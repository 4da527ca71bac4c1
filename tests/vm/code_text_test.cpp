#include "vm/code_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "host/memory_host.h"
#include "support/token_fixture.h"
#include "compile/listing_render.h"
#include "compile/statement_compiler.h"

namespace zentra {
namespace {

struct TextCase {
    const char* name;
    std::vector<CodeWord> words;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class CodeTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CodeTextTest, ShowsOneItemPerWord) { EXPECT_EQ(codeText(GetParam().words), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Words, CodeTextTest,
    ::testing::Values(
        TextCase{"none", {}, "\\"},
        TextCase{"everyClass",
                 {0x0001, 0x2002, 0x40FF, 0x6004, 0x8005, 0xA007, 0xCFFE, 0xE01C},
                 "v001g002c0FFs004t005@007%FFE#1C\\"},
        // The word after an element word is its count, whatever its bits spell.
        TextCase{"countWords", {0x3003, 0x000A, 0x9003, 0x0FFF, 0x0003}, "p003n00Aw003nFFFv003\\"},
        // A count word that looks like an element word does not start another count.
        TextCase{"countLikeElement", {0x3001, 0x3002, 0x0004}, "p001n002v004\\"},
        // Slots past the machine's 10-bit local slots are shown whole.
        TextCase{"wideLocalSlots", {0x2FFF, 0x8FFF}, "gFFFtFFF\\"}));

// The code text line goes to the pane in its place, made from the words as
// they were when it was appended.
TEST(CodeTextLine, IsMadeFromTheWordsOfItsMoment) {
    test_support::TokenFixture f;
    f.setTokens("{ y = 1 ; }");
    compileBlock(f.compiler);
    MemoryTextArea pane;
    pane.appendLine("before");
    appendCodeTextLater(f.compiler.emitter, pane);
    pane.appendLine("after");
    f.setTokens("{ z = 2 + 3 ; }");
    compileBlock(f.compiler);
    EXPECT_EQ(pane.lines(), (std::vector<std::string>{"before", "cFFFs001\\", "after"}));
}

}  // namespace
}  // namespace zentra
