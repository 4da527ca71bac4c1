#include "cli/options.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zentra::cli {
namespace {

struct RejectedLine {
    std::vector<std::string> args;
    const char* error;
};

void PrintTo(const RejectedLine& c, std::ostream* out) {
    for (const auto& a : c.args) *out << a << ' ';
}

class RejectedCommandLine : public ::testing::TestWithParam<RejectedLine> {};

TEST_P(RejectedCommandLine, NamesTheProblem) {
    std::string error;
    EXPECT_FALSE(parseOptions(GetParam().args, error).has_value());
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Options, RejectedCommandLine,
    ::testing::Values(RejectedLine{{"--bogus"}, "unknown option --bogus"},
                      RejectedLine{{"-x", "doc.qbxsrc"}, "unknown option -x"},
                      RejectedLine{{"a.qbxsrc", "b.qbxsrc"}, "only one document may be given"},
                      RejectedLine{{"-p"}, "option -p needs a value"},
                      RejectedLine{{"-e", "y = 1", "--library"}, "option --library needs a value"},
                      RejectedLine{{"--precision"}, "option --precision needs a value"},
                      RejectedLine{{"--precision", "x"}, "option --precision needs a whole number, not 'x'"},
                      RejectedLine{{"--loops", "12a"}, "option --loops needs a whole number, not '12a'"},
                      RejectedLine{{"--loops", ""}, "option --loops needs a whole number, not ''"},
                      RejectedLine{{"--precision", "99999999999"},
                                   "option --precision needs a whole number, not '99999999999'"}));

TEST(Options, EveryOptionLandsInItsField) {
    std::string error;
    const auto o = parseOptions({"--program", "prog.txt", "-a", "par.txt", "-e", "y = 1", "--line", "z = 2",
                                 "-d", "a = 1;", "--define", "b = 2;", "-l", "one.qbxfun", "--library",
                                 "two.qbxfun", "--precision", "-3", "--loops", "500", "--radian", "--hex",
                                 "--monitor", "mon.txt", "doc.qbxsrc"},
                                error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_EQ(o->programFile, "prog.txt");
    EXPECT_EQ(o->parameterFile, "par.txt");
    EXPECT_EQ(o->programLines, (std::vector<std::string>{"y = 1", "z = 2"}));
    EXPECT_EQ(o->parameterLines, (std::vector<std::string>{"a = 1;", "b = 2;"}));
    EXPECT_EQ(o->libraries, (std::vector<std::string>{"one.qbxfun", "two.qbxfun"}));
    EXPECT_EQ(o->precision, -3);  // the run driver clamps it
    EXPECT_EQ(o->loops, 500);
    EXPECT_EQ(o->radian, 1);
    EXPECT_TRUE(o->hex);
    EXPECT_EQ(o->monitorFile, "mon.txt");
    EXPECT_EQ(o->document, "doc.qbxsrc");
    EXPECT_FALSE(o->help);
    EXPECT_FALSE(o->version);
}

TEST(Options, TheLastAngleUnitWinsAndNoneLeavesTheSetting) {
    std::string error;
    EXPECT_EQ(parseOptions({"--radian", "--degree"}, error)->radian, 0);
    EXPECT_EQ(parseOptions({"--degree", "--radian"}, error)->radian, 1);
    EXPECT_FALSE(parseOptions({}, error)->radian.has_value());
}

TEST(Options, ADashAloneIsADocumentOnStandardInputAndAValueMayStartWithADash) {
    std::string error;
    const auto o = parseOptions({"-", "-e", "-x"}, error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_EQ(o->document, "-");
    EXPECT_EQ(o->programLines, std::vector<std::string>{"-x"});
}

TEST(Options, HelpAndVersionInEitherSpelling) {
    std::string error;
    EXPECT_TRUE(parseOptions({"-h"}, error)->help);
    EXPECT_TRUE(parseOptions({"--help"}, error)->help);
    EXPECT_TRUE(parseOptions({"-V"}, error)->version);
    EXPECT_TRUE(parseOptions({"--version"}, error)->version);
}

}  // namespace
}  // namespace zentra::cli
