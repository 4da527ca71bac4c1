#include "front/token_defs.h"

#include <gtest/gtest.h>

#include <random>

#include "front/front_fixture.h"
#include "front/lexer.h"
#include "front/parser_passes.h"
#include "front/source_prep.h"
#include "front/token_append.h"
#include "vm/operations.h"

namespace zentra {
namespace {

using testing::FrontFixture;
using Strings = std::vector<std::string>;

struct DefCase {
    std::string line;
    Strings tokens;  // "KIND text" after the definition pass
};

class DefinedTokens : public ::testing::TestWithParam<DefCase> {};

TEST_P(DefinedTokens, GiveFinalTokens) {
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, makePosition(kProgramArea, 4), GetParam().line);
    const int lexErrors = f.compiler.errors.count();
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    EXPECT_EQ(f.kindsAndTexts(), GetParam().tokens);
    EXPECT_EQ(f.compiler.errors.count(), lexErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DefinedTokens,
    ::testing::Values(
        DefCase{"x = 0x1F;", {"IDENT x", "ASSIGN =", "DIGIT 31", "SEMICLN ;"}},
        DefCase{"0x7FFFFFFF", {"DIGIT 2147483647"}},
        DefCase{"0x000000007fffffff", {"DIGIT 2147483647"}}, DefCase{"0x0", {"DIGIT 0"}},
        DefCase{"y = -5;", {"IDENT y", "ASSIGN =", "DIGIT -5", "SEMICLN ;"}},
        DefCase{"y = +5", {"IDENT y", "ASSIGN =", "DIGIT 5"}},
        DefCase{"y = 3 - 5;",
                {"IDENT y", "ASSIGN =", "DIGIT 3", "MINUS -", "DIGIT 5", "SEMICLN ;"}},
        DefCase{"y = (-5)", {"IDENT y", "ASSIGN =", "OPEN (", "DIGIT -5", "CLOSE )"}},
        DefCase{"y = 2*-5", {"IDENT y", "ASSIGN =", "DIGIT 2", "MUL *", "DIGIT -5"}},
        DefCase{"f(1,-2)", {"IDENT f", "OPEN (", "DIGIT 1", "COMMA ,", "DIGIT -2", "CLOSE )"}},

        DefCase{"x>=-1", {"IDENT x", "GE >=", "DIGIT -1"}},
        // signs before numbers that stay binary, then folds further on
        DefCase{
            "a = b - 1 + (c) - 2 * -3, -4 E -5",
            {"IDENT a", "ASSIGN =", "IDENT b", "MINUS -", "DIGIT 1", "PLUS +", "OPEN (", "IDENT c",
             "CLOSE )", "MINUS -", "DIGIT 2", "MUL *", "DIGIT -3", "COMMA ,", "DIGIT -4E-5"}},
        DefCase{"1 E -5 + 2", {"DIGIT 1E-5", "PLUS +", "DIGIT 2"}},
        DefCase{"E -5", {"IDENT E", "MINUS -", "DIGIT 5"}},
        DefCase{"2 - -5", {"DIGIT 2", "MINUS -", "DIGIT -5"}},
        DefCase{"-5", {"MINUS -", "DIGIT 5"}},
        DefCase{"x;-5", {"IDENT x", "SEMICLN ;", "MINUS -", "DIGIT 5"}},
        DefCase{"a-1", {"IDENT a", "MINUS -", "DIGIT 1"}},
        DefCase{"(a)-1", {"OPEN (", "IDENT a", "CLOSE )", "MINUS -", "DIGIT 1"}},
        DefCase{"y = -0x10", {"IDENT y", "ASSIGN =", "DIGIT -16"}},
        DefCase{"1.5E-3", {"DIGIT 1.5E-3"}}, DefCase{"1.5E+3", {"DIGIT 1.5E3"}},
        DefCase{"2E5", {"DIGIT 2E5"}}, DefCase{"2e5", {"DIGIT 2", "IDENT e5"}},
        DefCase{"y = E - 1", {"IDENT y", "ASSIGN =", "IDENT E", "MINUS -", "DIGIT 1"}},
        DefCase{"var t;", {"DVAR var", "IDENT t", "SEMICLN ;"}},
        DefCase{"sin(x)", {"FUNC sin", "OPEN (", "IDENT x", "CLOSE )"}},
        DefCase{"Sin(x)", {"IDENT Sin", "OPEN (", "IDENT x", "CLOSE )"}},
        DefCase{"int(x) fft(x) aux",
                {"FUNC int", "OPEN (", "IDENT x", "CLOSE )", "IDENT fft", "OPEN (", "IDENT x",
                 "CLOSE )", "FUNC aux"}},
        DefCase{"\"if\" \"+\" \"\" \"text\"", {"IF if", "PLUS +", "STRING text"}},
        DefCase{"proc array alias if elsif else while include",
                {"PROC proc", "ARRAY array", "ALIAS alias", "IF if", "ELSIF elsif", "ELSE else",
                 "WHILE while", "INCLUDE include"}},
        DefCase{"<= == != > < / % ^ $ ! & | { } ... && ^^",
                {"LE <=", "EQ ==", "NE !=", "GT >", "LT <", "DIV /", "MOD %", "POW ^", "XOR $",
                 "NOT !", "AND &", "OR |", "BEGIN {", "END }", "MULTI ...", "LAND &&", "LOR ||"}},
        DefCase{"$3+4*2", {"XOR $", "DIGIT 3", "PLUS +", "DIGIT 4", "MUL *", "DIGIT 2"}}));

TEST(TokenDefinitions, RejectedCharactersLeaveNoToken) {
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, 1, "a あ b");
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    EXPECT_EQ(f.kindsAndTexts(), (Strings{"IDENT a", "IDENT b"}));
    EXPECT_EQ(f.compiler.errors.count(), 1);
}

TEST(TokenDefinitions, HexOutOfRangeEndsThePassAtOnce) {
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, makePosition(kParameterArea, 2),
            "a = 1 - 5; b = 0x80000000");
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    EXPECT_EQ(f.output(),
              (Strings{"error 199-01002", " \"80000000\"  は範囲(0～7fffffff)を超えています"}));
    EXPECT_EQ(f.compiler.errors.count(), 1);
    // Nothing after the hexadecimal pass ran: no dump, no trace; the tokens
    // are as the lexer gave them.
    EXPECT_EQ(f.compiler.tokenAt(3).kind, Kind::MINUS);
    EXPECT_EQ(f.compiler.tokenAt(8).kind, Kind::HEX);
    EXPECT_TRUE(f.host.tokens.lines().empty());
    EXPECT_EQ(f.messages().size(), 1u);  // the lexer's own line only
}

