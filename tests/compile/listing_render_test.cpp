#include "compile/listing_render.h"

#include <gtest/gtest.h>

#include "support/token_fixture.h"
#include "compile/statement_compiler.h"

namespace zentra {
namespace {

using test_support::TokenFixture;

class ListingRenderTest : public ::testing::Test {
protected:
    // Compiles a block into the buffer and renders its listing.
    std::vector<std::string> render(const std::string& tokens) {
        f.setTokens(tokens);
        compileBlock(f.compiler);
        EXPECT_EQ(f.compiler.errors.count(), 0) << tokens;
        f.compiler.emitter.finish();
        MemoryTextArea pane;
        renderListing(f.code, f.compiler.symbols, pane);
        return pane.lines();
    }

    TokenFixture f;
};

TEST_F(ListingRenderTest, ShowsNamesOperatorsLiteralsAndBareBranches) {
    EXPECT_EQ(render("{ x = 2.5 * 3 ; if x > 0 { y = x ; } }"),
              (std::vector<std::string>{"",
                                        "0000   2.5  3  #*  s:x  ",
                                        "0004   x  0  #>  @002  ",
                                        "0008   x  s:y  "}));
}

TEST_F(ListingRenderTest, EmptyProgramKeepsItsBareHead) {
    f.code[0] = kEndWord;
    MemoryTextArea pane;
    renderListing(f.code, f.compiler.symbols, pane);
    EXPECT_EQ(pane.lines(), (std::vector<std::string>{"", "0000  \\"}));
}

TEST_F(ListingRenderTest, ElementWordsShowTheArrayName) {
    f.setTokens("{ v [ 1 ] = 2 ; y = v [ 1 ] ; }");
    f.declareArray("v", 3);
    compileBlock(f.compiler);
    ASSERT_EQ(f.compiler.errors.count(), 0);
    f.compiler.emitter.finish();
    MemoryTextArea pane;
    renderListing(f.code, f.compiler.symbols, pane);
    // Each element word is followed by its count word: n + the element count.
    EXPECT_EQ(pane.line(1), "0000   1  2  t:v[]  n003  1  v[]  n003  s:y  ");
}

TEST_F(ListingRenderTest, LocalVariablesShowTheirScopeAndWinOverAnArrayBase) {
    f.setTokens("{ t~2 =~2 v [ 0 ] ;~2 y = t~2 ; }");
    f.declareArray("v", 1);  // base slot 1, like the local t
    compileBlock(f.compiler);
    ASSERT_EQ(f.compiler.errors.count(), 0);
    f.compiler.emitter.finish();
    MemoryTextArea pane;
    renderListing(f.code, f.compiler.symbols, pane);
    // The element load of v[0] (base 1) and the local t (slot 1) share the key g001.
    EXPECT_EQ(pane.line(1), "0000   0  t(2)  n001  t:t(2)  ");
    EXPECT_EQ(pane.line(2), "0004   t(2)  s:y  ");
}

TEST_F(ListingRenderTest, UnknownKeysAndContinuationLines) {
    for (int k = 0; k < 13; ++k) f.code[static_cast<std::size_t>(k)] = 0x0007;
    f.code[13] = 0x6009;
    f.code[14] = kEndWord;
    MemoryTextArea pane;
    renderListing(f.code, f.compiler.symbols, pane);
    ASSERT_EQ(pane.lineCount(), 3);
    EXPECT_EQ(pane.line(1).substr(0, 17), "0000   v007  v007");
    EXPECT_EQ(pane.line(1).size(), 7u + 12 * 6);
    EXPECT_EQ(pane.line(2), "       v007  v009  ");  // no symbol: the key without "s:"
}

}  // namespace
}  // namespace zentra
