#include "front/token.h"

#include <array>

namespace zentra {

std::string_view kindName(Kind kind) {
    static constexpr std::array kNames{
        std::string_view{},
#define ZENTRA_KIND_NAME(name) std::string_view{#name},
        ZENTRA_KINDS(ZENTRA_KIND_NAME)
#undef ZENTRA_KIND_NAME
    };
    const auto index = static_cast<std::size_t>(kind);
    return index < kNames.size() ? kNames[index] : std::string_view{};
}

}  // namespace zentra
