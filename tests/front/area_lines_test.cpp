// Line numbers past what a position code can show: such an area is refused
// with error 928 instead of reporting its errors in the wrong place (or not
// at all); every line up to the limit keeps its own number, however many
// digits it has.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front/source_prep.h"
#include "results/result_output.h"
#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

class AreaLines : public ::testing::Test {
  protected:
    // `count` lines, blank but for the given (line number, text) pairs.
    static Lines area(int count, std::initializer_list<std::pair<int, const char*>> texts) {
        Lines lines(static_cast<std::size_t>(count), " ");
        for (const auto& [line, text] : texts) lines[static_cast<std::size_t>(line - 1)] = text;
        return lines;
    }

    MemoryHost host;
    Session session{host};
};

TEST_F(AreaLines, ALineAfterTheLastNumberedOneIsRefused) {
    // Line 65536 used to land on line 0 of the parameter area, where the
    // once-per-line rule dropped its error and the line ran.
    for (const int line : {kMaxAreaLines + 1, 65536, 65537}) {
        host.program.setLines(area(line, {{1, "y = 1"}, {line, "z = 1 2"}}));
        EXPECT_EQ(exec(session), ExecOutcome::FrontEndError) << line;
        EXPECT_EQ(host.output.lines(), (Lines{"error 928-0032767", " 行数が32767行を超えました。"}))
            << line;
        EXPECT_EQ(host.statusTexts[0], "プログラムエリアの記述にエラーがあります");
        host.output.clear();
    }
}

TEST_F(AreaLines, TheParameterAreaIsRefusedLikewise) {
    host.program.setLines({"y = a"});
    // Comment lines are kept (only empty lines are deleted) and give no tokens.
    Lines parameters = area(kMaxAreaLines + 1, {{kMaxAreaLines + 1, "a = 2;"}});
    for (std::string& line : parameters) {
        if (line == " ") line = "// note";
    }
    host.parameters.setLines(parameters);
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    EXPECT_EQ(host.output.lines(), (Lines{"error 928-0132767", " 行数が32767行を超えました。"}));
}

TEST_F(AreaLines, BlankLinesPastTheLimitDoNoHarm) {
    host.program.setLines(
        area(70000, {{1, "y = 1"}, {kMaxAreaLines, "z = 2"}, {69000, "// a comment"}}));
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_EQ(host.output.lines(), (Lines{"y = 1", "z = 2"}));
}

TEST_F(AreaLines, TheLastNumberedLineKeepsItsNumberAndIsSelected) {
    host.program.setLines(area(kMaxAreaLines, {{1, "y = 1"}, {kMaxAreaLines, "z = 1 2"}}));
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    const Lines out = host.output.lines();
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out[0], "error 312-0032767");
    EXPECT_EQ(host.program.selectedLine(), kMaxAreaLines - 1);
}

// The error-location display reads the whole line number after the area.
TEST_F(AreaLines, ErrorLocationReadsLongLineNumbersWhole) {
    host.program.setLines(area(kMaxAreaLines, {}));
    host.parameters.setLines(area(2000, {}));
    struct Location {
        const char* errorLine;
        int area;
        int index;  // the selected line, from 0
    };
    for (const Location l : {Location{"error 921-001024", kProgramArea, 1023},
                             Location{"error 312-0032767", kProgramArea, 32766},
                             Location{"error 312-0010000", kProgramArea, 9999},
                             Location{"error 312-011000 message", kParameterArea, 999},
                             Location{"error 312-01100", kParameterArea, 99}}) {
        host.program.selectLine(-1);
        host.parameters.selectLine(-1);
        host.output.setLines({l.errorLine});
        showErrorLocation(session, 0);
        MemoryTextArea& selected = l.area == kProgramArea ? host.program : host.parameters;
        EXPECT_EQ(selected.selectedLine(), l.index) << l.errorLine;
    }
}

}  // namespace
}  // namespace zentra
