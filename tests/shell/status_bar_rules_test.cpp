#include "shell/status_bar_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace zentra {
namespace {

struct PanelCase {
    int x;
    StatusPanel panel;
};

class PanelUnderMouse : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelUnderMouse, OnABar400Wide) { EXPECT_EQ(panelAt(GetParam().x, 400), GetParam().panel); }

INSTANTIATE_TEST_SUITE_P(Cases, PanelUnderMouse, ::testing::Values(
    PanelCase{400, StatusPanel::Unit}, PanelCase{321, StatusPanel::Unit},
    PanelCase{320, StatusPanel::Precision}, PanelCase{241, StatusPanel::Precision},
    PanelCase{240, StatusPanel::Message}, PanelCase{0, StatusPanel::Message},
    PanelCase{INT_MIN, StatusPanel::Message}));

TEST(StatusBar, PanelTextsAndWidths) {
    EXPECT_EQ(precisionPanelText(15), " precision 15");
    EXPECT_EQ(unitPanelText(0), " unit DEG");
    EXPECT_EQ(unitPanelText(1), " unit RAD");
    EXPECT_EQ(messagePanelWidth(400), 240);
    EXPECT_EQ(messagePanelWidth(100), 0);
    EXPECT_EQ(panelAt(INT_MAX, INT_MIN), StatusPanel::Unit);  // no overflow on odd sizes
}

struct ClickCase {
    const char* what;
    StatusPanel panel;
    MouseButton button;
    int clicks;
    int precision, radian;            // before
    int precisionAfter, radianAfter;  // after the clicks
    bool rewritePrecision, rewriteUnit;
};

class StatusBarClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(StatusBarClick, ChangesTheSettingWithinItsRange) {
    const ClickCase& c = GetParam();
    int precision = c.precision;
    int radian = c.radian;
    StatusClick click;
    for (int i = 0; i < c.clicks; ++i) click = clickStatusPanel(c.panel, c.button, precision, radian);
    EXPECT_EQ(precision, c.precisionAfter) << c.what;
    EXPECT_EQ(radian, c.radianAfter) << c.what;
    EXPECT_EQ(click.rewritePrecision, c.rewritePrecision) << c.what;
    EXPECT_EQ(click.rewriteUnit, c.rewriteUnit) << c.what;
}

using P = StatusPanel;
using B = MouseButton;

INSTANTIATE_TEST_SUITE_P(Cases, StatusBarClick, ::testing::Values(
    ClickCase{"raise", P::Precision, B::Left, 1, 10, 0, 11, 0, true, false},
    ClickCase{"lower", P::Precision, B::Right, 1, 10, 0, 9, 0, true, false},
    ClickCase{"stays 15", P::Precision, B::Left, 30, 10, 0, 15, 0, true, false},
    ClickCase{"stays 1", P::Precision, B::Right, 30, 10, 0, 1, 0, true, false},
    ClickCase{"above range, raise", P::Precision, B::Left, 1, 40, 0, 15, 0, true, false},
    ClickCase{"above range, lower", P::Precision, B::Right, 1, 40, 0, 15, 0, true, false},
    ClickCase{"below range, raise", P::Precision, B::Left, 1, -7, 0, 1, 0, true, false},
    ClickCase{"largest, raise", P::Precision, B::Left, 1, INT_MAX, 0, 15, 0, true, false},
    ClickCase{"smallest, lower", P::Precision, B::Right, 1, INT_MIN, 0, 1, 0, true, false},
    ClickCase{"middle button", P::Precision, B::Other, 1, 10, 0, 10, 0, true, false},
    ClickCase{"to radians", P::Unit, B::Left, 1, 10, 0, 10, 1, false, true},
    ClickCase{"and back", P::Unit, B::Left, 2, 10, 0, 10, 0, false, true},
    ClickCase{"odd flag", P::Unit, B::Left, 1, 10, 5, 10, 0, false, true},
    ClickCase{"right on unit", P::Unit, B::Right, 1, 10, 1, 10, 1, false, true},
    ClickCase{"message panel", P::Message, B::Left, 1, 10, 0, 10, 0, false, false}));

TEST(StatusHints, ShowOnEachChangeThenStopAfterTen) {
    StatusHints hints;
    using T = std::optional<std::string>;
    EXPECT_EQ(hints.moveOver(P::Message), T{});  // no change from the start state
    EXPECT_EQ(hints.moveOver(P::Unit), T{std::string(kUnitHint)});
    EXPECT_EQ(hints.moveOver(P::Unit), T{});
    EXPECT_EQ(hints.moveOver(P::Precision), T{std::string(kPrecisionHint)});
    EXPECT_EQ(hints.moveOver(P::Message), T{""});
    // Changes 4 to 11 still show; the 11th leaves the state on the unit panel.
    for (int i = 4; i <= 11; ++i) {
        const P next = i % 2 == 0 ? P::Precision : P::Unit;
        EXPECT_TRUE(hints.moveOver(next).has_value()) << i;
    }
    EXPECT_EQ(hints.moveOver(P::Precision), T{""});
    EXPECT_EQ(hints.moveOver(P::Message), T{""});
    EXPECT_EQ(hints.moveOver(P::Unit), T{""});
}

TEST(StatusHints, AfterTenChangesEndingOnNoPanelNothingIsWritten) {
    StatusHints hints;
    hints.moveOver(P::Unit);
    hints.moveOver(P::Precision);
    for (int i = 3; i <= 11; ++i) hints.moveOver(i % 2 == 1 ? P::Message : P::Unit);  // 11th: Message
    EXPECT_EQ(hints.moveOver(P::Unit), std::nullopt);
    EXPECT_EQ(hints.moveOver(P::Precision), std::nullopt);
    EXPECT_EQ(hints.moveOver(P::Message), std::nullopt);
}

TEST(WindowSurface, MouseOnOnlyInsideTheBand) {
    EXPECT_EQ(surfaceMoveText(250, 10), "mouse ON");
    EXPECT_EQ(surfaceMoveText(201, 21), "mouse ON");
    EXPECT_EQ(surfaceMoveText(200, 10), "mouse OUT");
    EXPECT_EQ(surfaceMoveText(300, 10), "mouse OUT");
    EXPECT_EQ(surfaceMoveText(250, 0), "mouse OUT");
    EXPECT_EQ(surfaceMoveText(250, 22), "mouse OUT");
}

}  // namespace
}  // namespace zentra
