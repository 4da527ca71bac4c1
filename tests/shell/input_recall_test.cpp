#include "shell/input_recall.h"

#include <gtest/gtest.h>


namespace zentra {
namespace {

using Lines = std::vector<std::string>;

struct PrefixCase {
    const char* before;  // the text before the caret
    Lines expected;      // newest first
};

class RecallSearch : public ::testing::TestWithParam<PrefixCase> {};

// Oldest first, as the history is kept.
const Lines kHistory{"x=1+2", "y=sin(a)", "xb=3*4", "X=5*6", "x2=7//seven", "\xCE\xB1=1.5"};

TEST_P(RecallSearch, ListsTheEntriesThatBeginWithThePrefixNewestFirst) {
    EXPECT_EQ(matchingEntries(kHistory, recallPrefix(GetParam().before)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecallSearch, ::testing::Values(
    PrefixCase{"x", {"x2=7//seven", "xb=3*4", "x=1+2"}},
    PrefixCase{" x", {"x2=7//seven", "xb=3*4", "x=1+2"}},      // blanks before the letter
    PrefixCase{"\tx \f\r", {"x2=7//seven", "xb=3*4", "x=1+2"}},
    PrefixCase{"x =", {"x=1+2"}},                               // blanks inside the prefix
    PrefixCase{"X", {"X=5*6"}},                                 // case counts
    PrefixCase{"x2=7 // se", {"x2=7//seven"}},
    PrefixCase{"\xCE\xB1", {"\xCE\xB1=1.5"}},
    PrefixCase{"x=1+2+", {}},                                   // longer than any entry
    PrefixCase{"", {}},                                         // an empty prefix matches nothing
    PrefixCase{" \t ", {}}));

TEST(RecallSort, ShowAllSortsWithoutRegardToCaseKeepingHistoryOrderForTies) {
    EXPECT_EQ(sortedEntries({"beta=2", "Alpha=1", "alpha=3", "Gamma", "ALPHA=1", "_u=1", "\xCE\xB1=1"}),
              (Lines{"_u=1", "Alpha=1", "ALPHA=1", "alpha=3", "beta=2", "Gamma", "\xCE\xB1=1"}));
    EXPECT_TRUE(sortedEntries({}).empty());
}

struct DeleteCase {
    Lines history;
    Lines shown;
    std::vector<int> rows;
    Lines historyAfter;
    Lines shownAfter;
};

class RecallDelete : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(RecallDelete, RemovesTheRowsAndTheirHistoryEntries) {
    DeleteCase c = GetParam();
    deleteEntries(c.history, c.shown, c.rows);
    EXPECT_EQ(c.history, c.historyAfter);
    EXPECT_EQ(c.shown, c.shownAfter);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecallDelete, ::testing::Values(
    // one row of a search list
    DeleteCase{{"x=1+2", "xb=3*4", "y=5*6"}, {"xb=3*4", "x=1+2"}, {1}, {"xb=3*4", "y=5*6"}, {"xb=3*4"}},
    // every row, in any order, a row given twice
    DeleteCase{{"x=1+2", "xb=3*4", "y=5*6"}, {"xb=3*4", "x=1+2"}, {1, 0, 1}, {"y=5*6"}, {}},
    // the exactly equal entry goes, not an earlier one that differs in case
    DeleteCase{{"ABCDE=1", "abcde=1"}, {"abcde=1"}, {0}, {"ABCDE=1"}, {}},
    DeleteCase{{"ABCDE=1", "abcde=1"}, {"abcde=1", "ABCDE=1"}, {0, 1}, {}, {}},
    // an entry no longer in the history: the first one equal but for case
    DeleteCase{{"q=1+2", "Q=1+2", "r=3+4"}, {"q=1+2"}, {0}, {"Q=1+2", "r=3+4"}, {}},
    DeleteCase{{"Q=1+2", "r=3+4"}, {"q=1+2"}, {0}, {"r=3+4"}, {}},
    // nothing selected, rows outside the list
    DeleteCase{{"x=1+2"}, {"x=1+2"}, {}, {"x=1+2"}, {"x=1+2"}},
    DeleteCase{{"x=1+2"}, {"x=1+2"}, {-1, 1, 7}, {"x=1+2"}, {"x=1+2"}}));

TEST(RecallDelete, SelectAllOnALongHistoryEmptiesBoth) {
    Lines history;
    for (int i = 0; i < 50000; ++i) history.push_back("v" + std::to_string(i) + "=1+2");
    Lines shown = sortedEntries(history);
    std::vector<int> rows(shown.size());
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
    deleteEntries(history, shown, rows);
    EXPECT_TRUE(history.empty());
    EXPECT_TRUE(shown.empty());
}

struct LineCase {
    const char* current;
    const char* entry;
    const char* line;
};

class RecallPick : public ::testing::TestWithParam<LineCase> {};

TEST_P(RecallPick, ReplacesTheLineKeepingItsIndent) {
    EXPECT_EQ(recalledLine(GetParam().current, GetParam().entry), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecallPick, ::testing::Values(
    LineCase{"x", "x=1+2", "x=1+2"},
    LineCase{"x = 9 + 9 // old", "x=1+2", "x=1+2"},
    LineCase{"\t\tx", "x=1+2", "\t\tx=1+2"},
    LineCase{" \t y", "y=3*4", " \t y=3*4"},
    LineCase{"", "x=1+2", "x=1+2"},
    LineCase{"   ", "x=1+2", "   x=1+2"},
    LineCase{"\fx", "x=1+2", "x=1+2"}));  // only spaces and tabs are an indent

TEST(RecallWindow, StoredSizeIsClampedToTheDesignedLimits) {
    EXPECT_EQ(clampHistoryWindowSize({331, 325}), (WindowSize{331, 325}));
    EXPECT_EQ(clampHistoryWindowSize({65535, 65535}), (WindowSize{600, 800}));
    EXPECT_EQ(clampHistoryWindowSize({0, -5}), (WindowSize{100, 100}));
    EXPECT_EQ(clampHistoryWindowSize({100, 800}), (WindowSize{100, 800}));
}

struct PlaceCase {
    WindowRect main;
    int editorTop;
    std::vector<ScreenRect> screens;
    WindowRect place;
};

class RecallPlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(RecallPlace, AppearsBesideTheMainWindowAndOnScreen) {
    const PlaceCase& c = GetParam();
    EXPECT_EQ(historyWindowPlace(c.main, c.editorTop, {331, 325}, c.screens), c.place);
}

const std::vector<ScreenRect> kOneScreen{{0, 0, 1920, 1080}};

INSTANTIATE_TEST_SUITE_P(Cases, RecallPlace, ::testing::Values(
    // right of the main window, at the editor's top
    PlaceCase{{142, 164, 550, 298}, 220, kOneScreen, {692, 220, 331, 325}},
    // no room on the right: left of the main window
    PlaceCase{{1500, 100, 400, 300}, 150, kOneScreen, {1169, 150, 331, 325}},
    // no room on either side: against the left edge, over the output area
    PlaceCase{{100, 100, 1700, 300}, 150, kOneScreen, {0, 150, 331, 325}},
    // past the bottom: moved up
    PlaceCase{{142, 700, 550, 298}, 900, kOneScreen, {692, 755, 331, 325}},
    // a screen smaller than the window
    PlaceCase{{0, 0, 100, 100}, 20, {{0, 0, 300, 200}}, {0, 0, 300, 200}},
    // the screen that holds the main window, here the second one
    PlaceCase{{2000, 100, 500, 300}, 130, {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}},
              {2500, 130, 331, 325}},
    // a main window off every screen: the nearest one
    PlaceCase{{5000, 100, 500, 300}, 130, {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}},
              {2869, 130, 331, 325}},
    // no screens known: as computed
    PlaceCase{{142, 164, 550, 298}, 220, {}, {692, 220, 331, 325}}));

}  // namespace
}  // namespace zentra
