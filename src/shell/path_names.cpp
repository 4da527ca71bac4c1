#include "shell/path_names.h"

namespace zentra {

std::string fileNameOf(std::string_view path) {
    const auto at = path.find_last_of("/\\");
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string directoryOf(std::string_view path) {
    const auto at = path.find_last_of("/\\");
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

}  // namespace zentra
