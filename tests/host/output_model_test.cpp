#include "host/output_model.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

// A view appends the lines past its own count while the generation stays;
// anything else must make it show the model anew.
TEST(OutputModel, GenerationChangesOnlyWhenShownLinesChange) {
    OutputModel model;
    const auto start = model.generation();
    model.appendLine("error 311-00012");
    model.appendSweepHeader("【 x=1 】");
    model.appendDump("y", "2", 2.0);
    EXPECT_EQ(model.generation(), start);

    model.setLineColour(1, LineColour::Red);  // already red
    EXPECT_EQ(model.generation(), start);
    model.setLineColour(0, LineColour::Red);
    EXPECT_NE(model.generation(), start);

    for (const auto change : {+[](OutputModel& m) { m.clear(); }, +[](OutputModel& m) { m.setLines({"a"}); },
                              +[](OutputModel& m) { m.deleteLine(0); }}) {
        const auto before = model.generation();
        change(model);
        EXPECT_NE(model.generation(), before);
    }
}

TEST(OutputModel, DumpLinesKeepTheirVariableAndValue) {
    OutputModel model;
    model.appendDump("speed", "3.33333333333333", 10.0 / 3.0);
    model.appendSweepHeader("【 x=1 】");
    EXPECT_EQ(model.text(0), "speed = 3.33333333333333");
    EXPECT_EQ(model.at(0).variable(), "speed");
    EXPECT_EQ(model.at(0).value, 10.0 / 3.0);
    EXPECT_EQ(model.at(1).kind, OutputKind::SweepHeader);
    EXPECT_EQ(model.colourOf(1), LineColour::Red);
    // Reading outside the area gives an empty line, never a fault.
    EXPECT_EQ(model.text(2), "");
    EXPECT_EQ(model.text(-1), "");
}

}  // namespace
}  // namespace zentra
