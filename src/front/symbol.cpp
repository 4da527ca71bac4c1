#include "front/symbol.h"

#include "base/hex_digits.h"

namespace zentra {

char codeLetter(CodeClass codeClass) {
    switch (codeClass) {
        case CodeClass::Operation: return '#';
        case CodeClass::LoadVariable:
        case CodeClass::ElementBase: return 'v';
        case CodeClass::LoadLocal: return 'g';
        case CodeClass::LoadConstant: return 'c';
        case CodeClass::None:
        case CodeClass::String: break;
    }
    return 0;
}

std::string codeItemText(const SymbolCode& code, const std::string& text) {
    if (code.codeClass == CodeClass::String) return "\"" + text + "\"";
    const char letter = codeLetter(code.codeClass);
    if (letter == 0) return {};
    std::string out(1, letter);
    appendHexDigits(out, code.operand, letter == '#' ? 2 : 3);
    return out;
}

}  // namespace zentra
