#include "front/symbol.h"

namespace zentra {

int slotOfCode(const std::string& code) {
    if (code.size() != 4) return -1;
    int value = 0;
    for (std::size_t i = 1; i < 4; ++i) {
        const char c = code[i];
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return -1;
        value = value * 16 + digit;
    }
    return value;
}

}  // namespace zentra
