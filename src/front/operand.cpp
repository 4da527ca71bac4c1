#include "front/operand.h"

#include "base/hex_digits.h"

namespace zentra {

Operand operandFromToken(const Token& token) {
    return Operand{token.kind, token.text, std::string(), token.scope};
}

int lookupOperand(Compiler& compiler, const Operand& operand) {
    const bool anyScope = operand.kind == Kind::DIGIT || operand.kind == Kind::STRING;
    for (const int i : compiler.symbolsNamed(operand.name)) {
        Symbol& s = compiler.symbols[static_cast<std::size_t>(i)];
        if (anyScope || s.kind == Kind::ARRAY) {
            s.scope = 0;
            return i;
        }
        if (s.scope == operand.scope) return i;
    }
    return -1;
}

namespace {

bool isOperandKind(Kind kind) {
    return kind == Kind::IDENT || kind == Kind::VAR || kind == Kind::DIGIT ||
           kind == Kind::ARRAY || kind == Kind::STRING;
}

// The code item of a new symbol, or "" when none can be given.
std::string allocateCode(Compiler& c, const Operand& operand, Kind symbolClass) {
    switch (symbolClass) {
        case Kind::VAR:
        case Kind::ARRAY:
            if (operand.scope != 0) {
                if (c.nextLocalSlot > kMaxLocalSlots) {
                    c.errorOncePerLine(kErrTooManyLocals,
                                       "関数内の変数の数が" + std::to_string(kMaxLocalSlots) +
                                           "個を超えました。");
                    return "g" + hexDigits(0, 3);
                }
                return "g" + hexDigits(c.nextLocalSlot++, 3);
            }
            if (c.nextVariableSlot > kMaxVariableSlots) {
                c.errorOncePerLine(kErrTooManyVariables,
                                   "変数の数が" + std::to_string(kMaxVariableSlots) +
                                       "個を超えました。");
                return "v" + hexDigits(0, 3);
            }
            return "v" + hexDigits(c.nextVariableSlot++, 3);
        case Kind::CONST:
            if (operand.scope != 0) {
                if (c.current().text == "(") {
                    c.errorOncePerLine(411, "関数 " + operand.name + " は定義されていません");
                } else {
                    c.errorOncePerLine(308, "ユーザ関数内のパラメータ " + operand.name + " が未定義です");
                }
                return {};
            }
            return "c" + hexDigits(c.namedConstantCount++, 3);
        case Kind::DIGIT:
            return "c" + hexDigits(kStoreSize - 1 - c.literalCount++, 3);
        default:  // STRING: the caller has put the quoted text into the operand
            return operand.code;
    }
}

}  // namespace

void declareSymbol(Compiler& c, Operand& operand, Kind symbolClass) {
    if (operand.name == "return") {
        c.returnScope = operand.scope;
        return;
    }
    const int found = lookupOperand(c, operand);
    if (found >= 0) {
        const Symbol& s = c.symbols[static_cast<std::size_t>(found)];
        operand.kind = s.kind;
        operand.code = s.code;
        return;
    }
    if (!isOperandKind(operand.kind)) {
        c.errorOncePerLine(307, "予期しない文字列 " + operand.name + " を検出しました。");
    }
    operand.code = allocateCode(c, operand, symbolClass);
    if (c.namedConstantCount + c.literalCount > kStoreSize - 1) {
        c.errorOncePerLine(903, "定数のシンボル数が" + std::to_string(kStoreSize) + "個を超えました。");
    }
    operand.kind = symbolClass;
    c.addSymbol(Symbol{symbolClass, operand.name, operand.code, operand.scope, 0, 0});
}

}  // namespace zentra
