#include "results/result_output.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "front/token_defs.h"
#include "host/memory_host.h"
#include "base/hex_digits.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

class ResultOutput : public ::testing::Test {
protected:
    MemoryHost host;
    Session session{host};

    void SetUp() override {
        resetSymbols(session.compiler.symbols);
        session.precision = 12;
    }

    // A symbol at the end of the table whose code item names `slot`.
    void addSymbol(Kind kind, const std::string& name, int slot, double value, int scope = 0) {
        Symbol s;
        s.kind = kind;
        s.name = name;
        s.code = SymbolCode{kind == Kind::VAR ? CodeClass::LoadVariable : CodeClass::LoadConstant, slot};
        s.scope = scope;
        session.compiler.addSymbol(s);
        if (kind == Kind::VAR) session.stores->variables[static_cast<std::size_t>(slot)] = value;
    }

    Lines output() const { return host.output.lines(); }
};

TEST_F(ResultOutput, DumpPrintsMainProgramVariablesInTableOrder) {
    addSymbol(Kind::VAR, "y", 2, 1.5e20);
    addSymbol(Kind::DIGIT, "3", 4095, 0);
    addSymbol(Kind::VAR, "x", 1, 2.0 / 3.0);
    addSymbol(Kind::VAR, "t", 3, 5, /*scope=*/1);       // inlined body
    addSymbol(Kind::VAR, "a~user1", 4, 6);              // expansion temporary
    addSymbol(Kind::VAR, "$sin(30)*2", 5, 1.0);         // a bare expression line
    addSymbol(Kind::CONST, "_k", 6, 0);
    printVariableDump(session);
    EXPECT_EQ(output(), (Lines{"y = 1.5E20", "x = 0.666666666667", "sin(30)*2 = 1"}));
    EXPECT_EQ(host.output.colourOf(0), LineColour::Black);
}

TEST_F(ResultOutput, DumpHonoursTheOutputSelectionAndPrecision) {
    addSymbol(Kind::VAR, "x", 1, 0.000001);
    addSymbol(Kind::VAR, "y", 2, 2.0);
    addSymbol(Kind::VAR, "z", 3, 2.0 / 3.0);
    session.compiler.plan.outputSelection = {"z", "x"};
    session.precision = 4;
    printVariableDump(session);
    EXPECT_EQ(output(), (Lines{"x = 1E-6", "z = 0.6667"}));
}

TEST_F(ResultOutput, DumpSkipsASymbolWhoseCodeNamesNoSlot) {
    session.compiler.addSymbol(Symbol{Kind::VAR, "x", SymbolCode{}, 0, 0, 0, {}});  // a parameter left undefined
    addSymbol(Kind::VAR, "y", 2, 8.0);
    printVariableDump(session);
    EXPECT_EQ(output(), (Lines{"y = 8"}));
}

TEST_F(ResultOutput, SweepHeaderIsRedAndOnlyPrintedWhenSweeping) {
    session.compiler.plan.sweptName = "_x";
    session.compiler.plan.passCount = 1;
    printSweepHeader(session, 1.0);
    EXPECT_TRUE(output().empty());

    session.compiler.plan.passCount = 3;
    printSweepHeader(session, 0.1);
    printSweepHeader(session, 1.0 / 3.0);
    EXPECT_EQ(output(), (Lines{"【 x=0.1 】", "【 x=0.333333333333333 】"}));
    EXPECT_EQ(host.output.colourOf(1), LineColour::Red);
}

TEST_F(ResultOutput, HexDisplayTogglesAndKeepsHeadersRed) {
    session.compiler.plan.sweptName = "_x";
    session.compiler.plan.passCount = 3;
    addSymbol(Kind::VAR, "y", 1, 0);
    for (const double v : {1.0, 2.0, 255.5}) {
        printSweepHeader(session, v);
        session.stores->variables[1] = v;
        printVariableDump(session);
    }
    const Lines decimal = output();
    ASSERT_EQ(decimal.size(), 6u);

    toggleHexDisplay(session);
    EXPECT_TRUE(hexDisplayOn(session));
    EXPECT_EQ(output(), (Lines{"【 x=1 】", "y = 1 = 0x1", "【 x=2 】", "y = 2 = 0x2", "【 x=255.5 】",
                               "y = 255.5 = 0xFF.8000000"}));
    for (const int header : {0, 2, 4}) EXPECT_EQ(host.output.colourOf(header), LineColour::Red);
    EXPECT_EQ(host.output.colourOf(1), LineColour::Black);

    toggleHexDisplay(session);
    EXPECT_FALSE(hexDisplayOn(session));
    EXPECT_EQ(output(), decimal);
    EXPECT_FALSE(host.output.hasDecimalCopy());
    for (const int header : {0, 2, 4}) EXPECT_EQ(host.output.colourOf(header), LineColour::Red);
}

