#include "cli/library_loading.h"

#include "shell/text_file.h"
#include "userfunc/function_store.h"
#include "userfunc/library_file.h"

namespace zentra::cli {

bool addLibrary(const std::string& path, std::vector<std::string>& store, std::string& error) {
    const TextFileContent content = readTextFile(path);
    if (!content.ok()) {
        error = content.error;
        return false;
    }
    FunctionStore functions(store);
    const ImportResult result = importLibrary(functions, content.lines);
    if (!result.accepted) {
        error = path + ": " + result.summary;
        return false;
    }
    store = functions.lines();
    return true;
}

}  // namespace zentra::cli
