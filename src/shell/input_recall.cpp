#include "shell/input_recall.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include "base/source_text.h"

namespace zentra {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lowerAscii(c);
    return out;
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(lowerAscii(x)) < static_cast<unsigned char>(lowerAscii(y));
    });
}

long long overlap(const WindowRect& w, const ScreenRect& s) {
    const long long across = std::min(w.left + w.width, s.left + s.width) - std::max(w.left, s.left);
    const long long down = std::min(w.top + w.height, s.top + s.height) - std::max(w.top, s.top);
    return across > 0 && down > 0 ? across * down : 0;
}

long long centreDistance(const WindowRect& w, const ScreenRect& s) {
    const long long dx = (2LL * w.left + w.width) - (2LL * s.left + s.width);
    const long long dy = (2LL * w.top + w.height) - (2LL * s.top + s.height);
    return dx * dx + dy * dy;
}

// Whether `line` with its blanks removed is `entry`, without making that
// text; `kept` receives the length of that text.
bool isLineWithoutBlanks(std::string_view line, std::string_view entry, std::size_t& kept) {
    kept = 0;
    bool same = true;
    for (const char c : line) {
        if (isBlank(c)) continue;
        same = same && kept < entry.size() && entry[kept] == c;
        ++kept;
    }
    return same && kept == entry.size();
}

// Whether the history's newest entries are the entries the lines give, in
// order, as after running the same program again: then every entry is known.
bool endsWithEntriesOf(const std::vector<std::string>& history, const std::vector<std::string>& lines) {
    auto entry = history.rbegin();
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        std::size_t kept = 0;
        const std::string_view newest = entry == history.rend() ? std::string_view{} : std::string_view(*entry);
        const bool same = isLineWithoutBlanks(*line, newest, kept);
        if (kept <= 4) continue;  // too short to be an entry
        if (!same || entry == history.rend()) return false;
        ++entry;
    }
    return true;
}

}  // namespace

std::string recallPrefix(std::string_view textBeforeCaret) { return removeBlanks(textBeforeCaret); }

std::vector<std::string> matchingEntries(const std::vector<std::string>& history, std::string_view prefix) {
    std::vector<std::string> kept;
    if (prefix.empty()) return kept;
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        if (std::string_view(*it).starts_with(prefix)) kept.push_back(*it);
    }
    return kept;
}

std::vector<std::string> sortedEntries(const std::vector<std::string>& history) {
    std::vector<std::string> sorted = history;
    std::stable_sort(sorted.begin(), sorted.end(), lessIgnoringCase);
    return sorted;
}

void deleteEntries(std::vector<std::string>& history, std::vector<std::string>& shown,
                   std::vector<int> selectedRows) {
    std::sort(selectedRows.begin(), selectedRows.end());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    std::unordered_map<std::string, int> wanted;  // text -> entries still to delete
    std::vector<bool> dropRow(shown.size(), false);
    for (const int row : selectedRows) {
        if (row < 0 || static_cast<std::size_t>(row) >= shown.size()) continue;
        dropRow[static_cast<std::size_t>(row)] = true;
        ++wanted[shown[static_cast<std::size_t>(row)]];
    }
    if (wanted.empty()) return;

    std::size_t row = 0;
    std::erase_if(shown, [&](const std::string&) { return dropRow[row++]; });

    // Exact matches first: a history may hold "X=1+2" and "x=1+2", and
    // deleting one of them must not take the other.
    std::erase_if(history, [&](const std::string& entry) {
        const auto it = wanted.find(entry);
        if (it == wanted.end() || it->second == 0) return false;
        --it->second;
        return true;
    });
    std::unordered_map<std::string, int> wantedFolded;
    for (const auto& [text, count] : wanted) {
        if (count > 0) wantedFolded[lowered(text)] += count;
    }
    if (wantedFolded.empty()) return;
    std::erase_if(history, [&](const std::string& entry) {
        const auto it = wantedFolded.find(lowered(entry));
        if (it == wantedFolded.end() || it->second == 0) return false;
        --it->second;
        return true;
    });
}

std::string recalledLine(std::string_view currentLine, std::string_view entry) {
    const std::size_t indent = std::min(currentLine.find_first_not_of(" \t"), currentLine.size());
    std::string line(currentLine.substr(0, indent));
    line += entry;
    return line;
}

WindowSize clampHistoryWindowSize(WindowSize stored) {
    return {std::clamp(stored.width, kHistoryWindowMinWidth, kHistoryWindowMaxWidth),
            std::clamp(stored.height, kHistoryWindowMinHeight, kHistoryWindowMaxHeight)};
}

int historyItemHeight(int fontPointSize, int fontLineHeight) {
    return std::max(std::max(fontPointSize, 0) + 6, fontLineHeight);
}

WindowRect historyWindowPlace(const WindowRect& mainWindow, int editorTop, WindowSize size,
                              const std::vector<ScreenRect>& screens) {
    WindowRect place{mainWindow.left + mainWindow.width, editorTop, size.width, size.height};
    if (screens.empty()) return place;

    const ScreenRect* screen = &screens.front();
    long long best = -1;
    long long nearest = std::numeric_limits<long long>::max();
    for (const ScreenRect& s : screens) {
        const long long shared = overlap(mainWindow, s);
        const long long distance = centreDistance(mainWindow, s);
        if (shared > best || (shared == 0 && best == 0 && distance < nearest)) {
            screen = &s;
            best = shared;
            nearest = distance;
        }
    }
    const int right = screen->left + screen->width;
    const int bottom = screen->top + screen->height;
    place.width = std::min(place.width, screen->width);
    place.height = std::min(place.height, screen->height);
    // No room on the right: left of the main window, or else over its left
    // side, where the output area is, never over the editors.
    if (place.left + place.width > right) place.left = mainWindow.left - place.width;
    place.left = std::clamp(place.left, screen->left, right - place.width);
    place.top = std::clamp(place.top, screen->top, bottom - place.height);
    return place;
}

void addToHistory(std::vector<std::string>& history, const std::vector<std::string>& lines) {
    // A run usually adds a few lines to a long history, where a plain search
    // per line costs least; a long program is looked up through a set of the
    // history's texts instead, which costs one pass over the history.
    // A program run again unchanged is found at the history's end, with no
    // copy of its lines made.
    if (endsWithEntriesOf(history, lines)) return;
    constexpr std::size_t kLinesForIndex = 32;
    if (lines.size() < kLinesForIndex) {
        for (const auto& line : lines) {
            std::string entry = removeBlanks(line);
            if (entry.size() <= 4) continue;
            if (std::find(history.begin(), history.end(), entry) != history.end()) continue;
            history.push_back(std::move(entry));
        }
        return;
    }
    std::vector<std::string> added;
    added.reserve(lines.size());  // the set holds views of these texts: they must not move
    std::unordered_set<std::string_view> known(history.begin(), history.end());
    for (const auto& line : lines) {
        std::string entry = removeBlanks(line);
        if (entry.size() <= 4 || known.count(entry) > 0) continue;
        added.push_back(std::move(entry));
        known.insert(added.back());
    }
    history.insert(history.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
}

}  // namespace zentra
