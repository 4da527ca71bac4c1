#include "userfunc/function_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/memory_host.h"

namespace zentra {
namespace {

class FunctionCheckTest : public ::testing::Test {
  protected:
    bool check(const std::vector<std::string>& program) {
        return userFunctionCheck(host, program, store, called);
    }

    MemoryHost host;
    std::vector<std::string> called;
    std::vector<std::string> store{
        "#f",
        "f(x)",
        "{",
        "\treturn g(x) + g(1);",
        "}",
        "#g",
        "g(x)",
        "{",
        "",
        "\treturn h(x) * 2;",
        "}",
        "#h",
        "//description",
        "h(x)",
        "{",
        "\treturn x + 1;",
        "}",
        "#loop",
        "loop(x)",
        "{",
        "\treturn loop(x - 1);",
        "}",
        "#ping",
        "ping(x)",
        "{",
        "\treturn pong(x);",
        "}",
        "#pong",
        "pong(x)",
        "{",
        "\treturn ping(x);",
        "}",
    };
};

TEST_F(FunctionCheckTest, CalleesComeBeforeTheirCallers) {
    EXPECT_TRUE(check({"y = f(a);"}));
    EXPECT_EQ(called, (std::vector<std::string>{"h", "g", "f"}));
    EXPECT_EQ(host.messages.lines(),
              (std::vector<std::string>{"#userFunc 0 = h", "#userFunc 1 = g", "#userFunc 2 = f"}));
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(FunctionCheckTest, EveryFunctionIsListedOnce) {
    EXPECT_TRUE(check({"y = f(a) + g(b);", "z = f(c);", "w = h(1) + g(2);"}));
    EXPECT_EQ(called, (std::vector<std::string>{"h", "g", "f"}));
}

TEST_F(FunctionCheckTest, FurtherCallsOfTheSameLineAreFound) {
    EXPECT_TRUE(check({"y = h(a) + ping(b);"}));
    EXPECT_EQ(called, (std::vector<std::string>{"h", "pong", "ping"}));
}

TEST_F(FunctionCheckTest, SelfAndMutualCallsAreListedOnce) {
    EXPECT_TRUE(check({"y = loop(3);", "z = pong(1);"}));
    EXPECT_EQ(called, (std::vector<std::string>{"loop", "ping", "pong"}));
}

TEST_F(FunctionCheckTest, ProgramWithoutCallsListsNothing) {
    called = {"stale"};
    EXPECT_TRUE(check({"y = sin(x) + int(2.5);", "if (y > 0) {", "z = 1;", "}"}));
    EXPECT_TRUE(called.empty());
    EXPECT_TRUE(host.messages.lines().empty());
}

TEST_F(FunctionCheckTest, MissingFunctionsAreShownInOneMessageBox) {
    EXPECT_FALSE(check({"y = cube(a);", "z = f(1) + square(2);", "w = cube(3);"}));
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0], "以下のユーザ関数は登録されていません\n\n    cube\n    square");
    EXPECT_EQ(called, (std::vector<std::string>{"h", "g", "f"}));
    EXPECT_TRUE(host.output.lines().empty());
}

TEST_F(FunctionCheckTest, MissingFunctionInsideAStoredFunction) {
    store.insert(store.begin(), {"#outer", "outer(x)", "{", "\treturn inner(x);", "}"});
    EXPECT_FALSE(check({"y = outer(1);"}));
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0], "以下のユーザ関数は登録されていません\n\n    inner");
    EXPECT_EQ(called, (std::vector<std::string>{"outer"}));
}

TEST_F(FunctionCheckTest, HeaderLookupIsExact) {
    EXPECT_FALSE(check({"y = ff(1);"}));  // "#f" is not "#ff"
    EXPECT_EQ(host.messageBoxes.at(0), "以下のユーザ関数は登録されていません\n\n    ff");
}

}  // namespace
}  // namespace zentra
