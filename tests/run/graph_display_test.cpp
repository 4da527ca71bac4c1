// When Exec shows and closes the graph window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

struct GraphCase {
    bool shownBefore;
    std::vector<std::string> program;
    bool shownAfter;
};

class GraphDisplayTest : public ::testing::TestWithParam<GraphCase> {};

TEST_P(GraphDisplayTest, IsShownOnlyAfterASuccessfulRunThatGraphs) {
    MemoryHost host;
    Session session(host);
    host.graphShown = GetParam().shownBefore;
    host.parameters.setLines({"x = 1, 2, 3;"});
    host.program.setLines(GetParam().program);
    exec(session);
    EXPECT_EQ(host.graphShown, GetParam().shownAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, GraphDisplayTest,
    ::testing::Values(GraphCase{false, {"y = x * x", "graph(y)"}, true},
                      // Every run closes the window first.
                      GraphCase{true, {"y = x * x"}, false},
                      GraphCase{true, {"y = x * x", "graph(y)"}, true},
                      // A failing pass, a compile error: the window stays closed.
                      GraphCase{true, {"y = 1 / (x - 2)", "graph(y)"}, false},
                      GraphCase{true, {"y = x *", "graph(y)"}, false}));

}  // namespace
}  // namespace zentra
