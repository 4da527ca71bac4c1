#include "graph/graph_axes.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "base/number_format.h"

namespace zentra {

namespace {

// a + k × (b − a) ÷ n, also when b − a overflows.
double stepValue(double a, double b, double k, double n) {
    const double span = b - a;
    if (std::isfinite(span)) return k * span / n + a;
    return a + k * (b / n - a / n);
}

// A label of 6 digits. A tick that is zero but for rounding noise of the
// step arithmetic (1e-16 of the span) reads as 0, not as 5.55112E-17.
std::string labelOf(double value, double a, double b) {
    const double scale = std::max(std::fabs(a), std::fabs(b));
    if (std::fabs(value) <= scale * 1e-12) value = 0.0;
    return formatGeneral(value, kLabelDigits);
}

NiceRange rounded(double low, double high) {
    double a = low;
    double b = high;
    widenRange(a, b, 2);
    if (!std::isfinite(a)) a = low;
    if (!std::isfinite(b)) b = high;
    return {a, b};
}

double clampFinite(double value) { return std::clamp(value, -DBL_MAX, DBL_MAX); }

}  // namespace

PlotArea plotArea(int surfaceWidth, int surfaceHeight) {
    PlotArea area;
    area.width = surfaceWidth - kPlotExtraWidth;
    area.height = surfaceHeight - kPlotExtraHeight;
    return area;
}

NiceRange niceRange(double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high)) return {-1.0, 1.0};
    if (low > high) std::swap(low, high);
    NiceRange range = rounded(low, high);
    if (range.maximum > range.minimum) return range;
    const double middle = low / 2 + high / 2;
    if (middle == 0.0) return {-1.0, 1.0};
    const double half = std::fabs(middle) / 10;
    range = rounded(clampFinite(middle - half), clampFinite(middle + half));
    if (range.maximum > range.minimum) return range;
    // Values too small for a tenth to show (subnormal numbers).
    return {middle - 1.0, middle + 1.0};
}

std::vector<AxisTick> xTicks(int width, double xMinimum, double xMaximum) {
    std::vector<AxisTick> ticks;
    if (width <= 0) return ticks;
    const int intervals = std::max(1, width / kXTickSpacing);
    const double step = static_cast<double>(width) / intervals;
    int lastLabelled = 0;
    for (int i = 0; i <= intervals; ++i) {
        AxisTick tick;
        tick.pixel = static_cast<int>(i * step);
        tick.value = stepValue(xMinimum, xMaximum, i, intervals);
        tick.labelled = i == 0 || i == intervals || tick.pixel > lastLabelled + kXLabelGap;
        if (tick.labelled) {
            tick.label = labelOf(tick.value, xMinimum, xMaximum);
            lastLabelled = tick.pixel;
        }
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

std::vector<AxisTick> yTicks(int height, const NiceRange& range) {
    std::vector<AxisTick> ticks;
    if (height <= 0) return ticks;
    const int intervals = std::max(1, height / kYTickSpacing);
    const double step = static_cast<double>(height) / intervals;
    for (int m = intervals; m >= 0; --m) {
        AxisTick tick;
        tick.pixel = static_cast<int>((intervals - m) * step);
        tick.value = stepValue(range.minimum, range.maximum, m, intervals);
        tick.labelled = true;
        tick.label = labelOf(tick.value, range.minimum, range.maximum);
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

GraphAxes computeAxes(int width, int height, double xMinimum, double xMaximum,
                      const std::optional<ValueRange>& values) {
    GraphAxes axes;
    axes.x = xTicks(width, xMinimum, xMaximum);
    if (values) {
        axes.yRange = niceRange(values->low, values->high);
        axes.y = yTicks(height, *axes.yRange);
    }
    return axes;
}

double columnX(int column, int width, double xMinimum, double xMaximum) {
    if (width <= 0) return xMinimum;
    return stepValue(xMinimum, xMaximum, column, width);
}

std::optional<int> rowOf(double value, const NiceRange& range, int height) {
    if (!std::isfinite(value)) return std::nullopt;
    const double span = range.maximum - range.minimum;
    double row;
    if (std::isfinite(span)) {
        row = (range.maximum - value) * (height / span);
    } else {
        row = (range.maximum / 2 - value / 2) / (range.maximum / 2 - range.minimum / 2) * height;
    }
    if (std::isnan(row)) return std::nullopt;
    // Only a value outside the range lies off the plot; held to a few plot
    // heights, its row fits an int and a line towards it still leaves the plot.
    const double limit = 4.0 * std::max(height, 1);
    return static_cast<int>(std::clamp(row, -limit, limit + height));
}

std::vector<Polyline> curvePolylines(const std::vector<std::optional<double>>& curve, const NiceRange& range,
                                     int height) {
    std::vector<Polyline> pieces;
    bool open = false;
    for (std::size_t c = 0; c < curve.size(); ++c) {
        const std::optional<int> row = curve[c] ? rowOf(*curve[c], range, height) : std::nullopt;
        if (!row) {
            open = false;
            continue;
        }
        if (!open) pieces.emplace_back();
        open = true;
        pieces.back().push_back({static_cast<int>(c), *row});
    }
    return pieces;
}

void widenRange(double& a, double& b, int digits) {
    const bool aPositive = a > 0;
    const bool bPositive = b > 0;
    const bool aIsLarger = std::fabs(a) >= std::fabs(b);
    double large = aIsLarger ? std::fabs(a) : std::fabs(b);
    double small = aIsLarger ? std::fabs(b) : std::fabs(a);
    // Nothing to scale for a zero or non-finite range: leave it as it is.
    if (!(large > 0.0) || !std::isfinite(large) || !std::isfinite(small)) return;
    const double t = std::pow(10.0, digits);
    // A digit count past the double range (t infinite or zero) has no scale to reach.
    if (!(t > 0.0) || !std::isfinite(t)) return;
    int e = 0;
    while (large < 0.1 * t) {
        large *= 10;
        small *= 10;
        --e;
    }
    while (large >= t) {
        large *= 0.1;
        small *= 0.1;
        ++e;
    }
    large = std::trunc(large + 0.99);
    // Opposite signs, tested without a × b, which underflows to 0 for tiny ends.
    const bool straddles = (a < 0 && b > 0) || (a > 0 && b < 0);
    small = straddles ? std::trunc(small + 0.99) : std::trunc(small);
    for (; e > 0; --e) {
        large *= 10;
        small *= 10;
    }
    for (; e < 0; ++e) {
        large *= 0.1;
        small *= 0.1;
    }
    a = aIsLarger ? large : small;
    b = aIsLarger ? small : large;
    if (!aPositive) a = -a;
    if (!bPositive) b = -b;
}

}  // namespace zentra
