// Lines made when an area is read: the monitor's dumps and listing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front/front_fixture.h"
#include "front/parser_passes.h"
#include "front/token_append.h"
#include "host/memory_host.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

// A maker that counts how often it runs.
TextArea::LineMaker counted(Lines lines, int& runs) {
    return [lines = std::move(lines), &runs](Lines& out) {
        ++runs;
        out.insert(out.end(), lines.begin(), lines.end());
    };
}

TEST(LinesLater, AreMadeOnceWhenTheAreaIsFirstRead) {
    MemoryTextArea area;
    int runs = 0;
    area.appendLine("kept", LineColour::Red);
    area.setLinesLater(counted({"a", "b"}, runs));
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(area.lineCount(), 2);
    EXPECT_EQ(area.lines(), (Lines{"a", "b"}));
    EXPECT_EQ(area.colourOf(0), LineColour::Black);
    EXPECT_EQ(runs, 1);
}

TEST(LinesLater, KeepTheirPlaceAmongAppendedLines) {
    MemoryTextArea area;
    int runs = 0;
    area.appendLine("first");
    area.appendLinesLater(counted({"second", "third"}, runs));
    area.appendLine("fourth");
    area.appendLinesLater(counted({"fifth"}, runs));
    EXPECT_EQ(area.lines(), (Lines{"first", "second", "third", "fourth", "fifth"}));
    EXPECT_EQ(runs, 2);
}

TEST(LinesLater, AreDroppedUnmadeWhenTheAreaIsReplaced) {
    int runs = 0;
    MemoryTextArea cleared;
    cleared.setLinesLater(counted({"a"}, runs));
    cleared.clear();
    MemoryTextArea set;
    set.appendLinesLater(counted({"a"}, runs));
    set.setLines({"b"});
    MemoryTextArea laterAgain;
    laterAgain.setLinesLater(counted({"a"}, runs));
    laterAgain.setLinesLater(counted({"c"}, runs));

    EXPECT_EQ(cleared.lineCount(), 0);
    EXPECT_EQ(set.lines(), Lines{"b"});
    EXPECT_EQ(laterAgain.lines(), Lines{"c"});
    EXPECT_EQ(runs, 1);
}

TEST(LinesLater, ReplaceTheLinesAsSetLinesDoes) {
    MemoryTextArea later;
    MemoryTextArea set;
    int runs = 0;
    for (MemoryTextArea* area : {&later, &set}) {
        area->appendLine("old one", LineColour::Red);
        area->appendLine("old two", LineColour::Red);
        area->selectLine(1);
    }
    later.setLinesLater(counted({"new"}, runs));
    set.setLines({"new"});
    EXPECT_EQ(later.lines(), set.lines());
    EXPECT_EQ(later.colourOf(0), set.colourOf(0));
    EXPECT_EQ(later.selectedLine(), set.selectedLine());
}

TEST(LinesLater, EditsSeeTheMadeLines) {
    MemoryTextArea area;
    int runs = 0;
    area.setLinesLater(counted({"a", "b", "c"}, runs));
    area.deleteLine(1);
    area.setLineColour(1, LineColour::Red);
    EXPECT_EQ(area.lines(), (Lines{"a", "c"}));
    EXPECT_EQ(area.colourOf(1), LineColour::Red);
}

// An area that keeps only plain lines makes them at once.
class PlainArea : public TextArea {
  public:
    int lineCount() const override { return static_cast<int>(lines_.size()); }
    std::string line(int index) const override {
        return lines_.at(static_cast<std::size_t>(index));
    }
    void appendLine(std::string_view text, LineColour) override { lines_.emplace_back(text); }
    void deleteLine(int) override {}
    void clear() override { lines_.clear(); }
    void setLines(const std::vector<std::string>& lines) override { lines_ = lines; }
    void setLineColour(int, LineColour) override {}
    void selectLine(int) override {}

  private:
    Lines lines_;
};

TEST(LinesLater, AreMadeAtOnceByAnAreaThatCannotWait) {
    PlainArea area;
    int runs = 0;
    area.appendLine("x", LineColour::Black);
    area.appendLinesLater(counted({"y"}, runs));
    EXPECT_EQ(runs, 1);
    area.setLinesLater(counted({"z"}, runs));
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(area.lines(), Lines{"z"});
}

// The dump shows the tokens as they were when it was asked for.
TEST(LinesLater, TokenDumpShowsTheTokensOfItsMoment) {
    testing::FrontFixture f;
    appendToken(f.compiler.tokens, f.compiler.report,
                Token{makePosition(kProgramArea, 1), Kind::IDENT, "alpha", 0});
    dumpTokens(f.compiler.tokens, f.host.tokens);
    f.compiler.tokens[0].text = "changed";
    appendToken(f.compiler.tokens, f.compiler.report,
                Token{makePosition(kProgramArea, 1), Kind::IDENT, "beta", 0});
    ASSERT_EQ(f.host.tokens.lineCount(), 1);
    EXPECT_NE(f.host.tokens.line(0).find("alpha"), std::string::npos);
}

}  // namespace
}  // namespace zentra