// A hexadecimal number that 31 bits cannot hold is refused, not cut to its
// low 32 bits; so is "0x" without digits.
TEST(TokenDefinitions, HexBeyond31BitsOrWithoutDigitsIsError199) {
    struct HexCase {
        const char* line;
        const char* shown;
    };
    for (const HexCase h :
         {HexCase{"x = 0x100000001", "100000001"},
          HexCase{"x = 0x10000000000000005", "10000000000000005"},
          HexCase{"x = 0x100000000", "100000000"}, HexCase{"x = 0xFFFFFFFF", "FFFFFFFF"},
          HexCase{"x = 0x", "0x"}, HexCase{"x = 0x;", "0x"}}) {
        FrontFixture f;
        lexLine(f.compiler.tokens, f.compiler.report, makePosition(kProgramArea, 3), h.line);
        addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
        EXPECT_EQ(f.output(),
                  (Strings{"error 199-00003",
                           " \"" + std::string(h.shown) + "\"  は範囲(0～7fffffff)を超えています"}))
            << h.line;
        EXPECT_EQ(f.compiler.errors.count(), 1) << h.line;
    }
}

TEST(TokenDefinitions, ExponentWithoutNumberIsError193) {
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, 7, "x = 3E;");
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    EXPECT_EQ(f.output(), (Strings{"error 193-00007", "  数値 \";\" を読めません"}));
    EXPECT_EQ(f.compiler.errors.count(), 1);
    EXPECT_EQ(f.kindsAndTexts(),
              (Strings{"IDENT x", "ASSIGN =", "DIGIT 3", "IDENT E", "SEMICLN ;"}));
}

TEST(TokenDefinitions, JoinedTextThatIsNoNumberIsError193) {
    // A letter run after a number that merely starts with E joins, but "2Ex"
    // is no number and must not be read as 2 later.
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, 4, "y = 2Ex + 2E5;");
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    EXPECT_EQ(f.output(), (Strings{"error 193-00004", "  数値 \"2Ex\" を読めません"}));
    EXPECT_EQ(f.compiler.errors.count(), 1);
    EXPECT_EQ(f.kindsAndTexts(),
              (Strings{"IDENT y", "ASSIGN =", "DIGIT 2Ex", "PLUS +", "DIGIT 2E5", "SEMICLN ;"}));
}

TEST(TokenDefinitions, ExponentAtTheVeryEndPointsAtTheLetter) {
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, 9, "3E");
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    EXPECT_EQ(f.output(), (Strings{"error 193-00009", "  数値 \"\" を読めません"}));
}

TEST(TokenDefinitions, UnknownKindIsError109AndStays) {
    FrontFixture f;
    Token odd;
    odd.position = makePosition(3, 5);
    odd.text = "@";
    appendToken(f.compiler.tokens, f.compiler.report, odd);
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    EXPECT_EQ(f.output(), (Strings{"error 109-03005", " \"@\" を識別できません"}));
    EXPECT_EQ(f.host.statusTexts[0], "ユーザ関数の記述にエラーがあります");
    ASSERT_EQ(f.compiler.tokens.count(), 1);
    EXPECT_EQ(f.compiler.tokenAt(0).kind, Kind::None);
}

