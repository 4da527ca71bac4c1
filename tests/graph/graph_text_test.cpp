#include "graph/graph_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace zentra {
namespace {

struct ExponentCase {
    double value;
    const char* text;
};

class ExponentFormat : public ::testing::TestWithParam<ExponentCase> {};

TEST_P(ExponentFormat, ThreeDigitsAndASignedExponent) {
    EXPECT_EQ(formatExponent(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExponentFormat,
    ::testing::Values(ExponentCase{12.5, "1.25E+1"}, ExponentCase{1, "1.00E+0"}, ExponentCase{0, "0.00E+0"},
                      ExponentCase{-0.0, "0.00E+0"}, ExponentCase{-0.00123, "-1.23E-3"},
                      ExponentCase{123456, "1.23E+5"}, ExponentCase{9.996, "1.00E+1"},
                      ExponentCase{1e100, "1.00E+100"}, ExponentCase{-2.5e-300, "-2.50E-300"},
                      ExponentCase{std::numeric_limits<double>::infinity(), "INF"},
                      ExponentCase{-std::numeric_limits<double>::infinity(), "-INF"},
                      ExponentCase{std::numeric_limits<double>::quiet_NaN(), "NAN"}));

TEST(ReadOutText, SweptNameThenEveryGraphedValue) {
    EXPECT_EQ(readOutText("_x", 2.5, {"y", "speed"}, {1, -2000}), " x=2.50E+0  y=1.00E+0  speed=-2.00E+3");
    EXPECT_EQ(readOutText("_t", 0, {}, {}), " t=0.00E+0");
    EXPECT_EQ(readOutText("_t", 1, {"y"}, {std::numeric_limits<double>::infinity()}), " t=1.00E+0  y=INF");
    // Nothing swept: no name to show.
    EXPECT_EQ(readOutText("", 1, {"y"}, {3}), "=1.00E+0  y=3.00E+0");
}

int distance(const Rgb& a, const Rgb& b) {
    return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

// The classic colours, except the eighth: silver would be the plot's own colour.
TEST(CurveColour, TheFirstEightAreTheClassicColoursWithADarkGreyLast) {
    const std::vector<Rgb> expected{{0, 0, 255},   {255, 0, 0},   {255, 255, 0},   {0, 128, 0},
                                    {255, 0, 255}, {0, 255, 0}, {0, 255, 255}, {96, 96, 96}};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(curveColour(i), expected[static_cast<std::size_t>(i)]) << i;
}

struct VisibleCase {
    int index;
    const char* name;
};

class CurveOnThePlot : public ::testing::TestWithParam<VisibleCase> {};

// Every curve stands out from the plot's background (and from the black
// frame, axes and cursor line) by as much as the further colours must.
TEST_P(CurveOnThePlot, StandsOutFromTheBackgroundAndTheFrame) {
    const Rgb colour = curveColour(GetParam().index);
    EXPECT_GE(distance(colour, kPlotBackground), 120) << GetParam().name;
    EXPECT_GE(distance(colour, Rgb{0, 0, 0}), 120) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(FirstEight, CurveOnThePlot,
                         ::testing::Values(VisibleCase{0, "blue"}, VisibleCase{1, "red"}, VisibleCase{2, "yellow"},
                                           VisibleCase{3, "green"}, VisibleCase{4, "fuchsia"},
                                           VisibleCase{5, "lime"}, VisibleCase{6, "aqua"},
                                           VisibleCase{7, "dark grey"}),
                         [](const ::testing::TestParamInfo<VisibleCase>& param) {
                             std::string name = param.param.name;
                             for (char& ch : name)
                                 if (ch == ' ') ch = '_';
                             return name;
                         });

TEST(CurveColour, FurtherCurvesGetColoursOfTheirOwnThenCycle) {
    constexpr int kDistinct = 8 + 16;
    for (int i = 8; i < kDistinct; ++i) {
        const Rgb colour = curveColour(i);
        EXPECT_GE(distance(colour, kPlotBackground), 120) << i;
        for (int j = 0; j < i; ++j) EXPECT_GE(distance(colour, curveColour(j)), 64) << i << " " << j;
    }
    for (const int i : {kDistinct, kDistinct + 5, 1000}) EXPECT_EQ(curveColour(i), curveColour(8 + (i - 8) % 16)) << i;
    EXPECT_EQ(curveColour(-1), curveColour(0));
    EXPECT_NE(curveColour(std::numeric_limits<int>::max()), kPlotBackground);
}

}  // namespace
}  // namespace zentra
