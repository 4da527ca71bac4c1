#include "front/lexer.h"

#include <gtest/gtest.h>

#include <random>

#include "front/front_fixture.h"
#include "front/token_append.h"

namespace zentra {
namespace {

using testing::FrontFixture;
using Strings = std::vector<std::string>;

struct LexCase {
    std::string line;
    Strings tokens;  // "KIND text", "-" for the empty kind
};

class LexerTokens : public ::testing::TestWithParam<LexCase> {};

TEST_P(LexerTokens, GivesTokensWithTheirKinds) {
    FrontFixture f;
    const LexCase& c = GetParam();
    const int count =
        lexLine(f.compiler.tokens, f.compiler.report, makePosition(kProgramArea, 1), c.line);
    EXPECT_EQ(f.kindsAndTexts(), c.tokens);
    EXPECT_EQ(count, static_cast<int>(c.tokens.size()));
    EXPECT_EQ(f.compiler.errors.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LexerTokens,
    ::testing::Values(
        LexCase{"x = 0x1F;", {"IDENT x", "ASSIGN =", "HEX 1F", "SEMICLN ;"}},
        LexCase{"0X1F", {"DIGIT 0", "IDENT X1F"}}, LexCase{"0x", {"HEX "}},
        LexCase{"0xg", {"HEX ", "IDENT g"}}, LexCase{".5", {"MULTI .", "DIGIT 5"}},
        LexCase{"...", {"MULTI ..."}}, LexCase{"a&&b", {"IDENT a", "LAND &&", "IDENT b"}},
        LexCase{"a&b", {"IDENT a", "AND &", "IDENT b"}},
        LexCase{"a & & b", {"IDENT a", "AND &", "AND &", "IDENT b"}},
        LexCase{"a||b", {"IDENT a", "LOR ||", "IDENT b"}},
        LexCase{"a^^b", {"IDENT a", "LOR ||", "IDENT b"}},
        LexCase{"x>=1", {"IDENT x", "GE >=", "DIGIT 1"}},
        LexCase{"x=>1", {"IDENT x", "ASSIGN =", "GT >", "DIGIT 1"}},
        LexCase{"a!=b==c<=d",
                {"IDENT a", "NE !=", "IDENT b", "EQ ==", "IDENT c", "LE <=", "IDENT d"}},
        LexCase{"2x", {"DIGIT 2", "IDENT x"}},
        LexCase{"1.5E-3", {"DIGIT 1.5", "IDENT E", "MINUS -", "DIGIT 3"}},
        LexCase{"s = \"a b\"", {"IDENT s", "ASSIGN =", "STRING a b"}}, LexCase{"\"\"", {"STRING "}},
        LexCase{"_a1\tb\f\rc", {"IDENT _a1", "IDENT b", "IDENT c"}},
        LexCase{"+-*/(){}<>;,%^$|![]",
                {"PLUS +", "MINUS -", "MUL *", "DIV /", "OPEN (", "CLOSE )", "BEGIN {", "END }",
                 "LT <", "GT >", "SEMICLN ;", "COMMA ,", "MOD %", "POW ^", "XOR $", "OR |", "NOT !",
                 "AOPEN [", "ACLOS ]"}},
        LexCase{"return x*2;",
                {"IDENT return", "ASSIGN =", "IDENT x", "MUL *", "DIGIT 2", "SEMICLN ;"}},
        LexCase{"returnValue = 1",
                {"IDENT return", "ASSIGN =", "IDENT Value", "ASSIGN =", "DIGIT 1"}},
        LexCase{"s = \"no return\"", {"IDENT s", "ASSIGN =", "STRING no return="}},
        LexCase{"x = 1 // return", {"IDENT x", "ASSIGN =", "DIGIT 1"}},
        LexCase{"\"あ\"", {"STRING あ"}},
        // tokens that end the line: nothing follows them to stop a scan
        LexCase{"a&", {"IDENT a", "AND &"}}, LexCase{"a|", {"IDENT a", "OR |"}},
        LexCase{"x<", {"IDENT x", "LT <"}}, LexCase{"1.", {"DIGIT 1."}},
        LexCase{"x=abc", {"IDENT x", "ASSIGN =", "IDENT abc"}},
        // keywords, builtin names and strings of their texts get their final kinds here
        LexCase{"if sin(x) Sin var aux fft",
                {"IF if", "FUNC sin", "OPEN (", "IDENT x", "CLOSE )", "IDENT Sin", "DVAR var",
                 "FUNC aux", "IDENT fft"}},
        LexCase{"\"while\" \"<=\" \"cos\" \"x\"", {"WHILE while", "LE <=", "FUNC cos", "STRING x"}},
        LexCase{"x=1 //", {"IDENT x", "ASSIGN =", "DIGIT 1"}},
        LexCase{"f(x)// c", {"IDENT f", "OPEN (", "IDENT x", "CLOSE )"}},
        LexCase{"return", {"IDENT return", "ASSIGN ="}}));

TEST(Lexer, EmptyAndCommentLinesGiveNothingAndAreNotTraced) {
    FrontFixture f;
    EXPECT_EQ(lexLine(f.compiler.tokens, f.compiler.report, 1, ""), 0);
    EXPECT_EQ(lexLine(f.compiler.tokens, f.compiler.report, 2, "// only a comment"), 0);
    EXPECT_TRUE(f.messages().empty());
    // A line of blanks gives no token but is shown.
    EXPECT_EQ(lexLine(f.compiler.tokens, f.compiler.report, 3, "  \t "), 0);
    EXPECT_EQ(f.messages(), Strings{"  \t "});
    EXPECT_EQ(f.compiler.tokens.count(), 0);
}

TEST(Lexer, TracesThePreparedLineAndStampsEveryToken) {
    FrontFixture f;
    const std::int32_t position = makePosition(kParameterArea, 7);
    EXPECT_EQ(lexLine(f.compiler.tokens, f.compiler.report, position, "k = returnx // note"), 5);
    EXPECT_EQ(f.messages(), Strings{"k = return=x "});
    for (int i = 0; i < f.compiler.tokens.count(); ++i) {
        EXPECT_EQ(f.compiler.tokenAt(i).position, position);
        EXPECT_EQ(f.compiler.tokenAt(i).scope, 0);
    }
}

TEST(Lexer, AppendsAfterTokensAlreadyThere) {
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, 1, "a");
    lexLine(f.compiler.tokens, f.compiler.report, 2, "b c");
    EXPECT_EQ(f.texts(), (Strings{"a", "b", "c"}));
    EXPECT_EQ(f.compiler.tokenAt(2).position, 2);
}

TEST(Lexer, UnterminatedStringTakesTheRestAndRecordsTheLine) {
    FrontFixture f;
    const std::int32_t position = makePosition(kParameterArea, 12);
    // The comment cut also applies inside the string.
    EXPECT_EQ(lexLine(f.compiler.tokens, f.compiler.report, position, "s = \"http://x\""), 3);
    EXPECT_EQ(f.kindsAndTexts(), (Strings{"IDENT s", "ASSIGN =", "STRING http:"}));
    EXPECT_EQ(f.output(), (Strings{"error 104-01012", " 文字列の解読ができません"}));
    EXPECT_EQ(f.compiler.errors.count(), 1);
    EXPECT_EQ(f.compiler.errors.lastLine(), 12);
    EXPECT_EQ(f.host.statusTexts[0], "パラメータ定義エリアの記述にエラーがあります");
}

TEST(Lexer, ReportsEveryExtraPointOfANumber) {
    FrontFixture f;
    lexLine(f.compiler.tokens, f.compiler.report, 3, "a = 1.2.3 + 1..5");
    EXPECT_EQ(f.kindsAndTexts(),
              (Strings{"IDENT a", "ASSIGN =", "DIGIT 1.2.3", "PLUS +", "DIGIT 1..5"}));
    EXPECT_EQ(f.compiler.errors.count(), 2);
    const Strings expected{"error 105-00003", " 文字 \".\" の解読ができません", "error 105-00003",
                           " 文字 \".\" の解読ができません"};
    EXPECT_EQ(f.output(), expected);
    EXPECT_EQ(f.compiler.errors.lastLine(), 0);  // only error 104 records the line
}

struct RejectCase {
    std::string line;
    Strings shown;  // the characters named by the error 106 messages
    Strings tokens;
};

class LexerRejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(LexerRejects, ReportsOncePerCharacterAndLeavesAnEmptyToken) {
    FrontFixture f;
    const RejectCase& c = GetParam();
    lexLine(f.compiler.tokens, f.compiler.report, 1, c.line);
    Strings expected;
    for (const auto& shown : c.shown) {
        expected.push_back("error 106-00001");
        expected.push_back(" 文字 \"" + shown + "\" は使えません");
    }
    EXPECT_EQ(f.output(), expected);
    EXPECT_EQ(f.compiler.errors.count(), static_cast<int>(c.shown.size()));
    EXPECT_EQ(f.kindsAndTexts(), c.tokens);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, LexerRejects,
    ::testing::Values(RejectCase{"あ", {"あ"}, {"- "}},
                      RejectCase{"xあy", {"あ"}, {"IDENT x", "- ", "IDENT y"}},
                      RejectCase{"é€😀", {"é", "€", "😀"}, {"- ", "- ", "- "}},
                      RejectCase{"a # b", {"#"}, {"IDENT a", "- ", "IDENT b"}},
                      RejectCase{"@~?", {"@", "~", "?"}, {"- ", "- ", "- "}},
                      // broken UTF-8: a stray continuation byte, a truncated
                      // sequence, a surrogate and an overlong form go byte by byte
                      RejectCase{"\x80", {"\\x80"}, {"- "}},
                      RejectCase{"\xE3\x81", {"\\xE3", "\\x81"}, {"- ", "- "}},
                      RejectCase{"\xED\xA0\x80", {"\\xED", "\\xA0", "\\x80"}, {"- ", "- ", "- "}},
                      RejectCase{"\xC0\xAF", {"\\xC0", "\\xAF"}, {"- ", "- "}},
                      RejectCase{std::string("a\0b", 3), {"\\x00"}, {"IDENT a", "- ", "IDENT b"}},
                      RejectCase{"\x1B", {"\\x1B"}, {"- "}}));

TEST(Lexer, StopsAppendingAtTheTokenLimit) {
    FrontFixture f;
    for (int i = 0; i < kMaxTokens - 2; ++i)
        ASSERT_TRUE(appendToken(f.compiler.tokens, f.compiler.report, Token{}));
    EXPECT_EQ(lexLine(f.compiler.tokens, f.compiler.report, 5, "a b c \"d e"), 2);
    EXPECT_EQ(f.compiler.tokens.count(), kMaxTokens);
    // Error 921 once; the unterminated string after the limit is not lexed.
    EXPECT_EQ(f.output().size(), 2u);
    EXPECT_EQ(f.output()[0], "error 921-00005");
    EXPECT_EQ(lexLine(f.compiler.tokens, f.compiler.report, 6, "f"), 0);
    EXPECT_EQ(f.output().size(), 2u);
}

TEST(Lexer, AnyBytesGiveTokensOrErrorsWithinTheArray) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 300);
    FrontFixture f;
    for (int round = 0; round < 400; ++round) {
        std::string line(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : line) c = static_cast<char>(byte(random));
        const int before = f.compiler.tokens.count();
        const int count = lexLine(f.compiler.tokens, f.compiler.report, round + 1, line);
        ASSERT_GE(count, 0);
        ASSERT_EQ(f.compiler.tokens.count(), before + count);
        ASSERT_LE(f.compiler.tokens.count(), kMaxTokens);
    }
    EXPECT_EQ(f.compiler.tokens.count(), kMaxTokens);  // 400 long random lines fill the array
}

}  // namespace
}  // namespace zentra
