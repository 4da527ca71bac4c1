// Rules of the user-function window that need no widget: the function a
// list entry names, the two orders of the list, the filter box, the text of
// a new function and the name a library is saved under.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

class FunctionStore;

inline constexpr std::string_view kFunctionWindowCaption = " ユーザ関数の一覧と編集";
// Before another function replaces the shown one, and when the window closes.
inline constexpr std::string_view kFunctionChangedQuestion = "表示中の関数は変更されています。保存しますか？";
// When the main window closes while the shown function is not registered.
inline constexpr std::string_view kFunctionUnsavedOnExitQuestion = "ユーザ関数が変更されています\n保存しますか？";
inline constexpr std::string_view kLibrarySuffix = "qbxfun";

// A new function: a description comment, the empty line where the
// declaration is typed, and a body with its return statement.
inline constexpr std::array<std::string_view, 6> kNewFunctionTemplate{"//説明", "", "{", "\t", "\treturn ", "}"};
// The template's line that takes the declaration.
inline constexpr int kNewFunctionDeclarationLine = 1;

enum class FunctionOrder { Store, Alphabetical };

// The name of the function an entry shows: its text up to the first "(".
std::string entryFunctionName(std::string_view entry);

// The text the editor shows for a function: its lines as the store holds
// them, empty lines kept, since a run numbers the lines of an error in a
// function with them; empty lines at the end left out. Nothing when the
// store has no such function.
std::optional<std::vector<std::string>> storedFunctionText(const FunctionStore& store, std::string_view name);

// The store's list entries in that order. Alphabetical is ascending without
// regard to letter case; entries equal but for case keep their store order.
std::vector<std::string> orderedEntries(const FunctionStore& store, FunctionOrder order);

// Whether an entry stays in the list under the filter text: every word of
// the filter (words are separated by blanks) occurs in the entry, letter case
// ignored. The empty filter keeps every entry.
bool entryMatchesFilter(std::string_view entry, std::string_view filter);

// The path a library is written to: a chosen name without an extension
// gets ".qbxfun", so that the open dialog's first filter shows it again.
std::string libraryPathWithSuffix(std::string_view chosen);

}  // namespace zentra
