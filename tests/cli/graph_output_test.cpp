// zentra-cli --graph without the drawing: what is sampled and handed to the
// picture writer, and the exit codes and messages around it.
#include "cli/graph_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/exit_codes.h"
#include "graph/plot_sampler.h"
#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra::cli {
namespace {

// What the last call of the writer was given.
struct WriterCall {
    int calls = 0;
    std::string path;
    int sampledColumns = 0;
    std::vector<std::string> names;
    int failedColumns = 0;
};
WriterCall lastCall;

bool recordingWriter(const GraphRequest& request, const PlotSampler& sampler, const PlotSamples& samples,
                     std::string&) {
    ++lastCall.calls;
    lastCall.path = request.path;
    lastCall.sampledColumns = samples.width;
    lastCall.names.clear();
    for (const auto& variable : sampler.variables()) lastCall.names.push_back(variable.name);
    lastCall.failedColumns = samples.failedColumns;
    return true;
}

bool refusingWriter(const GraphRequest& request, const PlotSampler&, const PlotSamples&, std::string& error) {
    ++lastCall.calls;
    error = "cannot write " + request.path;
    return false;
}

class GraphOutput : public ::testing::Test {
protected:
    void SetUp() override { lastCall = {}; }

    void run(const std::vector<std::string>& parameters, const std::vector<std::string>& program) {
        host.parameters.setLines(parameters);
        host.program.setLines(program);
        ASSERT_EQ(exec(session), ExecOutcome::Completed);
    }

    MemoryHost host;
    Session session{host};
    std::string messages;
};

TEST_F(GraphOutput, SamplesOneColumnPerPlotPixelOfTheRequestedPicture) {
    run({"x = 0, 10;"}, {"y = x", "z = -x", "graph(y, z)"});
    EXPECT_EQ(writeGraphOfRun(session, {"a.png", GraphFormat::Png, {640, 480}}, recordingWriter, messages), kExitOk);
    EXPECT_EQ(lastCall.calls, 1);
    EXPECT_EQ(lastCall.path, "a.png");
    EXPECT_EQ(lastCall.sampledColumns, 640 - 94);
    EXPECT_EQ(lastCall.names, (std::vector<std::string>{"y", "z"}));
    EXPECT_EQ(messages, "");
    EXPECT_EQ(writeGraphOfRun(session, {"b.svg", GraphFormat::Svg, {100, 100}}, recordingWriter, messages), kExitOk);
    EXPECT_EQ(lastCall.sampledColumns, 6);
}

TEST_F(GraphOutput, AProgramThatGraphsNothingIsACommandLineError) {
    run({"x = 0, 10;"}, {"y = x"});
    EXPECT_EQ(writeGraphOfRun(session, {"a.png", GraphFormat::Png, kDefaultGraphSize}, recordingWriter, messages),
              kExitUsage);
    EXPECT_EQ(lastCall.calls, 0);
    EXPECT_EQ(messages, "グラフにする変数がありません: プログラムが graph を使っていません\n");
}

TEST_F(GraphOutput, FailingPassesGiveOneMessageAndThePictureOfTheRest) {
    run({"x = -2, 2;"}, {"y = sqrt(x * x - 1)", "graph(y)"});
    EXPECT_EQ(writeGraphOfRun(session, {"a.png", GraphFormat::Png, kDefaultGraphSize}, recordingWriter, messages),
              kExitRuntime);
    EXPECT_EQ(lastCall.calls, 1);
    EXPECT_GT(lastCall.failedColumns, 100);
    EXPECT_LT(lastCall.failedColumns, lastCall.sampledColumns);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.find('\n'), messages.size() - 1) << messages;  // one line
}

TEST_F(GraphOutput, AFileThatCannotBeWrittenExits73WithTheWritersMessage) {
    run({"x = 0, 10;"}, {"y = x", "graph(y)"});
    EXPECT_EQ(writeGraphOfRun(session, {"a.png", GraphFormat::Png, kDefaultGraphSize}, refusingWriter, messages),
              kExitCannotCreate);
    EXPECT_EQ(messages, "cannot write a.png\n");
}

TEST(GraphFormat, ByTheExtensionInAnyCase) {
    EXPECT_EQ(graphFormatOf("plot.png"), GraphFormat::Png);
    EXPECT_EQ(graphFormatOf("dir.svg/Plot.PNG"), GraphFormat::Png);
    EXPECT_EQ(graphFormatOf("plot.Svg"), GraphFormat::Svg);
    EXPECT_EQ(graphFormatOf(".svg"), GraphFormat::Svg);
    EXPECT_FALSE(graphFormatOf("plot.png.txt"));
    EXPECT_FALSE(graphFormatOf("plotpng"));
    EXPECT_FALSE(graphFormatOf("vg"));
}

}  // namespace
}  // namespace zentra::cli
