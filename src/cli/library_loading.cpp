#include "cli/library_loading.h"

#include "userfunc/function_store.h"
#include "shell/library_file.h"

namespace zentra::cli {

bool addLibrary(const std::string& path, FunctionStore& store, std::string& error) {
    const FileLines file = readLibraryFile(path);
    if (!file.error.empty()) {
        error = file.error;
        return false;
    }
    // Imported into a copy: a refused file leaves the store as it was.
    FunctionStore functions = store;
    const ImportResult result = importLibrary(functions, file.lines);
    if (!result.accepted) {
        error = path + ": " + result.summary;
        return false;
    }
    store = std::move(functions);
    return true;
}

}  // namespace zentra::cli