// The display converts the value a variable holds, not its rounded text.
TEST_F(ResultOutput, HexDisplayConvertsTheFullValue) {
    struct Case {
        int precision;
        double value;
        const char* shown;
    };
    const Case cases[] = {
        {6, 1000001.0, "v = 1E6 = 0xF4241"},
        {4, 65535.0, "v = 6.554E4 = 0xFFFF"},
        {4, 0.5 + 1.0 / 65536.0, "v = 0.5 = 0x0.800"},
    };
    addSymbol(Kind::VAR, "v", 1, 0);
    for (const Case& c : cases) {
        clearOutput(session);
        session.precision = c.precision;
        session.stores->variables[1] = c.value;
        printVariableDump(session);
        toggleHexDisplay(session);
        EXPECT_EQ(output(), (Lines{c.shown})) << c.value;
    }
}

// Alias lines pass through the toggle like sweep headers.
TEST_F(ResultOutput, HexDisplayKeepsAliasLines) {
    host.output.appendAlias("v[0]=p");
    host.output.appendAlias("v[1]=q");
    addSymbol(Kind::VAR, "p", 1, 10.0);
    printVariableDump(session);
    toggleHexDisplay(session);
    EXPECT_EQ(output(), (Lines{"v[0]=p", "v[1]=q", "p = 10 = 0xA"}));
    toggleHexDisplay(session);
    EXPECT_EQ(output(), (Lines{"v[0]=p", "v[1]=q", "p = 10"}));
}

TEST_F(ResultOutput, HexDisplayReadsEveryPrintedValue) {
    host.output.setLines({"a = -1", "b = 3E9", "c = 1E-6", "d = INF", "e = NAN", "42"});
    toggleHexDisplay(session);
    EXPECT_EQ(output(), (Lines{"a = -1 = 0xFFFFFFFF", "b = 3E9 = 0x********", "c = 1E-6 = 0x0.000010C6",
                               "d = INF = 0x********", "e = NAN = 0x********", "42 = 0x2A"}));
}

// The display may be switched before a run has clamped a precision loaded
// from a document.
TEST_F(ResultOutput, HexDisplayTakesAnUnclampedPrecision) {
    host.output.setLines({"a = 0.001", "b = 255.5"});
    session.precision = std::numeric_limits<int>::max();
    toggleHexDisplay(session);
    EXPECT_EQ(output(), (Lines{"a = 0.001 = 0x0.00418937", "b = 255.5 = 0xFF.80000000"}));
    toggleHexDisplay(session);
    session.precision = std::numeric_limits<int>::min();
    toggleHexDisplay(session);
    EXPECT_EQ(output(), (Lines{"a = 0.001 = 0x0", "b = 255.5 = 0xFF"}));
}

TEST_F(ResultOutput, HexDisplayLeavesTheAreaAloneWhenALineIsNoNumber) {
    const Lines cases[] = {
        {"x = 1", "y = 2 apples"},
        {"x = 1", ""},
        {"x = 1", "a==0x10 = 1"},  // "0x" after the first "=" of a decimal line
    };
    for (const Lines& lines : cases) {
        host.output.setLines(lines);
        toggleHexDisplay(session);
        EXPECT_EQ(output(), lines);
        EXPECT_FALSE(hexDisplayOn(session));
        EXPECT_FALSE(host.output.hasDecimalCopy());
    }
}

TEST_F(ResultOutput, HexDisplayDoesNothingOnAnEmptyAreaOrErrors) {
    toggleHexDisplay(session);
    EXPECT_TRUE(output().empty());
    const Lines errors{"error 311-00012", " \"x y\" 処理できない文字です"};
    host.output.setLines(errors);
    toggleHexDisplay(session);
    EXPECT_EQ(output(), errors);
}

TEST_F(ResultOutput, ClearEmptiesTheAreaAndDropsTheDecimalCopy) {
    host.output.setLines({"x = 1"});
    toggleHexDisplay(session);
    ASSERT_TRUE(hexDisplayOn(session));
    clearOutput(session);
    EXPECT_TRUE(output().empty());
    EXPECT_FALSE(host.output.hasDecimalCopy());
}

