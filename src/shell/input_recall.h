// Input recall: the earlier input lines (the program history and the
// parameter history, oldest first) offered while the user types. The rules
// here are the window's: which entries match the text before the caret, the
// sorted full list, deleting entries, the line a pick leaves in the editor,
// and where the window goes and how large it is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "shell/settings_schema.h"  // ScreenRect

namespace zentra {

// Adds each line, blanks removed, when it is longer than 4 characters and not
// yet in the history (after every completed run, and the constants at start-up).
void addToHistory(std::vector<std::string>& history, const std::vector<std::string>& lines);

// The text before the caret with every space, tab, form feed and carriage
// return removed: what history entries are matched against.
std::string recallPrefix(std::string_view textBeforeCaret);

// The entries that begin with `prefix`, newest first. An empty prefix
// matches nothing.
std::vector<std::string> matchingEntries(const std::vector<std::string>& history, std::string_view prefix);

// Every entry, in ascending order without regard to letter case (ASCII
// letters; other bytes compare as they are). Entries equal but for case keep
// their history order.
std::vector<std::string> sortedEntries(const std::vector<std::string>& history);

// Deletes the listed rows `selectedRows` (any order; rows outside the list
// are skipped) from `shown`, and for each one entry from `history`: the
// exactly equal one, or, when none is left, the first equal without regard
// to case. One pass over each list, so a select-all on a long history stays
// quick.
void deleteEntries(std::vector<std::string>& history, std::vector<std::string>& shown,
                   std::vector<int> selectedRows);

// The line a pick leaves: the picked entry after the leading spaces and tabs
// of the line it replaces (entries hold no blanks; the indent stays).
std::string recalledLine(std::string_view currentLine, std::string_view entry);

// ---- the window ---------------------------------------------------------

inline constexpr int kHistoryWindowMinWidth = 100;
inline constexpr int kHistoryWindowMaxWidth = 600;
inline constexpr int kHistoryWindowMinHeight = 100;
inline constexpr int kHistoryWindowMaxHeight = 800;

struct WindowSize {
    int width = 0;
    int height = 0;
    bool operator==(const WindowSize&) const = default;
};

// The stored size within 100..600 wide and 100..800 high.
WindowSize clampHistoryWindowSize(WindowSize stored);

// The list's row height: the font's point size plus 6, never less than the
// height the font's lines need.
int historyItemHeight(int fontPointSize, int fontLineHeight);

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

// Where the window goes when it appears: right of the main window (frame
// `mainWindow`), its top at the current editor's top `editorTop` (screen
// coordinates). Kept wholly on the screen that holds most of the main window:
// left of the main window when the right side has no room, else against the
// screen's left edge (over the output area, not the editors); moved up when
// it would run past the bottom; shrunk to a screen smaller than itself. No
// screens: the place as computed.
WindowRect historyWindowPlace(const WindowRect& mainWindow, int editorTop, WindowSize size,
                              const std::vector<ScreenRect>& screens);

}  // namespace zentra
