// Small rules of the main window that need no widget.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

inline constexpr std::string_view kBaseCaption = " 科学技術計算用電卓  Zentra 1.2  ";

// The caption: the base caption followed by the document's file name
// (without folder); the base caption alone for no document.
std::string windowCaption(std::string_view documentPath);

// Where a line's comment starts ("//"), for the green colouring.
std::optional<std::size_t> commentStart(std::string_view line);

}  // namespace zentra
