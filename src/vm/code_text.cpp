#include "vm/code_text.h"

namespace zentra {

std::string hexDigits(int value, int width) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out(static_cast<std::size_t>(width), '0');
    auto v = static_cast<unsigned>(value);
    for (int i = width - 1; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = kDigits[v & 0xF];
        v >>= 4;
    }
    return out;
}

void appendCodeItem(std::string& text, int& wordCount, char letter, int value) {
    text += letter;
    text += hexDigits(value, letter == '#' ? 2 : 3);
    ++wordCount;
}

}  // namespace zentra
