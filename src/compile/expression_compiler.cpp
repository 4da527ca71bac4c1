// Expressions compile to postfix code words.
//
//   expression := term { additive-op term }
//   term       := operand { ("*" | "/" | "^") operand [ "^" operand ] }
//   operand    := primary, then its load
//   primary    := "(" expression ")" | "-" operand | "!" operand
//               | "{" statement-list "}"        (an expanded function body)
//               | name [ "[" expression "]" ] | number | call
//
// All fourteen additive operators share one level, so x > 0 && y > 0 is
// ((x > 0) && y) > 0. Inside a term a "^" right after an operand binds
// one step to the right: a * b ^ c is a (b ^ c) *, a ^ b ^ c is a (b ^ c) ^.
#include "compile/expression_compiler.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "front/operand.h"
#include "compile/emit_support.h"
#include "compile/nesting_guard.h"
#include "vm/operations.h"
#include "compile/statement_compiler.h"

namespace zentra {

namespace {

enum class Level { Additive, Multiplicative, Prefix };

struct OperatorEntry {
    Kind kind;
    int operation;
    Level level;
};

// The one precedence table: every operator token, its operation and its level.
constexpr std::array<OperatorEntry, 18> kOperators{{
    {Kind::PLUS, kOpAdd, Level::Additive},
    {Kind::MINUS, kOpSub, Level::Additive},
    {Kind::GT, kOpGt, Level::Additive},
    {Kind::LT, kOpLt, Level::Additive},
    {Kind::GE, kOpGe, Level::Additive},
    {Kind::LE, kOpLe, Level::Additive},
    {Kind::EQ, kOpEq, Level::Additive},
    {Kind::NE, kOpNe, Level::Additive},
    {Kind::LAND, kOpLogicalAnd, Level::Additive},
    {Kind::LOR, kOpLogicalOr, Level::Additive},
    {Kind::AND, kOpBitAnd, Level::Additive},
    {Kind::OR, kOpBitOr, Level::Additive},
    {Kind::XOR, kOpXor, Level::Additive},
    {Kind::MOD, kOpMod, Level::Additive},
    {Kind::MUL, kOpMul, Level::Multiplicative},
    {Kind::DIV, kOpDiv, Level::Multiplicative},
    {Kind::POW, kOpPow, Level::Multiplicative},
    {Kind::NOT, kOpNot, Level::Prefix},
}};

// The first entry of each kind, by kind: every token of an expression is asked.
constexpr auto kOperatorByKind = [] {
    std::array<std::int8_t, 256> index{};
    index.fill(-1);
    for (std::size_t i = 0; i < kOperators.size(); ++i) {
        auto& slot = index[static_cast<std::uint8_t>(kOperators[i].kind)];
        if (slot < 0) slot = static_cast<std::int8_t>(i);
    }
    return index;
}();

const OperatorEntry* findOperator(Kind kind) {
    const int i = kOperatorByKind[static_cast<std::uint8_t>(kind)];
    return i < 0 ? nullptr : &kOperators[static_cast<std::size_t>(i)];
}

bool atLevel(const Compiler& c, Level level) {
    const OperatorEntry* entry = findOperator(c.current().kind);
    return entry != nullptr && entry->level == level;
}

// The value of a number token's text; NaN when it does not start with a number.
double literalValue(std::string_view text) {
    double value = std::nan("");
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

Operand compileOperand(Compiler& c);

// After the array's name: "[" index "]" becomes the index code and one load-element.
void compileElementLoad(Compiler& c, Operand& operand) {
    const bool opened = c.currentIs(Kind::AOPEN);
    checkElementSubscript(c, operand.name);
    if (!opened) return;
    compileExpression(c);
    const int array = c.symbols.find(Kind::ARRAY, operand.name);
    const int base = array < 0 ? -1 : c.symbols[array].code.slot();
    if (base < 0) {
        c.error(626, "配列 " + operand.name + " は未定義です。");
    } else {
        emitWord(c, kLoadElementBase, base);
        emitElementCount(c, operand.name, base);
    }
    operand.kind = Kind::ARRAY;
    c.expect(Kind::ACLOS);
}

// A name, a number or a call.
Operand compileReference(Compiler& c) {
    const Token& token = c.current();
    switch (token.kind) {
        case Kind::IDENT:
        case Kind::DIGIT:
        case Kind::STRING: {
            Operand operand = operandFromToken(token);
            ++c.tokenIndex;
            if (c.symbols.find(Kind::ARRAY, operand.name) >= 0) compileElementLoad(c, operand);
            return operand;
        }
        case Kind::FUNC:
            compileCall(c);
            return {};
        default:
            // Not consumed: the caller's own expectation decides how to go on.
            c.errorOncePerLineAt(601, currentPosition(c),
                                 "使えない文字列 " + quoted(token.text) + " を検出しました。");
            return {};
    }
}

Operand compilePrimary(Compiler& c) {
    NestingGuard nesting(c);
    if (nesting.tooDeep()) return {};
    switch (c.current().kind) {
        case Kind::OPEN:
            ++c.tokenIndex;
            compileExpression(c);
            c.expect(Kind::CLOSE);
            return {};
        case Kind::MINUS: {
            // Unary minus is 0 - operand, so it binds tighter than "^": -2 ^ 2 is 4.
            ++c.tokenIndex;
            Operand zero{Kind::DIGIT, "0", {}, 0, {}};
            declareSymbol(c, zero, Kind::DIGIT);
            if (zero.code.isLoad()) emitSymbolCode(c, zero.code);
            compileOperand(c);
            emitOperator(c, Kind::MINUS);
            return {};
        }
        case Kind::NOT:
            ++c.tokenIndex;
            compileOperand(c);
            emitOperator(c, Kind::NOT);
            return {};
        case Kind::BEGIN:
            if (c.current().scope <= 0) break;
            // An expanded function body: its "return" assignment leaves the value.
            ++c.tokenIndex;
            compileStatementList(c);
            c.expect(Kind::END);
            return {};
        default:
            break;
    }
    return compileReference(c);
}

// Pushes the operand's value unless the primary already left it on the stack.
void loadOperand(Compiler& c, Operand& operand) {
    switch (operand.kind) {
        case Kind::DIGIT:
            declareSymbol(c, operand, Kind::DIGIT);
            break;
        case Kind::IDENT:
            // A name used as a value is a named constant unless it is a variable already.
            declareSymbol(c, operand, Kind::CONST);
            break;
        case Kind::None:
        case Kind::ARRAY:
            return;
        default:
            break;
    }
    if (operand.code.isLoad()) {
        emitSymbolCode(c, operand.code);
    } else if (operand.kind == Kind::STRING) {
        // A quoted text has no value a code word could load.
        c.errorOncePerLine(kErrStringInExpression,
                           "文字列定数 " + quoted(operand.name) + " は式の中では使えません。");
    } else if (operand.kind == Kind::FUNC) {
        // A builtin name that is not a builtin call ("fft" is one): no value to load.
        c.errorOncePerLine(287, "関数 " + operand.name + " の記述に誤りがあります。");
    } else if (operand.kind == Kind::IDENT) {
        // "return" names the function result and has no value of its own.
        c.errorOncePerLine(601, "使えない文字列 " + quoted(operand.name) + " を検出しました。");
    }
    // Otherwise the allocation failed and has reported why.
}

Operand compileOperand(Compiler& c) {
    Operand operand = compilePrimary(c);
    loadOperand(c, operand);
    return operand;
}

// An operand and its multiplicative tail.
void compileTerm(Compiler& c) {
    compileOperand(c);
    while (atLevel(c, Level::Multiplicative)) {
        const Kind op = c.current().kind;
        ++c.tokenIndex;
        const Operand right = compileOperand(c);
        if (right.kind != Kind::ARRAY && c.currentIs(Kind::POW)) {
            ++c.tokenIndex;
            compileOperand(c);
            emitOperator(c, Kind::POW);
        }
        emitOperator(c, op);
    }
}

}  // namespace

void compileExpression(Compiler& c) {
    compileTerm(c);
    while (atLevel(c, Level::Additive)) {
        const Kind op = c.current().kind;
        ++c.tokenIndex;
        compileTerm(c);
        emitOperator(c, op);
    }
}

void checkElementSubscript(Compiler& c, std::string_view arrayName) {
    if (!c.currentIs(Kind::AOPEN)) {
        c.error(628, "配列" + std::string(arrayName) + "の記述に矛盾があります。");
        return;
    }
    c.expect(Kind::AOPEN);
    if (!c.currentIs(Kind::DIGIT) || c.next().kind != Kind::ACLOS) return;
    const double index = literalValue(c.current().text);
    if (!(index >= 0.0 && index < c.layout.arraySize(arrayName))) {
        c.errorAt(627, c.current().position, "配列の要素番号が範囲を超えています。");
    }
}

void emitOperator(Compiler& c, Kind kind) {
    const OperatorEntry* entry = findOperator(kind);
    if (entry == nullptr) return;
    emitWord(c, kOperationBase, entry->operation);
}

}  // namespace zentra
