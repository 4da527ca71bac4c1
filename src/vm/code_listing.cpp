#include "vm/code_listing.h"

#include "base/hex_digits.h"

namespace zentra {

namespace {

constexpr int kItemsPerLine = 12;

char listingLetter(CodeWord w) {
    if (w >= 0xE000) return '#';
    if (w >= 0xC000) return '%';
    if (w >= 0xA000) return '@';
    if (w >= 0x8000) return 't';  // store-local and store-element
    if (w >= 0x6000) return 's';
    if (w >= 0x4000) return 'c';
    if (w >= 0x2000) return 'g';  // load-local and load-element
    return 'v';
}

int listingValue(CodeWord w) { return w >= 0xE000 ? (w & 0xFF) : (w & 0xFFF); }

bool endsLine(CodeWord w, CodeWord next) {
    if ((w & 0xF000) == 0xA000) return true;
    if (next >= 0xA000) return false;
    return (w & 0xF000) == 0x6000 || (w & 0xF000) == 0x8000;
}

}  // namespace

std::string codeListing(const CodeBuffer& code) {
    std::string result;
    std::string line = "0000  ";
    int k = 0;
    bool isCount = false;  // the word is the count word of the element word before it
    for (int n = 0; n < kCodeBufferSize && code[static_cast<std::size_t>(n)] != kEndWord; ++n) {
        const CodeWord w = code[static_cast<std::size_t>(n)];
        const CodeWord next = n + 1 < kCodeBufferSize ? code[static_cast<std::size_t>(n) + 1] : kEndWord;
        line += ' ';
        line += isCount ? 'n' : listingLetter(w);
        appendHexDigits(line, isCount ? elementCountOf(w) : listingValue(w), 3);
        bool ends = !isCount && endsLine(w, next);
        isCount = !isCount && isElementWord(w);
        if (!ends) ends = ++k == kItemsPerLine;
        if (ends) {
            result += line;
            result += '\\';
            line.clear();
            if (k < kItemsPerLine) {
                appendHexDigits(line, n + 1, 4);
                line += "  ";
            } else {
                line.assign(6, ' ');
            }
            k = 0;
        }
    }
    result += line;
    result += '\\';
    return result;
}

}  // namespace zentra
