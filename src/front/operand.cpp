#include "front/operand.h"

namespace zentra {

Operand operandFromToken(const Token& token) {
    return Operand{token.kind, std::string(token.text), {}, token.scope, {}};
}

int lookupOperand(Compiler& compiler, const Operand& operand) {
    const bool anyScope = operand.kind == Kind::DIGIT || operand.kind == Kind::STRING;
    for (const int i : compiler.symbols.named(operand.name)) {
        const Symbol& s = compiler.symbols[i];
        if (anyScope || s.kind == Kind::ARRAY) {
            compiler.symbols.setScope(i, 0);
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

// The code of a new symbol; class None when none can be given.
SymbolCode allocateCode(Compiler& c, const Operand& operand, Kind symbolClass) {
    switch (symbolClass) {
        case Kind::VAR:
        case Kind::ARRAY: {
            if (operand.scope != 0) {
                if (c.layout.nextLocalSlot > kMaxLocalSlots) {
                    c.errorOncePerLine(kErrTooManyLocals,
                                       "関数内の変数の数が" + std::to_string(kMaxLocalSlots) +
                                           "個を超えました。");
                    return {CodeClass::LoadLocal, 0};
                }
                return {CodeClass::LoadLocal, c.layout.nextLocalSlot++};
            }
            const CodeClass global = symbolClass == Kind::ARRAY ? CodeClass::ElementBase : CodeClass::LoadVariable;
            if (c.layout.nextVariableSlot > kMaxVariableSlots) {
                c.errorOncePerLine(kErrTooManyVariables,
                                   "変数の数が" + std::to_string(kMaxVariableSlots) +
                                       "個を超えました。");
                return {global, 0};
            }
            return {global, c.layout.nextVariableSlot++};
        }
        case Kind::CONST:
            if (operand.scope != 0) {
                if (c.current().text == "(") {
                    c.errorOncePerLine(411, "関数 " + operand.name + " は定義されていません");
                } else {
                    c.errorOncePerLine(308, "ユーザ関数内のパラメータ " + operand.name + " が未定義です");
                }
                return {};
            }
            return {CodeClass::LoadConstant, c.layout.namedConstantCount++ & 0xFFF};
        case Kind::DIGIT:
            // Past the store's end (reported as 903) a slot wraps as 12 bits do.
            return {CodeClass::LoadConstant, (kStoreSize - 1 - c.layout.literalCount++) & 0xFFF};
        default:  // STRING: the caller has put the text into the operand
            return {CodeClass::String, 0};
    }
}

}  // namespace

void declareSymbol(Compiler& c, Operand& operand, Kind symbolClass) {
    if (operand.name == std::string_view("return")) {  // lengths first: most names differ in length
        c.returnScope = operand.scope;
        return;
    }
    const int found = lookupOperand(c, operand);
    if (found >= 0) {
        const Symbol& s = c.symbols[found];
        operand.kind = s.kind;
        operand.code = s.code;
        operand.text = s.text;
        return;
    }
    if (!isOperandKind(operand.kind)) {
        c.errorOncePerLine(307, "予期しない文字列 " + operand.name + " を検出しました。");
    }
    operand.code = allocateCode(c, operand, symbolClass);
    if (c.layout.namedConstantCount + c.layout.literalCount > kStoreSize - 1) {
        c.errorOncePerLine(903, "定数のシンボル数が" + std::to_string(kStoreSize) + "個を超えました。");
    }
    operand.kind = symbolClass;
    c.addSymbol(Symbol{symbolClass, operand.name, operand.code, operand.scope, 0, 0, operand.text});
}

}  // namespace zentra
