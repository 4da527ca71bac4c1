// Function definitions as text: the name a definition head gives, and where
// a function's lines lie in the store's lines ("#" + name, then its lines up
// to the next "#" line).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentra {

// The function name of a definition head such as "f(x, y)", or "".
std::string functionNameOfHead(std::string_view line);
std::string functionNameOfText(const std::vector<std::string>& lines);
// Lines of the function "#" + name in the store: their count (empty lines
// included) and, through firstLine, the index of the first; -1 when absent.
int findFunctionLines(std::string_view name, const std::vector<std::string>& store, int& firstLine);

}  // namespace zentra
