// Axis arithmetic of the graph window: where the plot lies, the tick
// positions and their labels, the y range rounded to 2 significant digits,
// and the mapping between pixel columns or rows and values.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentra {

// The plot area inside the window's drawing surface.
inline constexpr int kPlotLeft = 64;
inline constexpr int kPlotTop = 32;
inline constexpr int kPlotExtraWidth = 94;   // surface width − plot width
inline constexpr int kPlotExtraHeight = 57;  // surface height − plot height
inline constexpr int kXTickSpacing = 70;     // at most one x interval per 70 pixels
inline constexpr int kYTickSpacing = 50;     // at most one y interval per 50 pixels
inline constexpr int kXLabelGap = 50;        // an inner x label needs this many pixels after the last one
inline constexpr int kLabelDigits = 6;

// The graph window's size limits, in both directions.
inline constexpr int kGraphWindowSmallest = 100;
inline constexpr int kGraphWindowLargest = 800;

struct PlotArea {
    int left = kPlotLeft;
    int top = kPlotTop;
    int width = 0;   // may be 0 or less when the surface is very small: nothing to plot
    int height = 0;
};

PlotArea plotArea(int surfaceWidth, int surfaceHeight);

// The smallest and largest finite value of the samples.
struct ValueRange {
    double low = 0.0;
    double high = 0.0;
};

// The y range as the axes show it: minimum < maximum, both finite.
struct NiceRange {
    double minimum = 0.0;
    double maximum = 0.0;
};

// Rounds (low, high) outward to numbers of 2 significant digits, as the y
// axis shows them: 0.3..9.87 becomes 0.3..9.9, 0.012..0.5 becomes 0.01..0.5.
// A range of zero width (or one whose ends round to the same number) is
// widened around its middle by a tenth of it (0 gives −1..1), so that the
// result always has width. Ends that would overflow stay as they are;
// non-finite input gives −1..1.
NiceRange niceRange(double low, double high);

struct AxisTick {
    int pixel = 0;        // x: plot column; y: plot row from the top
    double value = 0.0;
    bool labelled = false;
    std::string label;    // 6 significant digits; empty when not labelled
};

struct GraphAxes {
    std::vector<AxisTick> x;
    std::vector<AxisTick> y;        // empty when there is no y range
    std::optional<NiceRange> yRange;
};

// W div 70 intervals (at least 1); the first and last tick are labelled, an
// inner one only when it lies more than 50 pixels right of the last labelled one.
std::vector<AxisTick> xTicks(int width, double xMinimum, double xMaximum);

// H div 50 intervals (at least 1), every tick labelled; the top tick
// carries the maximum, the bottom one the minimum.
std::vector<AxisTick> yTicks(int height, const NiceRange& range);

// Both axes of a plot of width × height pixels; without sampled values
// (nothing finite) only the x axis.
GraphAxes computeAxes(int width, int height, double xMinimum, double xMaximum,
                      const std::optional<ValueRange>& values);

// The x value of plot column `column`: column × (max − min) ÷ width + min.
// The last column lies one column's step below the maximum.
double columnX(int column, int width, double xMinimum, double xMaximum);

// The plot row (0 at the top) of a value, or nothing for INF and NAN.
// Rows of values outside the range are held to a few plot heights.
std::optional<int> rowOf(double value, const NiceRange& range, int height);

struct PlotPoint {
    int x = 0;
    int y = 0;
};
using Polyline = std::vector<PlotPoint>;

// The pieces of one curve: each maximal run of columns that have a value.
// A piece of one point is an isolated value between gaps.
std::vector<Polyline> curvePolylines(const std::vector<std::optional<double>>& curve, const NiceRange& range,
                                     int height);

// Widens (a, b) outward to numbers of `digits` significant digits.
void widenRange(double& a, double& b, int digits);

}  // namespace zentra
