// What a whole Exec shows when user functions fail, and how names appear in
// its messages.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

const char* const kSummary = "error 888-020000 ユーザ関数の処理でエラーが発生しました";

struct FailureCase {
    const char* title;
    std::vector<std::string> store;  // "#name" lines, each followed by the function
    std::vector<std::string> program;
    const char* errorLine;  // the stage's own line, above the summary
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.title; }

class UserFunctionFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(UserFunctionFailureTest, KeepsTheLineThatNamesTheFunction) {
    const FailureCase& c = GetParam();
    MemoryHost host;
    Session session(host);
    session.functionStore = FunctionStore(c.store);
    host.program.setLines(c.program);
    host.output.appendLine("old = 1");
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    EXPECT_EQ(host.output.lines(), (std::vector<std::string>{c.errorLine, kSummary}));
}

std::vector<std::string> twentyFunctions() {
    std::vector<std::string> store;
    for (int i = 0; i < 20; ++i) {
        const std::string name = "f" + std::to_string(i);
        store.insert(store.end(), {"#" + name, name + "(x)", "{", "return x;", "}"});
    }
    return store;
}

std::string callsOfTwenty() {
    std::string line = "y = 0";
    for (int i = 0; i < 20; ++i) line += " + f" + std::to_string(i) + "(1)";
    return line;
}

// 1 + 1 + ... in the body: 400 more tokens for each copy.
std::vector<std::string> bigFunction() {
    std::string body = "return x";
    for (int i = 0; i < 200; ++i) body += " + 1";
    return {"#big", "big(x)", "{", body + ";", "}"};
}

INSTANTIATE_TEST_SUITE_P(
    Failures, UserFunctionFailureTest,
    ::testing::Values(
        FailureCase{"Recursion",
                    {"#f", "f(x)", "{", "return f(x) + 1;", "}"},
                    {"y = f(1)"},
                    "error 592-02003 ユーザ関数 f は再帰呼び出しできません。"},
        FailureCase{"TwentyFunctions",
                    twentyFunctions(),
                    {callsOfTwenty()},
                    "error 590-21001 \"f19\" ユーザ関数の数が19個を超えました。"},
        FailureCase{"NoReturn",
                    {"#f", "f(x)", "{", "t = x;", "}"},
                    {"y = f(1)"},
                    "error 501-02004 \"f\" ユーザ関数には return文が必要です"},
        FailureCase{"SecondReturn",
                    {"#f", "f(x)", "{", "return x;", "return 1;", "}"},
                    {"y = f(1)"},
                    "error 502-02005 \"f\" ユーザ関数に複数の return文があります"},
        FailureCase{"TooFewArguments",
                    {"#g", "g(x, y)", "{", "return x - y;", "}"},
                    {"a = 1", "y = g(a)"},
                    "error 570-00002 \"g\" ユーザ関数引数の記述に矛盾があります。"},
        FailureCase{"ArgumentForNoParameter",
                    {"#one", "one()", "{", "return 1;", "}"},
                    {"y = one(2)"},
                    "error 516-00001 \"one\" ユーザ関数の使い方に矛盾があります。"},
        FailureCase{"WrongCallInsideAFunction",
                    {"#g", "g(x, y)", "{", "return x - y;", "}", "#h", "h(x)", "{", "t = x;",
                     "return g(t);", "}"},
                    {"y = h(1)"},
                    "error 570-03004 \"g\" ユーザ関数引数の記述に矛盾があります。"},
        FailureCase{"ExpansionPastTheTokenLimit",
                    bigFunction(),
                    {"a = 1", "y = big(a) + big(a) + big(a) + big(a) + big(a)",
                     "z = big(a) + big(a) + big(a) + big(a) + big(a)"},
                    "error 591-00003 \"big\" ユーザ関数の展開でトークン数が4096個を超えました。"}),
    [](const auto& test) { return std::string(test.param.title); });

class UserFunctionRunTest : public ::testing::Test {
  protected:
    std::vector<std::string> run(const std::vector<std::string>& parameters,
                                 const std::vector<std::string>& program) {
        host.parameters.setLines(parameters);
        host.program.setLines(program);
        exec(session);
        return host.output.lines();
    }

    MemoryHost host;
    Session session{host};
};

TEST_F(UserFunctionRunTest, ElsifWithACallInsideAFunction) {
    session.functionStore = FunctionStore(
        {"#twice", "twice(x)", "{", "return 2 * x;", "}", "#sign", "sign(x)", "{",
         "if x > 0 { s = 1; } elsif twice(x) < 0 { s = -1; } else { s = 0; }", "return s;", "}"});
    EXPECT_EQ(run({}, {"a = sign(3)", "b = sign(-2)", "c = sign(0)"}),
              (std::vector<std::string>{"a = 1", "b = -1", "c = 0"}));
}

TEST_F(UserFunctionRunTest, MessagesShowParameterNamesWithoutThePrefix) {
    EXPECT_EQ(run({"k 2;"}, {"y = 1"}),
              (std::vector<std::string>{"error 802-01001", " \"k\"  の記述に誤りがあります。"}));
    // A program name the user began with "_" keeps it.
    EXPECT_EQ(
        run({}, {"_x[1] = 3"}),
        (std::vector<std::string>{"error 333-00001", " \"_x \"への代入には \"=\" が必要です。"}));
}

}  // namespace
}  // namespace zentra
