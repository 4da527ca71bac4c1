#include "shell/main_window_rules.h"

#include "shell/path_names.h"

namespace zentra {

std::string windowCaption(std::string_view documentPath) {
    return std::string(kBaseCaption) + fileNameOf(documentPath);
}

std::optional<std::size_t> commentStart(std::string_view line) {
    const std::size_t start = line.find("//");
    if (start == std::string_view::npos) return std::nullopt;
    return start;
}

}  // namespace zentra
