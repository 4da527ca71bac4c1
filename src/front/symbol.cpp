#include "front/symbol.h"

#include "base/hex_digits.h"

namespace zentra {

int slotOfCode(const std::string& code) {
    if (code.size() != 4) return -1;
    return static_cast<int>(hexValue(std::string_view(code).substr(1)));
}

}  // namespace zentra