TEST(TokenDefinitions, FoldKeepsTheSignsPositionAndScope) {
    FrontFixture f;
    const auto add = [&](std::int32_t position, std::string text, Kind kind, int scope) {
        appendToken(f.compiler.tokens, f.compiler.report,
                    Token{position, kind, std::move(text), scope});
    };
    add(1, "x", Kind::IDENT, 0);
    add(1, "=", Kind::None, 0);
    add(2, "-", Kind::None, 3);
    add(4, "7", Kind::DIGIT, 0);
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    ASSERT_EQ(f.compiler.tokens.count(), 3);
    EXPECT_EQ(f.compiler.tokenAt(2).text, "-7");
    EXPECT_EQ(f.compiler.tokenAt(2).position, 2);
    EXPECT_EQ(f.compiler.tokenAt(2).scope, 3);
}

TEST(TokenDefinitions, WritesTheDumpAndTheTrace) {
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, makePosition(kParameterArea, 12), "k = 0x10");
    f.compiler.tokens[0].scope = 2;
    addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
    EXPECT_EQ(f.host.tokens.lines(),
              (Strings{"  0 1 12IDENT   (2)k", "  1 1 12ASSIGN  =", "  2 1 12DIGIT   16"}));
    EXPECT_EQ(f.messages().back(), "addDef(): numTok=3");
}

TEST(TokenDump, PadsNumberAreaLineAndKind) {
    FrontFixture f;
    for (int i = 0; i < 1001; ++i)
        appendToken(f.compiler.tokens, f.compiler.report,
                    Token{makePosition(0, 3), Kind::SEMICLN, ";", 0});
    f.compiler.tokens[1000] = Token{makePosition(25, 30000), Kind::INCLUDE, "include", 0};
    f.compiler.tokens[99].kind = Kind::None;
    dumpTokens(f.compiler.tokens, f.host.tokens);
    const Strings lines = f.host.tokens.lines();
    ASSERT_EQ(lines.size(), 1001u);
    EXPECT_EQ(lines[0], "  0 0 3 SEMICLN ;");
    EXPECT_EQ(lines[10], " 10 0 3 SEMICLN ;");
    EXPECT_EQ(lines[99], " 99 0 3         ;");
    EXPECT_EQ(lines[100], "100 0 3 SEMICLN ;");
    EXPECT_EQ(lines[1000], "1000 25 30000INCLUDEinclude");
}

TEST(BuiltinTable, HoldsTheFortyOperations) {
    FrontFixture f;
    resetSymbols(f.compiler.symbols);
    f.compiler.addSymbol(Symbol{Kind::VAR, "kept", {CodeClass::LoadVariable, 1}, 0, 0, 0, {}});
    resetSymbols(f.compiler.symbols);
    EXPECT_EQ(f.compiler.symbols.count(), kBuiltinCount);
    EXPECT_EQ(f.compiler.symbols.find(Kind::VAR, "kept"), -1);
    const auto& s = f.compiler.symbols;
    EXPECT_EQ(s[0].name, "+");
    EXPECT_EQ(s[0].code, operationCode(0));
    EXPECT_EQ(s[12].name, "||");
    EXPECT_EQ(s[28].name, "^");
    EXPECT_EQ(s[28].code, operationCode(0x1C));
    EXPECT_EQ(s[33].argCount, 3);
    EXPECT_EQ(s[39].code, operationCode(0x27));
    for (int i = 0; i < kBuiltinCount; ++i) {
        EXPECT_EQ(s[i].kind, Kind::FUNC);
        EXPECT_EQ(s[i].scope, 0);
        EXPECT_EQ(s[i].localSize, 0);
    }
    EXPECT_EQ(f.compiler.symbols.find(Kind::FUNC, "atan2"), kOpAtan2);
}

TEST(BuiltinTable, LimitReportIsReArmedByTheReset) {
    FrontFixture f;
    for (int run = 0; run < 2; ++run) {
        resetSymbols(f.compiler.symbols);
        f.compiler.errors.startRun();
        while (f.compiler.addSymbol(Symbol{}) >= 0) {
        }
        EXPECT_EQ(f.compiler.errors.count(), 1);
        EXPECT_EQ(f.output()[0].substr(0, 9), "error 922");
    }
}

TEST(BuiltinNames, IncludeIntAndAuxButNotFft) {
    for (const char* name : {"int", "aux", "atan2", "log10", "graph"}) {
        EXPECT_TRUE(isBuiltinName(name)) << name;
    }
    for (const char* name : {"fft", "Sin", "sin ", ""}) EXPECT_FALSE(isBuiltinName(name)) << name;
}

