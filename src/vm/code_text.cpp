#include "vm/code_text.h"

#include "base/hex_digits.h"

namespace zentra {

namespace {

char letterOf(CodeWord w) {
    switch (classOf(w)) {
        case WordClass::Operation: return '#';
        case WordClass::Jump: return '%';
        case WordClass::BranchIfNotPositive: return '@';
        case WordClass::StoreElement: return 'w';
        case WordClass::StoreLocal: return 't';
        case WordClass::StoreVariable: return 's';
        case WordClass::LoadConstant: return 'c';
        case WordClass::LoadElement: return 'p';
        case WordClass::LoadLocal: return 'g';
        case WordClass::LoadVariable: return 'v';
        case WordClass::End: break;
    }
    return '?';  // the compilers never emit the end word
}

}  // namespace

std::string codeText(std::span<const CodeWord> words) {
    std::string text;
    text.reserve(words.size() * 4 + 1);
    bool isCount = false;  // the word after an element word is its count
    for (const CodeWord w : words) {
        if (isCount) {
            text += 'n';
            appendHexDigits(text, elementCountOf(w), 3);
            isCount = false;
            continue;
        }
        const char letter = letterOf(w);
        text += letter;
        if (letter == '#') {
            appendHexDigits(text, operationOf(w), 2);
        } else {
            appendHexDigits(text, w & 0xFFF, 3);
        }
        isCount = isElementWord(w);
    }
    text += kCodeTextEnd;
    return text;
}

}  // namespace zentra
