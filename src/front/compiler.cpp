#include "front/compiler.h"

#include <algorithm>


namespace zentra {

Compiler::Compiler(Host& hostRef, ValueStore& constantStore)
    : host(hostRef), constants(constantStore) {}

void Compiler::startFrontEnd() {
    names.clear();
    errors.clear();
}

int Compiler::addSymbol(Symbol symbol) {
    const int index = symbols.add(std::move(symbol));
    if (index < 0 && symbols.firstOverflow()) {
        error(kErrTooManySymbols, "シンボル数が" + std::to_string(kMaxSymbols) + "個を超えました。");
    }
    return index;
}

int Compiler::findArrayAtCursor() const { return symbols.find(Kind::ARRAY, current().text); }

void Compiler::error(int number, std::string_view message) {
    errorAt(number, previous().position, message);
}

bool Compiler::errorOncePerLine(int number, std::string_view message) {
    return errorOncePerLineAt(number, previous().position, message);
}

void Compiler::expect(Kind kind) {
    if (current().kind == kind) {
        ++tokenIndex;
        return;
    }
    const std::string p(previous().text);
    const std::string c(current().text);
    const std::string context = "\"" + p + " " + c + "\" ";
    int number;
    std::string message;
    if (c == "(") {
        number = 311;
        message = quoted(p) + "　は関数ではありません";
    } else {
        switch (kind) {
            case Kind::SEMICLN: number = 312; message = context + "処理できない文字です"; break;
            case Kind::COMMA: number = 313; message = context + "コンマがありません"; break;
            case Kind::DIGIT: number = 315; message = context + "数値が必要です"; break;
            case Kind::BEGIN: number = 316; message = context + quoted("{") + " が必要です"; break;
            case Kind::AOPEN:
                number = 317;
                message = context + "配列には" + quoted("[") + " が必要です";
                break;
            case Kind::ACLOS: number = 318; message = context + "配列が閉じていません"; break;
            case Kind::IDENT: number = 319; message = context + "名称が必要です"; break;
            case Kind::ASSIGN:
                number = 333;
                message = "\"" + p + " \"への代入には " + quoted("=") + " が必要です。";
                break;
            default:
                number = 334;
                message = quoted(p) + "　の後に" + std::string(kindName(kind)) + " ではない文字 " +
                          quoted(c) + " を検出しました";
                break;
        }
    }
    if (!errorOncePerLine(number, message)) return;
    if (number == 333) {
        while (tokenIndex < tokens.count() && current().text != ";") ++tokenIndex;
        if (tokenIndex < tokens.count()) ++tokenIndex;
    }
}

bool Compiler::checkConstantLimit(int number) {
    if (layout.namedConstantCount + layout.literalCount <= kStoreSize - 1) return false;
    errorOncePerLine(number, "定数のシンボル数が" + std::to_string(kStoreSize) + "個を超えました。");
    return true;
}

}  // namespace zentra
