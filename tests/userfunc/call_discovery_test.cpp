#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "userfunc/function_check.h"

namespace zentra {
namespace {

struct DiscoveryCase {
    const char* line;
    const char* expected;
};

void PrintTo(const DiscoveryCase& c, std::ostream* os) { *os << c.line; }

class CallDiscoveryTest : public ::testing::TestWithParam<DiscoveryCase> {};

TEST_P(CallDiscoveryTest, FirstCandidateOfTheLine) {
    EXPECT_EQ(discoverCall(GetParam().line, {}), GetParam().expected) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CallDiscoveryTest,
    ::testing::Values(DiscoveryCase{"y = f(x);", "f"},
                      DiscoveryCase{"y = f (x);", "f"},  // blanks between name and "("
                      DiscoveryCase{"y = f\t(x);", "f"},
                      DiscoveryCase{"y = sin(x) + cube(x);", "cube"},  // builtins are passed over
                      DiscoveryCase{"y = int(x) + atan2(a, b);", ""},  // int is a builtin as well
                      DiscoveryCase{"y = fft(x);", "fft"},             // fft is no builtin
                      DiscoveryCase{"return (a + b);", ""},  // "return=" is inserted first
                      DiscoveryCase{"\treturn(x * 2);", ""},
                      DiscoveryCase{"returnValue(x)", "Value"},  // the insertion is textual
                      DiscoveryCase{"s = \"f(x)\";", ""},        // inside a string
                      DiscoveryCase{"s = \"a\" + g(1);", "g"},
                      DiscoveryCase{"y = 1; // f(x)", ""},  // behind the comment
                      DiscoveryCase{"// f(x)", ""}, DiscoveryCase{"", ""}, DiscoveryCase{"   ", ""},
                      DiscoveryCase{"s = \"abc + f(x);", ""},         // unclosed string
                      DiscoveryCase{"y = \xE3\x81\x82 + f(x);", ""},  // double-byte character first
                      DiscoveryCase{"y = f(x) + \xE3\x81\x82;", "f"},
                      DiscoveryCase{"y = 0xf(x);", ""},  // hexadecimal number, not a name
                      DiscoveryCase{"y = 2f(x);", "f"}, DiscoveryCase{"y = a.b(x);", "b"},
                      DiscoveryCase{"y = (f)(x);", ""},  // ")" stands between
                      DiscoveryCase{"y = x >= g(1) && h(2);", "g"},
                      DiscoveryCase{"if (a > 0) {", ""},  // keywords are no calls
                      DiscoveryCase{"} elsif (b(1) > 0) {", "b"},
                      DiscoveryCase{"while (g(x) > 0)", "g"},
                      DiscoveryCase{"y = a ~ f(x);", ""},  // a character outside the operator set
                      // the line's end right after a name or its "("
                      DiscoveryCase{"y = f", ""}, DiscoveryCase{"y = f(", "f"},
                      DiscoveryCase{"y = g(1)// f(x)", "g"}));

TEST(CallDiscovery, NamesOfTheFoundListArePassedOver) {
    const std::vector<std::string> found{"f"};
    EXPECT_EQ(discoverCall("y = f(x) + g(x);", found), "g");
    EXPECT_EQ(discoverCall("y = f(x) + f(2);", found), "");
}

// Lines where the name before a "(" is not the token the scan sees, or
// where only the text after the "return" insertion shows the call.
TEST(CallDiscovery, NameRunsThatAreNotOneToken) {
    const std::vector<std::string> none;
    const std::vector<std::string> returnFoo{"returnfoo"};
    const struct {
        const char* line;
        const std::vector<std::string>* found;
        const char* expected;
    } cases[] = {
        {"y = 0xffg(x);", &none, "g"},      {"y = 0xffsin(x);", &none, ""},
        {"y = 2x (1);", &none, "x"},        {"y = a2(1);", &none, "a2"},
        {"y = _f(x);", &none, "_f"},        {"s = \"(\" + f (x);", &none, "f"},
        {"returnfoo(x)", &returnFoo, "foo"}, {"y = returnfoo(x)", &none, "foo"},
        {"y = sin(x) + cos(x) + q(x)", &none, "q"}, {"y = sin(x) + cos(x)", &none, ""},
        {"(((", &none, ""},                 {"x(", &none, "x"},
    };
    for (const auto& c : cases) EXPECT_EQ(discoverCall(c.line, *c.found), c.expected) << c.line;
}

}  // namespace
}  // namespace zentra
