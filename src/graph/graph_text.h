// Texts of the graph window: the read-out of the cursor and the curve colours.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

// Exponent format: `digits` significant digits (at least 1), "E", the
// exponent's sign and at least one exponent digit: 12.5 → "1.25E+1",
// -0.00123 → "-1.23E-3", 0 → "0.00E+0". INF, -INF and NAN as the dump writes them.
std::string formatExponent(double value, int digits = 3);

// The status text at the cursor: the swept name with its "_" prefix shown
// as a blank, "=" and x, then "  " + name + "=" + value per graphed variable.
// Every number in exponent format.
std::string readOutText(std::string_view sweptName, double x, const std::vector<std::string>& names,
                        const std::vector<double>& values);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kPlotBackground{192, 192, 192};

// The colour of curve `index`: blue, red, yellow, green, fuchsia, lime, aqua
// and a dark grey (96, 96, 96) for the first eight; after them, in turn, sixteen further
// colours that differ from these, from one another and from the plot's
// background, and again from the first of those.
Rgb curveColour(int index);

}  // namespace zentra
