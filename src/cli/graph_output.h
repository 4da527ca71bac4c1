// zentra-cli --graph: the graph window's plot of a completed run, written
// to a PNG or SVG file. Sampling and the checks are here; the drawing comes
// from the desktop application's painting code through a GraphWriter, which
// builds without the application do not have.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentra {
struct Session;
class PlotSampler;
struct PlotSamples;
}  // namespace zentra

namespace zentra::cli {

struct GraphSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const GraphSize&, const GraphSize&) = default;
};

// The whole picture (the window's drawing surface, the plot 94 × 57 pixels
// smaller inside it); each side within the graph window's limits.
inline constexpr GraphSize kDefaultGraphSize{640, 480};

enum class GraphFormat { Png, Svg };

// By the file name's extension, in any case: ".png" or ".svg".
std::optional<GraphFormat> graphFormatOf(std::string_view path);

// "WIDTHxHEIGHT" with whole numbers inside the graph window's limits;
// nothing, with a one-line message in `error`, otherwise.
std::optional<GraphSize> parseGraphSize(std::string_view text, std::string& error);

struct GraphRequest {
    std::string path;
    GraphFormat format = GraphFormat::Png;
    GraphSize size = kDefaultGraphSize;
};

// Draws the plot of `samples` into the file; false, with the message in
// `error`, when the file cannot be written (it then stays as it was).
using GraphWriter = bool (*)(const GraphRequest& request, const PlotSampler& sampler, const PlotSamples& samples,
                             std::string& error);

// After a run that completed: samples the graphed variables once per plot
// column and hands them to `writer`. Messages for standard error are
// appended to `messages`, one per line. The exit code: 0; kExitRuntime
// when a sampling pass failed (its message once, the file written with the
// values left); kExitUsage when the program graphs nothing or a graphed
// name is no variable; kExitCannotCreate when the file cannot be written.
int writeGraphOfRun(Session& session, const GraphRequest& request, GraphWriter writer, std::string& messages);

}  // namespace zentra::cli
