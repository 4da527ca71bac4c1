#include "graph/graph_axes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace zentra {
namespace {

std::vector<int> pixelsOf(const std::vector<AxisTick>& ticks) {
    std::vector<int> pixels;
    for (const auto& tick : ticks) pixels.push_back(tick.pixel);
    return pixels;
}

std::vector<std::string> labelsOf(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> labels;
    for (const auto& tick : ticks) labels.push_back(tick.labelled ? tick.label : "-");
    return labels;
}

struct XTickCase {
    int width;
    double minimum, maximum;
    std::vector<int> pixels;
    std::vector<std::string> labels;
};

class XTicks : public ::testing::TestWithParam<XTickCase> {};

TEST_P(XTicks, OneIntervalPer70PixelsWithTheirLabels) {
    const auto ticks = xTicks(GetParam().width, GetParam().minimum, GetParam().maximum);
    EXPECT_EQ(pixelsOf(ticks), GetParam().pixels);
    EXPECT_EQ(labelsOf(ticks), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XTicks,
    ::testing::Values(
        // Five intervals, every tick 70 pixels after the last: all labelled.
        XTickCase{350, 0, 10, {0, 70, 140, 210, 280, 350}, {"0", "2", "4", "6", "8", "10"}},
        XTickCase{419, 0, 10, {0, 83, 167, 251, 335, 419}, {"0", "2", "4", "6", "8", "10"}},
        // Fewer than 140 pixels: one interval, both ends labelled.
        XTickCase{139, -1, 1, {0, 139}, {"-1", "1"}},
        XTickCase{20, 5, 5, {0, 20}, {"5", "5"}},
        XTickCase{210, 1e-7, 4e-7, {0, 70, 140, 210}, {"1E-7", "2E-7", "3E-7", "4E-7"}},
        // 0 − 0.1 + 1 × 0.3 ÷ 3 is 1.4E-17 in doubles: the label is 0.
        XTickCase{210, -0.1, 0.2, {0, 70, 140, 210}, {"-0.1", "0", "0.1", "0.2"}},
        // A surface too small for a plot has no axis.
        XTickCase{0, 0, 1, {}, {}}, XTickCase{-30, 0, 1, {}, {}}));

TEST(YTicks, TopCarriesTheMaximumBottomTheMinimum) {
    const auto ticks = yTicks(300, NiceRange{0.3, 9.9});
    ASSERT_EQ(ticks.size(), 7u);  // 300 div 50 intervals
    EXPECT_EQ(pixelsOf(ticks), (std::vector<int>{0, 50, 100, 150, 200, 250, 300}));
    EXPECT_EQ(ticks.front().label, "9.9");
    EXPECT_EQ(ticks[1].label, "8.3");
    EXPECT_EQ(ticks.back().label, "0.3");
    for (const auto& tick : ticks) EXPECT_TRUE(tick.labelled);

    EXPECT_EQ(pixelsOf(yTicks(149, NiceRange{-1, 1})), (std::vector<int>{0, 74, 149}));
    EXPECT_EQ(labelsOf(yTicks(40, NiceRange{-1, 1})), (std::vector<std::string>{"1", "-1"}));
    EXPECT_EQ(labelsOf(yTicks(150, NiceRange{-0.1, 0.2})), (std::vector<std::string>{"0.2", "0.1", "0", "-0.1"}));
    EXPECT_TRUE(yTicks(0, NiceRange{0, 1}).empty());
}

struct RangeCase {
    double low, high;
    double minimum, maximum;
};

class NiceRangeCases : public ::testing::TestWithParam<RangeCase> {};

TEST_P(NiceRangeCases, RoundsToTwoDigits) {
    const NiceRange range = niceRange(GetParam().low, GetParam().high);
    EXPECT_DOUBLE_EQ(range.minimum, GetParam().minimum);
    EXPECT_DOUBLE_EQ(range.maximum, GetParam().maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NiceRangeCases,
    ::testing::Values(RangeCase{0.3, 9.87, 0.3, 9.9}, RangeCase{-2.5, 7.3, -2.5, 7.3},
                      RangeCase{0.012, 0.5, 0.01, 0.5}, RangeCase{-9.87, -0.3, -9.9, -0.3},
                      RangeCase{9.87, 0.3, 0.3, 9.9},  // ends given the wrong way round
                      // All values equal: a tenth on either side, or -1..1 around 0.
                      RangeCase{5, 5, 4.5, 5.5}, RangeCase{-3, -3, -3.3, -2.7}, RangeCase{0, 0, -1, 1},
                      // Ends that round to one number are widened as well.
                      RangeCase{5, 5.0000001, 4.5, 5.5},
                      // Nothing finite to round.
                      RangeCase{std::numeric_limits<double>::quiet_NaN(), 1, -1, 1}));

TEST(NiceRange, AlwaysFiniteWithWidthAndHoldsTheValues) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        const int e = exponent(random);
        double low = mantissa(random) * std::pow(10.0, e);
        double high = random() % 4 == 0 ? low : mantissa(random) * std::pow(10.0, e - static_cast<int>(random() % 3));
        if (low > high) std::swap(low, high);
        const NiceRange range = niceRange(low, high);
        ASSERT_TRUE(std::isfinite(range.minimum) && std::isfinite(range.maximum)) << low << " " << high;
        ASSERT_LT(range.minimum, range.maximum) << low << " " << high;
        // Rounded outward; 0.1 steps and the "within 0.01 above" rule may
        // cut a hair off an end.
        const double slack = 1e-3 * std::max(std::fabs(range.minimum), std::fabs(range.maximum));
        ASSERT_LE(range.minimum, low + slack) << low << " " << high;
        ASSERT_GE(range.maximum, high - slack) << low << " " << high;
    }
    for (const auto& [low, high] : {std::pair{DBL_MAX, DBL_MAX}, std::pair{-DBL_MAX, DBL_MAX},
                                    std::pair{-DBL_MAX, -DBL_MAX}, std::pair{5e-324, 5e-324},
                                    std::pair{1.7e308, 1.79e308}}) {
        const NiceRange range = niceRange(low, high);
        EXPECT_TRUE(std::isfinite(range.minimum) && std::isfinite(range.maximum)) << low << " " << high;
        EXPECT_LT(range.minimum, range.maximum) << low << " " << high;
        EXPECT_LE(range.minimum, low);
        EXPECT_GE(range.maximum, high);
    }
}

TEST(ColumnX, TheLastColumnLiesOneStepBelowTheMaximum) {
    EXPECT_EQ(columnX(0, 350, 0, 10), 0.0);
    EXPECT_DOUBLE_EQ(columnX(175, 350, 0, 10), 5.0);
    EXPECT_DOUBLE_EQ(columnX(349, 350, 0, 10), 10.0 - 10.0 / 350);
    EXPECT_DOUBLE_EQ(columnX(99, 100, -2, 2), 2.0 - 4.0 / 100);
    // A span beyond the double range still gives the middle.
    EXPECT_DOUBLE_EQ(columnX(1, 2, -DBL_MAX, DBL_MAX), 0.0);
    EXPECT_EQ(columnX(3, 0, 7, 9), 7.0);
}

TEST(RowOf, MaximumAtTheTopMinimumAtTheBottom) {
    const NiceRange range{-2.5, 7.3};
    EXPECT_EQ(rowOf(7.3, range, 200), 0);
    EXPECT_EQ(rowOf(-2.5, range, 200), 200);
    EXPECT_EQ(rowOf(5, NiceRange{0, 10}, 200), 100);
    EXPECT_FALSE(rowOf(std::numeric_limits<double>::infinity(), range, 200));
    EXPECT_FALSE(rowOf(std::numeric_limits<double>::quiet_NaN(), range, 200));
    // Far outside: held near the plot, never an int overflow.
    EXPECT_EQ(rowOf(1e300, range, 200), -800);
    EXPECT_EQ(rowOf(-1e300, range, 200), 1000);
    EXPECT_EQ(rowOf(0.0, NiceRange{-DBL_MAX, DBL_MAX}, 200), 100);
}

TEST(CurvePolylines, GapsSplitACurveIntoPieces) {
    const NiceRange range{0, 10};
    const std::vector<std::optional<double>> curve{10, std::nullopt, 0, 5, std::nullopt, std::nullopt, 10};
    const auto pieces = curvePolylines(curve, range, 100);
    ASSERT_EQ(pieces.size(), 3u);
    ASSERT_EQ(pieces[0].size(), 1u);
    EXPECT_EQ(pieces[0][0].x, 0);
    EXPECT_EQ(pieces[0][0].y, 0);
    ASSERT_EQ(pieces[1].size(), 2u);
    EXPECT_EQ(pieces[1][0].x, 2);
    EXPECT_EQ(pieces[1][0].y, 100);
    EXPECT_EQ(pieces[1][1].x, 3);
    EXPECT_EQ(pieces[1][1].y, 50);
    EXPECT_EQ(pieces[2][0].x, 6);
    EXPECT_TRUE(curvePolylines({std::nullopt, std::nullopt}, range, 100).empty());
}

TEST(ComputeAxes, WithoutValuesOnlyTheXAxis) {
    const GraphAxes none = computeAxes(350, 300, 0, 10, std::nullopt);
    EXPECT_EQ(none.x.size(), 6u);
    EXPECT_TRUE(none.y.empty());
    EXPECT_FALSE(none.yRange);

    const GraphAxes flat = computeAxes(350, 300, 0, 10, ValueRange{3, 3});
    ASSERT_TRUE(flat.yRange);
    EXPECT_DOUBLE_EQ(flat.yRange->minimum, 2.7);
    EXPECT_DOUBLE_EQ(flat.yRange->maximum, 3.3);
    EXPECT_EQ(flat.y.size(), 7u);
    EXPECT_NEAR(*rowOf(3, *flat.yRange, 300), 150, 1);
}

struct WideningCase {
    double a, b;
    int digits;
    double wideA, wideB;
};

class WidenRange : public ::testing::TestWithParam<WideningCase> {};

TEST_P(WidenRange, WidensToFewDigits) {
    double a = GetParam().a;
    double b = GetParam().b;
    widenRange(a, b, GetParam().digits);
    EXPECT_DOUBLE_EQ(a, GetParam().wideA);
    EXPECT_DOUBLE_EQ(b, GetParam().wideB);
}

INSTANTIATE_TEST_SUITE_P(Cases, WidenRange, ::testing::Values(
    WideningCase{0.55, 3.14, 2, 0.5, 3.2},
    WideningCase{-3.14, 0.55, 2, -3.2, 0.6},     // straddling zero rounds both outward
    WideningCase{-0.55, -3.14, 2, -0.5, -3.2},
    WideningCase{120.0, 1234.0, 2, 100.0, 1300.0},
    WideningCase{1.0, 5.00005, 3, 1.0, 5.0},     // within 0.01 above an integer: not raised
    WideningCase{0.0, 0.0, 2, 0.0, 0.0},         // nothing to scale: unchanged
    WideningCase{-2.0, 2.0, 2, -2.0, 2.0}));

TEST(WidenRangeEdges, TinyEndsOfOppositeSignStraddleZero) {
    // Their product underflows to -0; the smaller end is still rounded outward.
    double a = -4.8568386247200599e-269;
    double b = 6.6504596106289142e-267;
    widenRange(a, b, 2);
    EXPECT_NEAR(a / 1e-268, -1.0, 1e-12);
    EXPECT_NEAR(b / 6.7e-267, 1.0, 1e-12);
}

TEST(WidenRangeEdges, DigitCountsPastTheDoubleRangeLeaveThePairUnchanged) {
    // 10^400 is infinite and 10^-400 is zero: the scaling loops could never end.
    for (const int digits : {400, -400}) {
        double a = 0.55;
        double b = 3.14;
        widenRange(a, b, digits);
        EXPECT_EQ(a, 0.55) << digits;
        EXPECT_EQ(b, 3.14) << digits;
    }
    double a = 0.55;
    double b = 3.14;
    widenRange(a, b, 0);  // t = 1: one digit after scaling down, then back
    EXPECT_DOUBLE_EQ(a, 0.0);
    EXPECT_DOUBLE_EQ(b, 10.0);
}

}  // namespace
}  // namespace zentra
