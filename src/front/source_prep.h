// Source preparation: the listed user functions, the parameter area and the
// program area into one token array.
#pragma once

#include <string>
#include <vector>

#include "front/compiler.h"

namespace zentra {

// Reads the areas through compiler.host (deleting empty parameter-area lines
// there) and the listed functions from the store or the open editor.
void prepareSource(Compiler& compiler, const std::vector<std::string>& userFunctionStore);

}  // namespace zentra
