#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front/parser_passes.h"
#include "support/declare_fixture.h"

namespace zentra {
namespace {

using test::DeclareBench;
using test::TokenSpec;

TEST(PrefixParameterNames, PrefixesParameterNamesAndTheirLaterUses) {
    DeclareBench bench;
    bench.load("a = 1 ;\nproc { b = a ; }");
    prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
    EXPECT_EQ(bench.texts(),
              (std::vector<std::string>{"_a", "=", "1", ";", "proc", "{", "b", "=", "_a", ";", "}"}));
}

TEST(PrefixParameterNames, GivesEveryOccurrenceOneSinglePrefix) {
    DeclareBench bench;
    bench.load("a = 1 ;\nb = a ;\nx = a , b ;\nproc { c = a + b ; }");
    prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
    EXPECT_EQ(bench.texts(),
              (std::vector<std::string>{"_a", "=", "1", ";", "_b", "=", "_a", ";", "_x", "=", "_a",
                                        ",", "_b", ";", "proc", "{", "c", "=", "_a", "+", "_b",
                                        ";", "}"}));
}

TEST(PrefixParameterNames, KeepsAWrittenPrefixApartFromAPrefixedName) {
    DeclareBench bench;
    bench.load("a = 1 ;\n_a = 2 ;\nproc { y = a + _a ; }");
    prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
    const std::vector<std::string> texts = bench.texts();
    EXPECT_EQ(texts[0], "_a");
    EXPECT_EQ(texts[4], "__a");
    EXPECT_EQ(texts[12], "_a");
    EXPECT_EQ(texts[14], "__a");
}

TEST(PrefixParameterNames, LeavesOtherScopesAndProgramOnlyNamesAlone) {
    DeclareBench bench;
    bench.load(std::vector<TokenSpec>{{Kind::IDENT, "a"},
                                      {Kind::ASSIGN, "="},
                                      {Kind::DIGIT, "1"},
                                      {Kind::SEMICLN, ";"},
                                      {Kind::PROC, "proc"},
                                      {Kind::IDENT, "a", 2},
                                      {Kind::IDENT, "a"},
                                      {Kind::IDENT, "q"},
                                      {Kind::IDENT, "q"}});
    prefixParameterNames(bench.compiler.tokens, bench.compiler.names);
    EXPECT_EQ(bench.texts(),
              (std::vector<std::string>{"_a", "=", "1", ";", "proc", "a", "_a", "q", "q"}));
}

TEST(DumpSymbols, AlignsNumberKindCodeScopeAndName) {
    DeclareBench bench;
    Compiler& c = bench.compiler;
    c.addSymbol(Symbol{Kind::DIGIT, "_x", {CodeClass::LoadConstant, 0xFFF}, 0, 0, 0, {}});
    c.addSymbol(Symbol{Kind::VAR, "t", {CodeClass::LoadLocal, 1}, 1, 0, 0, {}});
    c.addSymbol(Symbol{Kind::STRING, "_s", {CodeClass::String, 0}, 0, 0, 0, "a long text"});
    c.addSymbol(Symbol{Kind::CONST, "p", {}, 2, 0, 0, {}});  // a body's parameter left undefined
    c.addSymbol(Symbol{Kind::VAR, "_q", {CodeClass::LoadVariable, 0xAB}, 0, 0, 0, {}});
    while (c.symbols.count() < 100) c.addSymbol(Symbol{Kind::CONST, "k", {CodeClass::LoadConstant, 0}, 0, 0, 0, {}});
    c.addSymbol(Symbol{Kind::ARRAY, "_a", {CodeClass::ElementBase, 1}, 12, 0, 0, {}});
    bench.host.symbols.setLines({"old line"});

    dumpSymbols(c.symbols, bench.host.symbols);

    const std::vector<std::string> lines = bench.host.symbols.lines();
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[0], "  0 FUNC  #00   +");
    EXPECT_EQ(lines[16], " 16 FUNC  #10   sin");
    EXPECT_EQ(lines[40], " 40 DIGIT cFFF  _x");
    EXPECT_EQ(lines[41], " 41 VAR   g001 (1)t");
    EXPECT_EQ(lines[42], " 42 STRING\"a long text\" _s");
    EXPECT_EQ(lines[43], " 43 CONST      (2)p");
    EXPECT_EQ(lines[44], " 44 VAR   v0AB  _q");
    EXPECT_EQ(lines[45], " 45 CONST c000  k");
    EXPECT_EQ(lines[100], "100 ARRAY v001 (12)_a");
}

}  // namespace
}  // namespace zentra
