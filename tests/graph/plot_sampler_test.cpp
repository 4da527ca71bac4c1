// Sampling the graphed variables over the sweep range after a run.
#include "graph/plot_sampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"
#include "vm/machine.h"

namespace zentra {
namespace {

class PlotSamplerTest : public ::testing::Test {
protected:
    // Runs the program over the parameters; the run must complete.
    void run(const std::vector<std::string>& parameters, const std::vector<std::string>& program) {
        host.parameters.setLines(parameters);
        host.program.setLines(program);
        ASSERT_EQ(exec(session), ExecOutcome::Completed);
        ASSERT_TRUE(host.graphShown);
    }

    PlotSampler sampler() {
        auto variables = findGraphedVariables(session.compiler);
        EXPECT_TRUE(variables.has_value());
        return PlotSampler(session, variables.value_or(std::vector<GraphedVariable>{}));
    }

    double sweptSlotValue() const {
        return session.stores->constants[static_cast<std::size_t>(session.compiler.plan.sweptSlot)];
    }

    MemoryHost host;
    Session session{host};
};

TEST_F(PlotSamplerTest, OnePassPerColumnAtItsX) {
    run({"x = 0, 1, ..., 10;"}, {"y = x * 2", "z = -x", "graph(y, z)"});
    PlotSampler plot = sampler();
    ASSERT_EQ(plot.variables().size(), 2u);
    EXPECT_EQ(plot.variables()[0].name, "y");
    EXPECT_EQ(plot.variables()[1].name, "z");

    const PlotSamples samples = plot.sample(350);
    ASSERT_EQ(samples.curves.size(), 2u);
    ASSERT_EQ(samples.curves[0].size(), 350u);
    for (int c = 0; c < 350; ++c) {
        const double x = columnX(c, 350, 0, 10);
        ASSERT_EQ(samples.curves[0][static_cast<std::size_t>(c)], x * 2) << c;
        ASSERT_EQ(samples.curves[1][static_cast<std::size_t>(c)], -x) << c;
    }
    // The last column samples the maximum less one column's step.
    EXPECT_DOUBLE_EQ(*samples.curves[1].back(), -(10.0 - 10.0 / 350));
    ASSERT_TRUE(samples.hasFiniteValues());
    EXPECT_DOUBLE_EQ(samples.values->low, -(10.0 - 10.0 / 350));
    EXPECT_DOUBLE_EQ(samples.values->high, 2 * (10.0 - 10.0 / 350));
    EXPECT_EQ(samples.failedColumns, 0);
    EXPECT_FALSE(samples.firstFailure);
    EXPECT_FALSE(samples.cancelled);
}

TEST_F(PlotSamplerTest, TheSweptSlotKeepsTheLastSweepValueAndTheTranslationStays) {
    run({"x = 1, 2, 3;"}, {"y = x * x", "graph(y)"});
    const int translations = session.passMachine.translationCount();
    PlotSampler plot = sampler();
    plot.sample(200);
    EXPECT_EQ(sweptSlotValue(), 3.0);
    EXPECT_TRUE(plot.readOut(10, 200).text);
    EXPECT_EQ(sweptSlotValue(), 3.0);
    EXPECT_EQ(session.passMachine.translationCount(), translations);
}

TEST_F(PlotSamplerTest, FailingColumnsAreReportedOnceAndLeftOut) {
    // Both sweep values pass; every column with |x| < 1 fails.
    run({"x = -2, 2;"}, {"y = sqrt(x * x - 1)", "graph(y)"});
    host.messageBoxes.clear();
    const PlotSamples samples = sampler().sample(400);
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(samples.failedColumns, 199);  // columns 101..299: x = -0.99 .. 0.99
    ASSERT_TRUE(samples.firstFailure);
    EXPECT_EQ(samples.firstFailure->column, 101);
    EXPECT_EQ(samples.firstFailure->code, kSqrtOfNegative);
    EXPECT_EQ(samples.firstFailure->message, runtimeErrorMessage(kSqrtOfNegative, session.loopLimit));
    const auto& curve = samples.curves[0];
    EXPECT_EQ(curve[100], 0.0);
    EXPECT_FALSE(curve[101]);
    EXPECT_FALSE(curve[299]);
    EXPECT_EQ(curve[300], 0.0);
    EXPECT_DOUBLE_EQ(*curve[0], std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(samples.values->high, std::sqrt(3.0));
    EXPECT_EQ(sweptSlotValue(), 2.0);
}

TEST_F(PlotSamplerTest, InfiniteAndUndefinedValuesAreLeftOutOfTheRange) {
    // exp overflows to INF from about x = 709.8; INF − INF is NAN.
    run({"x = 0, 1000;"}, {"y = exp(x)", "z = y - y", "graph(y, z)"});
    const PlotSamples samples = sampler().sample(100);
    const auto& y = samples.curves[0];
    const auto& z = samples.curves[1];
    EXPECT_TRUE(y[70]);   // x = 700
    EXPECT_FALSE(y[71]);  // x = 710
    EXPECT_TRUE(z[70]);
    EXPECT_FALSE(z[71]);
    ASSERT_TRUE(samples.hasFiniteValues());
    EXPECT_EQ(samples.values->low, 0.0);
    EXPECT_DOUBLE_EQ(samples.values->high, std::exp(700.0));
    EXPECT_EQ(samples.failedColumns, 0);
}

TEST_F(PlotSamplerTest, NothingFiniteIsSaid) {
    run({"x = 0, 1;"}, {"y = exp(1000 + x)", "graph(y)"});
    const PlotSamples samples = sampler().sample(50);
    EXPECT_FALSE(samples.hasFiniteValues());
    for (const auto& value : samples.curves[0]) EXPECT_FALSE(value);
    EXPECT_TRUE(computeAxes(50, 100, 0, 1, samples.values).y.empty());
}

TEST_F(PlotSamplerTest, EqualValuesGiveARangeWithWidth) {
    run({"x = 0, 5;"}, {"y = 4 + x * 0", "graph(y)"});
    const PlotSamples samples = sampler().sample(120);
    ASSERT_TRUE(samples.values);
    EXPECT_EQ(samples.values->low, 4.0);
    EXPECT_EQ(samples.values->high, 4.0);
    const GraphAxes axes = computeAxes(120, 100, 0, 5, samples.values);
    ASSERT_TRUE(axes.yRange);
    EXPECT_LT(axes.yRange->minimum, 4.0);
    EXPECT_GT(axes.yRange->maximum, 4.0);
    const auto pieces = curvePolylines(samples.curves[0], *axes.yRange, 100);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].size(), 120u);
    EXPECT_NEAR(pieces[0][0].y, 50, 1);
}

TEST_F(PlotSamplerTest, CancellingStopsBeforeTheNextColumn) {
    run({"x = 0, 1, ..., 10;"}, {"y = x", "graph(y)"});
    std::vector<int> asked;
    const PlotSamples samples = sampler().sample(300, [&asked](int column, int width) {
        EXPECT_EQ(width, 300);
        asked.push_back(column);
        return column < 20;
    });
    EXPECT_TRUE(samples.cancelled);
    EXPECT_EQ(asked.size(), 21u);
    EXPECT_EQ(asked.back(), 20);
    EXPECT_TRUE(samples.curves[0][19]);
    EXPECT_FALSE(samples.curves[0][20]);
    EXPECT_FALSE(samples.curves[0][299]);
    EXPECT_EQ(sweptSlotValue(), 10.0);
}

TEST_F(PlotSamplerTest, ReadOutShowsXAndEveryGraphedValue) {
    run({"x = 0, 10;"}, {"y = x * 2", "z = 1 / (x - 5)", "graph(y, z)"});
    PlotSampler plot = sampler();
    const ReadOut at = plot.readOut(70, 350);
    ASSERT_TRUE(at.text);
    EXPECT_EQ(*at.text, " x=2.00E+0  y=4.00E+0  z=-3.33E-1");
    EXPECT_FALSE(at.failure);

    // x = 5: the pass fails; no text, no message box.
    host.messageBoxes.clear();
    const ReadOut failed = plot.readOut(175, 350);
    EXPECT_FALSE(failed.text);
    ASSERT_TRUE(failed.failure);
    EXPECT_EQ(failed.failure->code, kDivisionByZero);
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(sweptSlotValue(), 10.0);
}

TEST_F(PlotSamplerTest, AGraphedNameWithoutAVariableIsRefused) {
    run({"x = 0, 1;"}, {"y = x", "graph(y)"});
    session.compiler.plan.graphList.push_back("x");  // a constant, not a variable
    EXPECT_FALSE(findGraphedVariables(session.compiler));
    session.compiler.plan.graphList.back() = "nothing";
    EXPECT_FALSE(findGraphedVariables(session.compiler));
    session.compiler.plan.graphList.back() = "y";
    const auto twice = findGraphedVariables(session.compiler);
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->size(), 2u);
}

TEST_F(PlotSamplerTest, WithoutASweepEveryColumnRunsTheSameProgram) {
    run({"a = 7;"}, {"y = a + 1", "graph(y)"});
    const double slotZero = session.stores->constants[0];
    const PlotSamples samples = sampler().sample(30);
    for (const auto& value : samples.curves[0]) EXPECT_EQ(value, 8.0);
    EXPECT_EQ(session.stores->constants[0], slotZero);
    EXPECT_EQ(sampler().sample(0).curves[0].size(), 0u);
    EXPECT_EQ(sampler().sample(-5).width, 0);
}

}  // namespace
}  // namespace zentra
