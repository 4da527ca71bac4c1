// Pieces of a path written with "/" or "\\" between folders (names kept in
// settings and documents may come from either system).
#pragma once

#include <string>
#include <string_view>

namespace zentra {

std::string fileNameOf(std::string_view path);
// The folder part with its closing separator, or "" for a bare name.
std::string directoryOf(std::string_view path);

}  // namespace zentra
