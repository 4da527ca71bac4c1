#include "shell/function_list_rules.h"

#include <gtest/gtest.h>

#include "userfunc/function_store.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

TEST(FunctionListRules, AnEntryNamesTheFunctionBeforeItsParenthesis) {
    EXPECT_EQ(entryFunctionName("sq(x) //平方"), "sq");
    EXPECT_EQ(entryFunctionName("a.b_2(x,y)"), "a.b_2");
    EXPECT_EQ(entryFunctionName("noparen"), "noparen");
    EXPECT_EQ(entryFunctionName(""), "");
}

// A run numbers a function's lines with its empty ones; the editor shows them too.
TEST(FunctionListRules, TheEditorShowsAFunctionWithTheEmptyLinesARunCounts) {
    const FunctionStore store({"#f", "f(x)", "{", "", "return x;", "}", "", "#g", "g()", "{ return 1; }"});
    EXPECT_EQ(storedFunctionText(store, "f"), (Lines{"f(x)", "{", "", "return x;", "}"}));
    EXPECT_EQ(storedFunctionText(store, "g"), (Lines{"g()", "{ return 1; }"}));
    EXPECT_EQ(storedFunctionText(store, "h"), std::nullopt);
    EXPECT_EQ(storedFunctionText(FunctionStore({"#e"}), "e"), Lines{});
}

TEST(FunctionListRules, AlphabeticalOrderIgnoresCaseAndKeepsTiesInStoreOrder) {
    const FunctionStore store({"#beta", "beta(x)", "{ return x; }", "#Alpha", "Alpha(x)", "{ return x; }", "#alpha",
                               "// small", "alpha(x)", "{ return x; }", "#Gamma", "Gamma(x)", "{ return x; }"});
    EXPECT_EQ(orderedEntries(store, FunctionOrder::Store),
              (Lines{"beta(x)", "Alpha(x)", "alpha(x) //small", "Gamma(x)"}));
    EXPECT_EQ(orderedEntries(store, FunctionOrder::Alphabetical),
              (Lines{"Alpha(x)", "alpha(x) //small", "beta(x)", "Gamma(x)"}));
}

TEST(FunctionListRules, TheFilterKeepsEntriesHoldingEveryWord) {
    struct Case {
        const char* filter;
        bool kept;
    };
    const Case cases[] = {
        {"", true},          {"   ", true},     {"HYP", true},         {"hypot(", true},
        {"斜辺", true},      {"hyp 斜辺", true}, {"hyp  //斜", true},   {"hyp quad", false},
        {"hypot(x,y)z", false}, {"x, y", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(entryMatchesFilter("hypot(x,y) //斜辺の長さ", c.filter), c.kept) << '"' << c.filter << '"';
    }
}

TEST(FunctionListRules, ALibraryNameWithoutExtensionGetsTheLibrarySuffix) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/lib", "/home/u/lib.qbxfun"},
        {"/home/u/lib.qbxfun", "/home/u/lib.qbxfun"},
        {"/home/u/notes.txt", "/home/u/notes.txt"},
        {"/home/u.d/lib", "/home/u.d/lib.qbxfun"},
        {"/home/u/.lib", "/home/u/.lib.qbxfun"},
        {"lib", "lib.qbxfun"},
    };
    for (const auto& [chosen, written] : cases) EXPECT_EQ(libraryPathWithSuffix(chosen), written) << chosen;
}

TEST(FunctionListRules, TheNewFunctionTemplateLeavesItsSecondLineForTheDeclaration) {
    EXPECT_EQ(kNewFunctionTemplate[kNewFunctionDeclarationLine], "");
    // Filled in, the template registers under the declared name.
    Lines text(kNewFunctionTemplate.begin(), kNewFunctionTemplate.end());
    text[kNewFunctionDeclarationLine] = "twice(x)";
    text[4] += "2 * x;";
    EXPECT_EQ(declarationName(text), "twice");
}

}  // namespace
}  // namespace zentra
