#include "cli/library_loading.h"

#include "userfunc/function_store.h"
#include "userfunc/library_file.h"

namespace zentra::cli {

bool addLibrary(const std::string& path, std::vector<std::string>& store, std::string& error) {
    const FileLines file = readLibraryFile(path);
    if (!file.error.empty()) {
        error = file.error;
        return false;
    }
    FunctionStore functions(store);
    const ImportResult result = importLibrary(functions, file.lines);
    if (!result.accepted) {
        error = path + ": " + result.summary;
        return false;
    }
    store = functions.lines();
    return true;
}

}  // namespace zentra::cli
