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
                                 "--monitor", "mon.txt", "--csv", "table.csv", "doc.qbxsrc"},
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
    EXPECT_EQ(o->csvFile, "table.csv");
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

TEST(Options, ACsvFileIsGivenOnlyWhenAskedFor) {
    std::string error;
    EXPECT_FALSE(parseOptions({"-e", "y = 1"}, error)->csvFile.has_value());
    // An empty name is a file that cannot be written, not "no table".
    EXPECT_EQ(parseOptions({"--csv="}, error)->csvFile, "");
    EXPECT_EQ(parseOptions({"--csv", "-"}, error)->csvFile, "-");
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

namespace zentra::cli {
namespace {

INSTANTIATE_TEST_SUITE_P(
    GnuForms, RejectedCommandLine,
    ::testing::Values(RejectedLine{{"--p", "x"}, "option --p is ambiguous"},
                      RejectedLine{{"--hex=1"}, "option --hex takes no value"},
                      RejectedLine{{"--help=yes"}, "option --help takes no value"},
                      RejectedLine{{"--bogus=3"}, "unknown option --bogus"},
                      RejectedLine{{"-hx"}, "unknown option -x"},
                      RejectedLine{{"--hex", "-xV"}, "unknown option -x"},
                      RejectedLine{{"--precision="}, "option --precision needs a whole number, not ''"},
                      RejectedLine{{"--pre", "x"}, "option --precision needs a whole number, not 'x'"},
                      RejectedLine{{"-e", "y = 1", "--lib"}, "option --library needs a value"},
                      RejectedLine{{"-p", "-", "-a", "-"},
                                   "standard input can hold only one of DOCUMENT, --program and --params"},
                      RejectedLine{{"-", "--program=-"},
                                   "standard input can hold only one of DOCUMENT, --program and --params"},
                      RejectedLine{{"--", "a.qbxsrc", "-e"}, "only one document may be given"}));

TEST(Options, ValuesJoinedOrSeparateAndAbbreviatedNames) {
    std::string error;
    const auto o = parseOptions({"--precision=6", "--loo", "20", "--lib=f.qbxfun", "-ex = 1", "-d", "k = 2;",
                                 "--rad", "--mon=m.txt"},
                                error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_EQ(o->precision, 6);
    EXPECT_EQ(o->loops, 20);
    EXPECT_EQ(o->libraries, std::vector<std::string>{"f.qbxfun"});
    EXPECT_EQ(o->programLines, std::vector<std::string>{"x = 1"});
    EXPECT_EQ(o->parameterLines, std::vector<std::string>{"k = 2;"});
    EXPECT_EQ(o->radian, 1);
    EXPECT_EQ(o->monitorFile, "m.txt");
}

TEST(Options, BundledShortOptionsAndAValueEndingTheBundle) {
    std::string error;
    const auto o = parseOptions({"-hVey = 2"}, error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_TRUE(o->help);
    EXPECT_TRUE(o->version);
    EXPECT_EQ(o->programLines, std::vector<std::string>{"y = 2"});
}

TEST(Options, OptionsMayFollowTheDocumentAndADoubleDashEndsThem) {
    std::string error;
    auto o = parseOptions({"doc.qbxsrc", "--hex"}, error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_EQ(o->document, "doc.qbxsrc");
    EXPECT_TRUE(o->hex);

    o = parseOptions({"--hex", "--", "--radian"}, error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_EQ(o->document, "--radian");
    EXPECT_FALSE(o->radian.has_value());
}

// getopt keeps its position between calls; every parse must start afresh,
// also after one that stopped in the middle of a bundle.
TEST(Options, EachParseStartsAfresh) {
    std::string error;
    EXPECT_FALSE(parseOptions({"-hx", "-V"}, error).has_value());
    const auto o = parseOptions({"-V"}, error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_TRUE(o->version);
    EXPECT_FALSE(o->help);
}

struct SourceCase {
    std::vector<std::string> args;
    bool terminal;
    ProgramSource source;
};

void PrintTo(const SourceCase& c, std::ostream* out) {
    for (const auto& a : c.args) *out << a << ' ';
    *out << (c.terminal ? "(terminal)" : "(pipe)");
}

class ProgramSourceDecision : public ::testing::TestWithParam<SourceCase> {};

TEST_P(ProgramSourceDecision, FollowsWhatTheCommandLineNames) {
    std::string error;
    const auto o = parseOptions(GetParam().args, error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_EQ(programSource(*o, GetParam().terminal), GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ProgramSourceDecision,
    ::testing::Values(SourceCase{{}, false, ProgramSource::StandardInput},
                      SourceCase{{}, true, ProgramSource::Usage},
                      SourceCase{{"--precision", "6", "-d", "a = 1;", "-l", "f.qbxfun"}, false,
                                 ProgramSource::StandardInput},
                      SourceCase{{"-a", "params.txt"}, true, ProgramSource::Usage},
                      SourceCase{{"-a", "-"}, false, ProgramSource::Usage},  // standard input is taken
                      SourceCase{{"doc.qbxsrc"}, true, ProgramSource::Given},
                      SourceCase{{"-"}, false, ProgramSource::Given},
                      SourceCase{{"-p", "prog.txt"}, true, ProgramSource::Given},
                      SourceCase{{"-e", "x = 1"}, true, ProgramSource::Given},
                      SourceCase{{"-e", "x = 1", "-a", "-"}, false, ProgramSource::Given}));

}  // namespace
}  // namespace zentra::cli

namespace zentra::cli {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Graph, RejectedCommandLine,
    ::testing::Values(
        RejectedLine{{"--graph", "plot.jpg"}, "option --graph needs a file name ending in .png or .svg, not 'plot.jpg'"},
        RejectedLine{{"--graph", "png"}, "option --graph needs a file name ending in .png or .svg, not 'png'"},
        RejectedLine{{"--graph-size", "640x480"}, "option --graph-size needs --graph"},
        RejectedLine{{"--graph", "p.png", "--graph-size", "abc"},
                     "option --graph-size needs WIDTHxHEIGHT in pixels, such as 640x480, not 'abc'"},
        RejectedLine{{"--graph", "p.png", "--graph-size", "640x480x2"},
                     "option --graph-size needs WIDTHxHEIGHT in pixels, such as 640x480, not '640x480x2'"},
        RejectedLine{{"--graph", "p.png", "--graph-size", "640*480"},
                     "option --graph-size needs WIDTHxHEIGHT in pixels, such as 640x480, not '640*480'"},
        RejectedLine{{"--graph", "p.png", "--graph-size", "x480"},
                     "option --graph-size needs WIDTHxHEIGHT in pixels, such as 640x480, not 'x480'"},
        RejectedLine{{"--graph", "p.png", "--graph-size", "99x480"},
                     "option --graph-size: each side must be 100 to 800 pixels, as the graph window's, not '99x480'"},
        RejectedLine{{"--graph", "p.png", "--graph-size", "640x801"},
                     "option --graph-size: each side must be 100 to 800 pixels, as the graph window's, not '640x801'"},
        RejectedLine{{"--graph", "p.png", "--graph-size", "640x-480"},
                     "option --graph-size: each side must be 100 to 800 pixels, as the graph window's, not '640x-480'"},
        RejectedLine{{"--graph", "p.png", "--graph-size", "99999999999x480"},
                     "option --graph-size needs WIDTHxHEIGHT in pixels, such as 640x480, not '99999999999x480'"}));

TEST(Options, AGraphFileAndItsSize) {
    std::string error;
    const auto plain = parseOptions({"-e", "y = 1"}, error);
    EXPECT_FALSE(plain->graphFile.has_value());
    EXPECT_FALSE(plain->graphSize.has_value());
    const auto o = parseOptions({"--graph", "Plot.SVG", "--graph-size=100X800"}, error);
    ASSERT_TRUE(o.has_value()) << error;
    EXPECT_EQ(o->graphFile, "Plot.SVG");
    EXPECT_EQ(o->graphSize, (GraphSize{100, 800}));
    EXPECT_EQ(parseOptions({"--graph-size", "800x100", "--graph=a.png"}, error)->graphSize, (GraphSize{800, 100}));
}

}  // namespace
}  // namespace zentra::cli
