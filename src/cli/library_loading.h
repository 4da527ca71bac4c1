// Fills the user-function store from library files, as an import would.
#pragma once

#include <string>

#include "userfunc/function_store.h"

namespace zentra::cli {

// Adds the functions of the library file not yet in the store; false with a
// message when the file cannot be read or is no library file.
bool addLibrary(const std::string& path, FunctionStore& store, std::string& error);

}  // namespace zentra::cli