TEST(NameKinds, KeywordsBuiltinsAndOtherNames) {
    const std::pair<std::string_view, Kind> cases[] = {
        {"if", Kind::IF},           {"elsif", Kind::ELSIF}, {"else", Kind::ELSE},
        {"include", Kind::INCLUDE}, {"var", Kind::DVAR},    {"proc", Kind::PROC},
        {"alias", Kind::ALIAS},     {"sin", Kind::FUNC},    {"sinh", Kind::FUNC},
        {"atan2", Kind::FUNC},      {"aux", Kind::FUNC},    {"int", Kind::FUNC},
        {"fft", Kind::IDENT},       {"Sin", Kind::IDENT},   {"si", Kind::IDENT},
        {"sins", Kind::IDENT},      {"ifx", Kind::IDENT},   {"_if", Kind::IDENT},
        {"v0", Kind::IDENT},        {"v230", Kind::IDENT},  {"e", Kind::IDENT},
        {"E", Kind::IDENT},         {"z", Kind::IDENT},     {"", Kind::IDENT},
        {"includes", Kind::IDENT},
    };
    for (const auto& [name, kind] : cases) EXPECT_EQ(nameKind(name), kind) << name;
    // The keywords agree with the kinds of texts, the operation names with the builtin test.
    for (const std::string_view keyword :
         {"proc", "array", "alias", "if", "elsif", "else", "while", "include", "var"}) {
        EXPECT_EQ(nameKind(keyword), textKind(keyword)) << keyword;
    }
    for (int op = 0; op < kBuiltinCount; ++op) {
        const std::string_view name = kOperations[static_cast<std::size_t>(op)].name;
        if (name[0] < 'a' || name[0] > 'z') continue;
        EXPECT_EQ(nameKind(name), isCalledByName(op) ? Kind::FUNC : Kind::IDENT) << name;
    }
}

TEST(NameKinds, PunctuationByCharacter) {
    const std::pair<char, Kind> cases[] = {
        {'+', Kind::PLUS},  {';', Kind::SEMICLN}, {'$', Kind::XOR},     {'[', Kind::AOPEN},
        {'}', Kind::END},   {'.', Kind::None},    {'a', Kind::None},    {'@', Kind::None},
        {'\0', Kind::None}, {'\x80', Kind::None}, {'\xFF', Kind::None},
    };
    for (const auto& [c, kind] : cases) EXPECT_EQ(punctuationKind(c), kind) << static_cast<int>(c);
}

// Random lines built from the characters the passes look at, in every area,
// through the whole preparation: the arrays are never left, the counts stay
// in range and every token that survives has a kind or was reported.
TEST(FrontEndPasses, RandomSourcesStayWithinTheArrays) {
    static constexpr std::string_view kAlphabet = "0123456789.xXeE+-*/=<>!&|^$%(){}[];,\" \t#@ab";
    static const std::string kWide[] = {"あ", "\xE3\x81", "\x80", "é"};
    std::mt19937 random(2024);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() + 3);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> lines(0, 60);
    const auto randomLines = [&] {
        std::vector<std::string> out(static_cast<std::size_t>(lines(random)));
        for (auto& line : out) {
            for (int n = length(random); n > 0; --n) {
                const std::size_t k = pick(random);
                line += k < kAlphabet.size() ? std::string(1, kAlphabet[k])
                                             : kWide[k - kAlphabet.size()];
            }
        }
        return out;
    };
    FrontFixture f;
    for (int round = 0; round < 300; ++round) {
        f.host.program.setLines(randomLines());
        f.host.parameters.setLines(randomLines());
        std::vector<std::string> store{"#u"};
        for (auto& line : randomLines())
            store.push_back(line.empty() || line[0] == '#' ? "u" : line);
        f.compiler.plan.userFunctions = {"u", "missing"};
        f.compiler.errors.startRun();
        f.compiler.startFrontEnd();
        prepareSource(f.compiler.host, f.compiler.plan.userFunctions, store, f.compiler.tokens,
                      f.compiler.report);
        ASSERT_LE(f.compiler.tokens.count(), kMaxTokens);
        addDef(f.compiler.tokens, f.compiler.report, f.compiler.host.monitorTokens());
        ASSERT_GE(f.compiler.tokens.count(), 0);
        ASSERT_LE(f.compiler.tokens.count(), kMaxTokens);
        for (int i = 0; i < f.compiler.tokens.count(); ++i) {
            const Token& t = f.compiler.tokenAt(i);
            if (t.kind == Kind::None || t.kind == Kind::HEX) {
                ASSERT_GT(f.compiler.errors.count(), 0);
            }
        }
    }
}

}  // namespace
}  // namespace zentra
