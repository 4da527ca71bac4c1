// MemoryTextArea::exchangeLines replaces the lines as setLines does and hands
// the replaced texts back for reuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run/memory_host.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

struct ExchangeCase {
    Lines before;
    Lines replacement;
};

class ExchangeLines : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeLines, ActsAsSetLinesAndHandsTheOldTextsBack) {
    const ExchangeCase& c = GetParam();
    MemoryTextArea exchanged;
    MemoryTextArea set;
    for (MemoryTextArea* area : {&exchanged, &set}) {
        for (const auto& line : c.before) area->appendLine(line, LineColour::Red);
        area->selectLine(1);
    }
    Lines lines = c.replacement;
    exchanged.exchangeLines(lines);
    set.setLines(c.replacement);

    EXPECT_EQ(exchanged.lines(), set.lines());
    EXPECT_EQ(exchanged.selectedLine(), set.selectedLine());
    for (int i = 0; i < exchanged.lineCount(); ++i) EXPECT_EQ(exchanged.colourOf(i), LineColour::Black);
    // Every old text comes back; the vector is at least as long as the replacement was.
    EXPECT_GE(lines.size(), c.replacement.size());
    for (const auto& old : c.before) EXPECT_NE(std::find(lines.begin(), lines.end(), old), lines.end()) << old;
}

INSTANTIATE_TEST_SUITE_P(
    MemoryHost, ExchangeLines,
    ::testing::Values(ExchangeCase{{}, {"a", "b"}},
                      ExchangeCase{{"old one", "old two"}, {"new one", "new two"}},
                      ExchangeCase{{"old one"}, {"new one", "new two", "new three"}},
                      ExchangeCase{{"old one", "old two", "old three"}, {"new one"}},
                      ExchangeCase{{"old one", "old two"}, {}}));

}  // namespace
}  // namespace zentra
