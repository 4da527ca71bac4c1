#include "vm/code_text.h"

#include "base/hex_digits.h"

namespace zentra {

void appendCodeItem(std::string& text, int& wordCount, char letter, int value) {
    text += letter;
    appendHexDigits(text, value, letter == '#' ? 2 : 3);
    ++wordCount;
}

}  // namespace zentra
