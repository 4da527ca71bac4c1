// The words the compilers put into the code buffer for each construct, read
// back from the buffer the machine runs.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "support/token_fixture.h"
#include "compile/statement_compiler.h"

namespace zentra {
namespace {

using test_support::TokenFixture;
using Words = std::vector<CodeWord>;

struct WordsCase {
    const char* name;
    const char* tokens;  // a block; the array v[3] and the variable a are declared first
    Words words;         // up to the end word
};

void PrintTo(const WordsCase& c, std::ostream* out) { *out << c.name; }

class CodeWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(CodeWordsTest, CompileIntoTheBufferEndedByTheEndWord) {
    TokenFixture f;
    f.setTokens(GetParam().tokens);
    f.declareArray("v", 3);  // slots 1..3
    f.declareVariable("a");  // slot 4
    f.code.fill(0x1234);
    compileBlock(f.compiler);
    f.compiler.emitter.finish();
    ASSERT_EQ(f.compiler.errors.count(), 0);
    const Words& expected = GetParam().words;
    ASSERT_EQ(f.compiler.emitter.count(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(f.code[i], expected[i]) << "word " << i;
    EXPECT_EQ(f.code[expected.size()], kEndWord);
}

INSTANTIATE_TEST_SUITE_P(
    Constructs, CodeWordsTest,
    ::testing::Values(
        WordsCase{"constantStore", "{ y = 1 ; }", {0x4FFF, 0x6005}},
        // v001-style loads, literals from constant slot FFF down, the operation last.
        WordsCase{"loadsAndOperation", "{ y = a + 2 ; }", {0x0004, 0x4FFF, 0xE000, 0x6005}},
        // An element word is followed by its bare count.
        WordsCase{"elementLoadAndStore", "{ v [ 1 ] = v [ 2 ] ; }",
                  {0x4FFF, 0x4FFE, 0x3001, 0x0003, 0x9001, 0x0003}},
        // Locals of an expanded body: g and t with their own slots.
        WordsCase{"locals", "{ t~1 =~1 1 ;~1 y = t~1 ; }", {0x4FFF, 0x8001, 0x2001, 0x6005}},
        // C @over A: the branch skips the then-part.
        WordsCase{"ifBranch", "{ if a { y = 1 ; } }", {0x0004, 0xA002, 0x4FFF, 0x6005}},
        // S: C @X A %S: the jump back is a 12-bit two's complement distance.
        WordsCase{"whileJumpsBack", "{ while a { a = a - 1 ; } }",
                  {0x0004, 0xA005, 0x0004, 0x4FFF, 0xE001, 0x6004, 0xCFF9}},
        // Builtins are operation words numbered by their table entry.
        WordsCase{"builtinCall", "{ y = sqrt ( a ) ; }", {0x0004, 0xE01A, 0x6005}}));

// The distances at the 12-bit edges: a forward branch of 2047 words, a jump
// back of 2047 words, and one word more refused (773 forward, 774 back).
struct EdgeCase {
    const char* name;
    bool loop;
    bool negated;   // the body starts "! 1" (one word more)
    int additions;  // of "+ 1" in the body
    int errorNumber;  // 0: accepted
    CodeWord edgeWord;
};

void PrintTo(const EdgeCase& c, std::ostream* out) { *out << c.name; }

class DistanceEdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(DistanceEdgeTest, HoldsAtTwelveBits) {
    const EdgeCase& e = GetParam();
    std::string body = e.negated ? "y = ! 1" : "y = 1";
    for (int k = 0; k < e.additions; ++k) body += " + 1";
    TokenFixture f;
    f.setTokens(std::string("{ ") + (e.loop ? "while" : "if") + " c { " + body + " ; } }");
    compileBlock(f.compiler);
    if (e.errorNumber == 0) {
        EXPECT_EQ(f.compiler.errors.count(), 0);
    } else {
        ASSERT_FALSE(f.output().empty());
        EXPECT_EQ(f.output()[0].substr(0, 9), "error " + std::to_string(e.errorNumber));
    }
    const int count = f.compiler.emitter.count();
    const CodeWord edge = e.loop ? f.code[static_cast<std::size_t>(count - 1)] : f.code[1];
    EXPECT_EQ(edge, e.edgeWord);
}

// A body with k additions is 2k + 2 words, 2k + 3 negated. A while loop is
// C @ body %: the jump back covers the body, the branch, C and itself.
INSTANTIATE_TEST_SUITE_P(
    Distances, DistanceEdgeTest,
    ::testing::Values(EdgeCase{"forward2047", false, true, 1022, 0, 0xA7FF},
                      EdgeCase{"forward2048", false, false, 1023, 773, 0xA800},
                      EdgeCase{"back2047", true, false, 1021, 0, 0xC801},
                      EdgeCase{"back2048", true, true, 1021, 774, 0xC800}));

}  // namespace
}  // namespace zentra
