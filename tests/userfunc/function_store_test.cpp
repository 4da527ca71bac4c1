#include "userfunc/function_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

FunctionStore sampleStore() {
    return FunctionStore({"#f", "//twice", "f(x)", "{", "", "\treturn x * 2;", "}", "#g", "g(a, b)",
                          "{", "\treturn a - b;", "}"});
}

TEST(FunctionStore, FetchSkipsEmptyLinesAndComparesTheHeaderExactly) {
    const FunctionStore store = sampleStore();
    EXPECT_EQ(store.fetch("f"), (Lines{"//twice", "f(x)", "{", "\treturn x * 2;", "}"}));
    EXPECT_EQ(store.fetch("g"), (Lines{"g(a, b)", "{", "\treturn a - b;", "}"}));
    EXPECT_FALSE(store.fetch("ff").has_value());
    EXPECT_FALSE(store.fetch("").has_value());
    EXPECT_EQ(FunctionStore({"#e"}).fetch("e"), Lines{});
}

struct NameCase {
    Lines text;
    const char* name;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << ::testing::PrintToString(c.text); }

class DeclarationNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(DeclarationNameTest, FirstDeclarationLine) {
    EXPECT_EQ(declarationName(GetParam().text), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DeclarationNameTest,
    ::testing::Values(NameCase{{"f(x)", "{", "return x;", "}"}, "f"},
                      NameCase{{"//説明", "", " cube ( x )  // third power", "{"}, "cube"},
                      NameCase{{"\tg2.b( a , b_1 )"}, "g2.b"}, NameCase{{"one()"}, "one"},
                      NameCase{{"// f(x)", "y = 1;", "h(x)"}, "h"},  // comments are cut first
                      NameCase{{"f(x;y)", "k(1, z)"}, "k"},          // "1" is skipped
                      NameCase{{"2f(x)", "f(x"}, ""},
                      NameCase{{"//説明", "", "{", "\treturn ", "}"}, ""}));

TEST(FunctionStore, RegisterPutsTheFunctionInFront) {
    FunctionStore store = sampleStore();
    EXPECT_EQ(store.registerText({"h(x)", "{", "", "\treturn x;", "}"}), "h");
    EXPECT_EQ(store.lines(),
              (Lines{"#h", "h(x)", "{", "", "\treturn x;", "}", "#f", "//twice", "f(x)", "{",
                     "\treturn x * 2;", "}", "#g", "g(a, b)", "{", "\treturn a - b;", "}"}));
}

TEST(FunctionStore, RegisterReplacesTheBlockOfTheSameName) {
    FunctionStore store = sampleStore();
    EXPECT_EQ(store.registerText({"// new", "g ( p , q )", "{", "\treturn p + q;", "}"}), "g");
    EXPECT_EQ(store.lines(), (Lines{"#g", "// new", "g ( p , q )", "{", "\treturn p + q;", "}",
                                    "#f", "//twice", "f(x)", "{", "\treturn x * 2;", "}"}));
    EXPECT_EQ(store.listEntries(), (Lines{"g(p,q) //new", "f(x) //twice"}));
}

TEST(FunctionStore, TextWithoutDeclarationChangesNothing) {
    FunctionStore store = sampleStore();
    const Lines before = store.lines();
    EXPECT_EQ(store.registerText({"//説明", "", "{", "\treturn ", "}"}), "");
    EXPECT_EQ(store.deleteText({"{", "}"}), "");
    EXPECT_EQ(store.lines(), before);
    EXPECT_EQ(kNoFunctionNameMessage, "ソースコードに関数名がありません");
}

TEST(FunctionStore, DeleteRemovesTheBlockTheTextDeclares) {
    FunctionStore store = sampleStore();
    EXPECT_EQ(store.deleteText({"f(y)", "{ return 0; }"}), "f");
    EXPECT_EQ(store.lines(), (Lines{"#g", "g(a, b)", "{", "\treturn a - b;", "}"}));
    EXPECT_EQ(store.deleteText({"zz(x)"}), "zz");  // not stored: nothing to remove
    EXPECT_EQ(store.lines(), (Lines{"#g", "g(a, b)", "{", "\treturn a - b;", "}"}));
}

TEST(FunctionStore, LinesBeforeTheFirstHeaderAreKept) {
    FunctionStore store({"note", "", "#f", "f(x)"});
    store.registerText({"g(x)"});
    EXPECT_EQ(store.lines(), (Lines{"#g", "g(x)", "note", "#f", "f(x)"}));
}

TEST(FunctionStore, ListEntries) {
    const FunctionStore store({
        "#f", "//twice", "f(x)", "{", "}",   // description first
        "#g", "", "g( a, b ) // sum", "{",   // comment behind the declaration
        "#k", "  {", "x", "k(x)", "//late",  // the first line holding the name
        "#e",                                // no line with its name
        "#m", "max(a, b)",                   // the next header starts the next entry
    });
    EXPECT_EQ(store.listEntries(), (Lines{"f(x) //twice", "g(a,b)//sum", "k(x)", "max(a,b)"}));
}

}  // namespace
}  // namespace zentra
