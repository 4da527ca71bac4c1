#include "graph/graph_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

#include "base/number_format.h"

namespace zentra {

std::string formatExponent(double value, int digits) {
    if (!std::isfinite(value)) return formatGeneral(value, digits);
    digits = std::clamp(digits, 1, 17);
    if (value == 0.0) value = 0.0;  // no sign for -0
    char buffer[48];
    const char* const end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, digits - 1).ptr;
    const char* e = std::find(static_cast<const char*>(buffer), end, 'e');
    std::string text(static_cast<const char*>(buffer), e);
    text += 'E';
    if (e == end) return text + "+0";
    const char* d = e + 1;
    text += *d == '-' ? '-' : '+';
    if (*d == '-' || *d == '+') ++d;
    while (d + 1 < end && *d == '0') ++d;
    text.append(d, end);
    return text;
}

std::string readOutText(std::string_view sweptName, double x, const std::vector<std::string>& names,
                        const std::vector<double>& values) {
    std::string text;
    if (!sweptName.empty()) text.append(" ").append(sweptName.substr(1));
    text.append("=").append(formatExponent(x));
    const std::size_t count = std::min(names.size(), values.size());
    for (std::size_t j = 0; j < count; ++j) {
        text.append("  ").append(names[j]).append("=").append(formatExponent(values[j]));
    }
    return text;
}

namespace {

constexpr std::array<Rgb, 8> kCurveColours{{
    {0, 0, 255},      // blue
    {255, 0, 0},      // red
    {255, 255, 0},    // yellow
    {0, 128, 0},      // green
    {255, 0, 255},    // fuchsia
    {0, 255, 0},      // lime
    {0, 255, 255},    // aqua
    {96, 96, 96},     // grey: silver, the classic eighth, would vanish into the silver plot
}};

// Further curves, in an order that keeps neighbours apart; none is close to
// the first eight or to the silver background.
constexpr std::array<Rgb, 16> kFurtherColours{{
    {0, 0, 128},      // navy
    {128, 0, 0},      // maroon
    {128, 128, 0},    // olive
    {0, 128, 128},    // teal
    {128, 0, 128},    // purple
    {0, 0, 0},        // black
    {255, 128, 0},    // orange
    {128, 64, 0},     // brown
    {96, 0, 192},     // violet
    {255, 0, 128},    // rose
    {0, 128, 255},    // azure
    {128, 255, 0},    // chartreuse
    {255, 255, 255},  // white
    {128, 128, 128},  // mid grey, apart from the eighth curve's darker one
    {0, 192, 128},    // jade
    {192, 128, 255},  // lavender
}};

}  // namespace

Rgb curveColour(int index) {
    if (index < 0) index = 0;
    const auto i = static_cast<std::size_t>(index);
    if (i < kCurveColours.size()) return kCurveColours[i];
    return kFurtherColours[(i - kCurveColours.size()) % kFurtherColours.size()];
}

}  // namespace zentra