TEST(ResultOutputText, ContainsLooksAfterTheFirstEquals) {
    EXPECT_TRUE(lineContains("error 311-00012", "error"));
    EXPECT_FALSE(lineContains("errorCount = 3", "error"));
    EXPECT_TRUE(lineContains("y = 1 = 0x1", "0x"));
    EXPECT_TRUE(lineContains("a = b = c", "="));
    EXPECT_FALSE(lineContains("a = 1", "a"));
}

struct ErrorLineCase {
    const char* line;
    bool isError;
};

class ErrorLineForm : public ::testing::TestWithParam<ErrorLineCase> {};

TEST_P(ErrorLineForm, OnlyTheErrorWritersFormCounts) {
    EXPECT_EQ(isErrorLine(GetParam().line), GetParam().isError) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorLineForm, ::testing::Values(
    ErrorLineCase{"error 311-00012", true},
    ErrorLineCase{"error 106-01003 文字 \"あ\" は使えません", true},
    ErrorLineCase{"error 888-020000 ユーザ関数の処理でエラーが発生しました", true},
    ErrorLineCase{"error 311-001234", true},   // line past 999
    ErrorLineCase{"error 311-0001", false},    // too few digits
    ErrorLineCase{"error -00012", false},
    ErrorLineCase{"error 311 00012", false},
    ErrorLineCase{"error 311-00012x", false},
    ErrorLineCase{"error = 5", false},           // a variable named error
    ErrorLineCase{"myerror-12345 = 1", false},
    ErrorLineCase{" error 311-00012", false},
    ErrorLineCase{"", false}));

TEST_F(ResultOutput, ErrorLocationSelectsTheNamedSourceLine) {
    for (int i = 0; i < 20; ++i) host.program.appendLine("p" + std::to_string(i));
    for (int i = 0; i < 3; ++i) host.parameters.appendLine("q" + std::to_string(i));
    host.output.setLines({"error 311-00012", " message", "error 315-01003", "x = 1"});

    showErrorLocation(session, 0);
    EXPECT_EQ(host.program.selectedLine(), 11);  // the twelfth line
    showErrorLocation(session, 2);
    EXPECT_EQ(host.parameters.selectedLine(), 2);

    host.program.selectLine(-1);
    for (const int notAnErrorLine : {1, 3, -1, 4, 99}) showErrorLocation(session, notAnErrorLine);
    EXPECT_EQ(host.program.selectedLine(), -1);
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(ResultOutput, ErrorLocationSelectsNothingOutsideTheText) {
    host.program.appendLine("only line");
    host.output.setLines({"error 311-00002", "error 311-00000", "error 311-01001",
                          "error 888-020000 ユーザ関数の処理でエラーが発生しました"});
    for (int k = 0; k < 4; ++k) showErrorLocation(session, k);
    EXPECT_EQ(host.program.selectedLine(), -1);
    EXPECT_EQ(host.parameters.selectedLine(), -1);
    EXPECT_TRUE(host.functionShown.empty());
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(ResultOutput, ErrorInAUserFunctionOpensItsEditor) {
    session.compiler.plan.userFunctions = {"g", "f"};
    host.functionEditor = {"f(x)", "{", "  x", "}"};
    host.output.setLines({"error 311-03003", "error 311-03009", "error 311-04001"});

    showErrorLocation(session, 0);
    EXPECT_EQ(host.messageBoxes, (Lines{"該当する関数のコードを表示します"}));
    EXPECT_EQ(host.functionShown, "f");
    EXPECT_EQ(host.selectedFunctionLine, 2);

    host.selectedFunctionLine = -1;
    showErrorLocation(session, 1);  // past the function's lines: shown, nothing selected
    EXPECT_EQ(host.selectedFunctionLine, -1);
    EXPECT_EQ(host.messageBoxes.size(), 1u);  // the window is open now

    host.functionShown.clear();
    showErrorLocation(session, 2);  // area 4: no third listed function
    EXPECT_TRUE(host.functionShown.empty());
}

TEST_F(ResultOutput, ANegativeAreaIsReported) {
    selectSourceLine(session, -1, 0);
    EXPECT_EQ(host.messageBoxes, (Lines{"異常発生"}));
}

}  // namespace
}  // namespace zentra
