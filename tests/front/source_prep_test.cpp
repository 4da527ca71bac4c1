#include "front/source_prep.h"

#include <gtest/gtest.h>

#include "front/front_fixture.h"

namespace zentra {
namespace {

using testing::FrontFixture;
using Strings = std::vector<std::string>;

struct Prepared : FrontFixture {
    Strings store;

    Strings run(const Strings& program, const Strings& parameters = {}) {
        host.program.setLines(program);
        host.parameters.setLines(parameters);
        compiler.startFrontEnd();
        prepareSource(compiler.host, compiler.plan.userFunctions, store, compiler.tokens,
                      compiler.report);
        return texts();
    }
};

struct ProgramCase {
    Strings program;
    Strings tokens;  // between "proc" "{" and "}" ";"
};

class ProgramLines : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(ProgramLines, AreWrappedRewrittenAndCleanedUp) {
    Prepared p;
    Strings expected{"proc", "{"};
    expected.insert(expected.end(), GetParam().tokens.begin(), GetParam().tokens.end());
    expected.insert(expected.end(), {"}", ";"});
    EXPECT_EQ(p.run(GetParam().program), expected);
    EXPECT_EQ(p.compiler.errors.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramLines,
    ::testing::Values(
        ProgramCase{{}, {}}, ProgramCase{{"", "  // nothing", "\t"}, {}},
        ProgramCase{{"3+4*2"}, {"$3+4*2", "=", "3", "+", "4", "*", "2", ";"}},
        ProgramCase{{"a + b // sum"}, {"$a+b", "=", "a", "+", "b", ";"}},
        ProgramCase{{"x == 3"}, {"x", "==", "3", ";"}},
        ProgramCase{{"y = x*2"}, {"y", "=", "x", "*", "2", ";"}},
        ProgramCase{{"graph(x, y)"}, {"graph", "(", "x", ",", "y", ")", ";"}},
        ProgramCase{{"out(x)"}, {"$out(x)", "=", "out", "(", "x", ")", ";"}},
        ProgramCase{{"while(x<3)"}, {"$while(x<3)", "=", "while", "(", "x", "<", "3", ")", ";"}},
        ProgramCase{{"while (x<3)", "{", "x = x+1", "}"},
                    {"while", "(", "x", "<", "3", ")", "{", "x", "=", "x", "+", "1", ";", "}"}},
        ProgramCase{{"if (a > 0)", "{", "x = 1", "}", "else", "{", "x = 2", "}"},
                    {"if", "(", "a", ">", "0", ")", "{", "x", "=", "1", ";", "}", "else", "{", "x",
                     "=", "2", ";", "}"}},
        ProgramCase{{"x = 1;;", "y = 2;"}, {"x", "=", "1", ";", "y", "=", "2", ";"}},
        // A lone ";" has no "=", so it is a bare expression too.
        ProgramCase{{";"}, {"$;", "=", ";"}},
        // The rewritten line keeps its "return" insertion and its name.
        ProgramCase{{"return x"}, {"$returnx", "=", "return", "=", "x", ";"}}));

TEST(SourcePreparation, EmptyProgramStillGivesTheFrameWithTheEndMark) {
    Prepared p;
    EXPECT_EQ(p.run({}), (Strings{"proc", "{", "}", ";"}));
    EXPECT_EQ(p.compiler.tokens[4].text, "\\");
    const Kind kinds[] = {Kind::PROC, Kind::BEGIN, Kind::END, Kind::SEMICLN};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.compiler.tokenAt(i).position, 0);
        EXPECT_EQ(p.compiler.tokenAt(i).kind, kinds[i]);
    }
}

TEST(SourcePreparation, EndMarkFollowsTheLastTokenAfterTheCleanUp) {
    Prepared p;
    p.run({"x = 1;;;"});
    EXPECT_EQ(p.texts(), (Strings{"proc", "{", "x", "=", "1", ";", "}", ";"}));
    EXPECT_EQ(p.compiler.tokens[8].text, "\\");
}

TEST(SourcePreparation, InsertedTokensTakeThePositionOfTheLineBefore) {
    Prepared p;
    p.run({"", "x = 1"}, {"a = 1"});
    // a = 1 ; proc { x = 1 ; } ;
    const auto at = [&](int i) { return p.compiler.tokenAt(i).position; };
    EXPECT_EQ(at(3), makePosition(kParameterArea, 1));  // ";"
    EXPECT_EQ(at(4), makePosition(kParameterArea, 1));  // "proc"
    EXPECT_EQ(at(5), makePosition(kParameterArea, 1));  // "{"
    EXPECT_EQ(at(6), makePosition(kProgramArea, 2));    // x
    EXPECT_EQ(at(9), makePosition(kProgramArea, 2));    // ";"
    EXPECT_EQ(at(10), makePosition(kProgramArea, 2));   // "}"
    EXPECT_EQ(at(11), makePosition(kProgramArea, 2));   // ";"
}

TEST(SourcePreparation, ParameterStatementKeepsOneSemicolon) {
    Prepared p;
    EXPECT_EQ(p.run({}, {"a = 1;"}), (Strings{"a", "=", "1", ";", "proc", "{", "}", ";"}));
}

TEST(SourcePreparation, DeletesEmptyParameterLinesAndNumbersTheRest) {
    Prepared p;
    p.run({"x = 1"}, {"a = 1", "", "", "   ", "", "b = 1.2.3"});
    EXPECT_EQ(p.host.parameters.lines(), (Strings{"a = 1", "   ", "b = 1.2.3"}));
    EXPECT_EQ(p.output(), (Strings{"error 105-01003", " 文字 \".\" の解読ができません"}));
    EXPECT_EQ(p.host.statusTexts[0], "パラメータ定義エリアの記述にエラーがあります");
    EXPECT_EQ(p.compiler.tokenAt(3).position, makePosition(kParameterArea, 1));
}

// A host whose parameter editor refuses to delete lines must not hang the run.
class StubbornArea : public MemoryTextArea {
  public:
    void deleteLine(int) override {}
};

class StubbornHost : public MemoryHost {
  public:
    TextArea& parameterArea() override { return stubborn; }
    StubbornArea stubborn;
};

TEST(SourcePreparation, GoesOnWhenAnEmptyLineCannotBeDeleted) {
    StubbornHost host;
    auto stores = std::make_unique<ValueStores>();
    Compiler compiler(host, stores->constants);
    host.stubborn.setLines({"", "b = 2"});
    compiler.startFrontEnd();
    prepareSource(compiler.host, compiler.plan.userFunctions, {}, compiler.tokens, compiler.report);
    EXPECT_EQ(compiler.tokenAt(0).text, "b");
    EXPECT_EQ(compiler.tokenAt(0).position, makePosition(kParameterArea, 2));
}

TEST(SourcePreparation, ResetsCountersOfTheEarlierRun) {
    Prepared p;
    for (int k = 0; k < 5; ++k) p.compiler.errors.countWithoutLine();
    p.compiler.errors.markLine(makePosition(kProgramArea, 9));
    p.run({"x = 1"});
    EXPECT_EQ(p.compiler.errors.count(), 0);
    EXPECT_EQ(p.compiler.errors.lastLine(), 0);
    p.run({"s = \"open"});
    EXPECT_EQ(p.compiler.errors.count(), 1);
    EXPECT_EQ(p.compiler.errors.lastLine(), 1);
}

TEST(SourcePreparation, LexesCalledFunctionsFromTheStoreInListOrder) {
    Prepared p;
    p.store = {"#g", "g(a)",          "{", "return a+1", "}",  "#f", "f(x)", "{",
               "",   "return g(x)*2", "}", "#h",         "h()"};
    p.compiler.plan.userFunctions = {"g", "f"};
    p.run({"y = f(3)"});
    const Strings messages = p.messages();
    ASSERT_GE(messages.size(), 4u);
    EXPECT_EQ(messages[0], "g start=1");
    EXPECT_EQ(messages[1], "g lines=4");
    EXPECT_NE(std::find(messages.begin(), messages.end(), "f start=6"), messages.end());
    EXPECT_NE(std::find(messages.begin(), messages.end(), "f lines=5"), messages.end());
    const Strings texts = p.texts();
    const Strings head{"g", "(", "a", ")", "{", "return", "=", "a", "+", "1", ";", "}", "f"};
    ASSERT_GE(texts.size(), head.size());
    EXPECT_EQ(Strings(texts.begin(), texts.begin() + 13), head);
    // Body lines are numbered within the body; the empty one still counts.
    EXPECT_EQ(p.compiler.tokenAt(0).position, makePosition(2, 1));
    EXPECT_EQ(p.compiler.tokenAt(5).position, makePosition(2, 3));
    EXPECT_EQ(p.compiler.tokenAt(12).position, makePosition(3, 1));
    int returnLine = -1;
    for (int i = 13; i < p.compiler.tokens.count(); ++i) {
        if (p.compiler.tokenAt(i).text == "return") returnLine = p.compiler.tokenAt(i).position;
    }
    EXPECT_EQ(returnLine, makePosition(3, 4));
}

TEST(SourcePreparation, OpenEditorWinsForTheFunctionItShows) {
    Prepared p;
    p.store = {"#f", "f(x)", "{", "return x", "}"};
    p.host.functionWindowShown = true;
    p.host.functionEditor = {"// edited", "f(x)", "{", "return x*3", "}"};
    p.compiler.plan.userFunctions = {"f"};
    p.run({"y = f(1)"});
    const Strings head{"f", "(", "x", ")", "{", "return", "=", "x", "*", "3", ";", "}"};
    const Strings texts = p.texts();
    ASSERT_GE(texts.size(), head.size());
    EXPECT_EQ(Strings(texts.begin(), texts.begin() + 12), head);
    EXPECT_EQ(p.compiler.tokenAt(0).position, makePosition(2, 2));  // editor line 1
    for (const auto& line : p.messages()) EXPECT_EQ(line.find("start="), std::string::npos);
}

TEST(SourcePreparation, MissingFunctionStillTakesItsAreaNumber) {
    Prepared p;
    p.store = {"#b", "b()", "{", "}"};
    p.compiler.plan.userFunctions = {"a", "b"};
    p.run({});
    EXPECT_EQ(p.compiler.tokenAt(0).text, "b");
    EXPECT_EQ(areaOf(p.compiler.tokenAt(0).position), 3);
}

TEST(SourcePreparation, TooManyParameterTokensGiveError921OnceEachRun) {
    Prepared p;
    Strings parameters(2000, "a = 1");  // 4 tokens a line with the ";"
    for (int run = 0; run < 2; ++run) {
        p.compiler.errors.startRun();
        p.run({"x = 1"}, parameters);
        EXPECT_EQ(p.compiler.tokens.count(), kMaxTokens);
        EXPECT_EQ(p.compiler.errors.count(), 1);
        EXPECT_EQ(p.output(),
                  (Strings{"error 921-011025",
                           " トークン数が4096個を超えました。プログラムを分けてください。"}));
    }
}

}  // namespace
}  // namespace zentra

namespace zentra {
namespace {

TEST(SourcePreparation, LinesEndingInASemicolonUseOnePlaceForIt) {
    // 1000 lines of "x = 1;" need 4004 places with the frame; with a second
    // ";" appended to every line they would need 5004.
    Prepared p;
    Strings program(1000, "x = 1;");
    const Strings tokens = p.run(program);
    EXPECT_EQ(p.compiler.errors.count(), 0);
    EXPECT_EQ(tokens.size(), 4004u);
}

}  // namespace
}  // namespace zentra
