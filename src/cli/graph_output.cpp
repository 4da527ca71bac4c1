#include "cli/graph_output.h"

#include <charconv>

#include "cli/exit_codes.h"
#include "graph/graph_axes.h"
#include "graph/plot_sampler.h"
#include "session/session.h"

namespace zentra::cli {

namespace {

constexpr std::string_view kNothingGraphed = "グラフにする変数がありません: プログラムが graph を使っていません";

bool endsWithNoCase(std::string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    const std::string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char ch = tail[i];
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
        if (ch != ending[i]) return false;
    }
    return true;
}

bool parseSide(std::string_view text, int& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    return first != last && ec == std::errc{} && end == last;
}

}  // namespace

std::optional<GraphFormat> graphFormatOf(std::string_view path) {
    if (endsWithNoCase(path, ".png")) return GraphFormat::Png;
    if (endsWithNoCase(path, ".svg")) return GraphFormat::Svg;
    return std::nullopt;
}

std::optional<GraphSize> parseGraphSize(std::string_view text, std::string& error) {
    const std::size_t cross = text.find_first_of("xX");
    GraphSize size;
    if (cross == std::string_view::npos || !parseSide(text.substr(0, cross), size.width) ||
        !parseSide(text.substr(cross + 1), size.height)) {
        error = "option --graph-size needs WIDTHxHEIGHT in pixels, such as 640x480, not '" + std::string(text) + "'";
        return std::nullopt;
    }
    const auto inside = [](int side) { return side >= kGraphWindowSmallest && side <= kGraphWindowLargest; };
    if (!inside(size.width) || !inside(size.height)) {
        error = "option --graph-size: each side must be " + std::to_string(kGraphWindowSmallest) + " to " +
                std::to_string(kGraphWindowLargest) + " pixels, as the graph window's, not '" + std::string(text) +
                "'";
        return std::nullopt;
    }
    return size;
}

int writeGraphOfRun(Session& session, const GraphRequest& request, GraphWriter writer, std::string& messages) {
    if (session.compiler.plan.graphList.empty()) {
        messages += std::string(kNothingGraphed) + "\n";
        return kExitUsage;
    }
    auto variables = findGraphedVariables(session.compiler);
    if (!variables) {
        messages += std::string(kNoGraphSlotMessage) + "\n";
        return kExitUsage;
    }
    PlotSampler sampler(session, std::move(*variables));
    const PlotArea area = plotArea(request.size.width, request.size.height);
    const PlotSamples samples = sampler.sample(area.width);
    // As the window does: the first failing pass once, and the plot of what is left.
    if (samples.firstFailure) messages += samples.firstFailure->message + "\n";
    std::string error;
    if (!writer(request, sampler, samples, error)) {
        messages += error + "\n";
        return kExitCannotCreate;
    }
    return samples.firstFailure ? kExitRuntime : kExitOk;
}

}  // namespace zentra::cli
