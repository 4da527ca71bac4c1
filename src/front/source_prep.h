// Source preparation: the listed user functions, the parameter area and the
// program area into one token array.
#pragma once

#include <string>
#include <vector>

#include "front/compiler.h"

namespace zentra {

// The last line number a position code shows (its line part is read as 15
// bits). A line after it that holds anything is error 928, and the rest of
// its area is not read.
inline constexpr int kMaxAreaLines = 0x7FFF;
inline constexpr int kErrAreaTooLong = 928;

// Reads the areas through compiler.host (deleting empty parameter-area lines
// there) and the listed functions from the store or the open editor.
void prepareSource(Compiler& compiler, const std::vector<std::string>& userFunctionStore);

}  // namespace zentra
