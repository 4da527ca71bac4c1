#include "front/declare.h"

#include <cmath>
#include <string>

#include "base/hex_digits.h"
#include "base/number_format.h"
#include "base/source_text.h"
#include "front/declare_parts.h"
#include "front/number_text.h"
#include "front/operand.h"

namespace zentra {

namespace {

// A computed sweep value this close to the final value (as a fraction of the
// step) is the final value itself, not one more value before it.
constexpr double kRangeTolerance = 1e-9;

std::string valueText(double value) { return formatGeneral(value, 15); }

// Upper-case hexadecimal with at least two digits.
std::string slotText(int slot) {
    int width = 2;
    while (width < 8 && (static_cast<unsigned>(slot) >> (4 * width)) != 0) ++width;
    return hexDigits(slot, width);
}

std::string contradiction(std::string_view text) {
    return " " + quoted(text) + " 定数の記述に矛盾があります";
}

// The value a DIGIT token stands for. The later uses of a constant's name are
// DIGIT tokens too; they stand for the value already stored for it.
double digitValue(const Compiler& c, const Token& token) {
    if (token.text.empty() || !isNameStart(token.text[0])) return numberTextValue(token.text);
    const int index = c.symbols.find(Kind::DIGIT, token.text);
    if (index < 0) return 0.0;
    const int slot = c.symbols[index].code.slot();
    return slot < 0 ? 0.0 : c.constants[static_cast<std::size_t>(slot)];
}

// Gives every token from the cursor on that carries the name the kind, so
// that the compilers treat it as a known constant.
void markLaterUses(Compiler& c, const std::string& name, Kind kind) {
    for (int j = c.tokenIndex; j < c.tokens.count(); ++j) {
        Token& token = c.tokens[static_cast<std::size_t>(j)];
        if (token.text == name) token.kind = kind;
    }
}

// The values of one constant statement: the first in the constant's own
// slot, every further one (the sweep) in the next lower slot.
struct ValueList {
    std::string name;
    int ownSlot = 0;
    int lowestSlot = 0;
    int count = 1;
    double previous = 0.0;
    double last = 0.0;
};

// Stores a further value one slot below the last; false when the constant
// store is full, so that no slot below 0 is ever written.
bool storeFurtherValue(Compiler& c, ValueList& list, double value) {
    if (c.layout.namedConstantCount + c.layout.literalCount > kStoreSize - 1 ||
        list.lowestSlot <= 0) {
        return false;
    }
    --list.lowestSlot;
    c.constants[static_cast<std::size_t>(list.lowestSlot)] = value;
    ++c.layout.literalCount;
    ++c.plan.passCount;
    list.previous = list.last;
    list.last = value;
    ++list.count;
    return true;
}

// , value
void listedValue(Compiler& c, ValueList& list) {
    if (c.plan.passCount == 1) c.plan.sweptSlot = list.ownSlot;
    const double value = digitValue(c, c.current());
    if (storeFurtherValue(c, list, value)) {
        c.trace("Declare() 1: gCon[" + slotText(list.lowestSlot) + "]=" + valueText(value));
    }
    ++c.tokenIndex;
}

// , ... , final  — the values between the last two listed ones and the final
// value go on by the same step. Value k is last + k * step, so that no
// rounding builds up; false when an error ended the statement.
bool rangeValues(Compiler& c, ValueList& list) {
    if (list.count < 2) {
        c.error(732, " " + quoted(c.current().text) + " 繰り返しできません");
        return false;
    }
    ++c.tokenIndex;
    if (!c.currentIs(Kind::COMMA)) {
        c.error(731, contradiction(c.current().text));
        return false;
    }
    ++c.tokenIndex;
    if (!c.currentIs(Kind::DIGIT)) {
        c.error(733, contradiction(c.current().text));
        return false;
    }
    const double last = list.last;
    const double step = list.last - list.previous;
    const double final = digitValue(c, c.current());
    ++c.tokenIndex;
    // Compared as a double: a huge count must not overflow an integer, and a
    // step of 0 (an endless range) gives no count at all.
    const double count = std::trunc((final - last) / step + 0.5);
    if (step == 0.0 || !(count >= 1.0)) {
        c.error(735, " " + quoted(c.current().text) + "パラメータ繰返しの記述に矛盾があります");
        return false;
    }
    c.trace("init=" + valueText(last) + " inc=" + valueText(step) + " final=" + valueText(final) +
            " num=" + std::to_string(c.plan.passCount));
    for (long long k = 1;; ++k) {
        const double value = last + static_cast<double>(k) * step;
        if (!((final - value) / step > kRangeTolerance)) break;
        if (!storeFurtherValue(c, list, value)) break;
        if (c.checkConstantLimit(913)) break;
    }
    storeFurtherValue(c, list, final);
    return true;
}

// Only one constant may have several values.
void endOfValue(Compiler& c, const ValueList& list) {
    c.checkConstantLimit(914);
    if (!c.plan.sweptName.empty() && c.plan.sweptName != list.name) {
        c.error(749, "くり返しパラメータは１つだけにしてください");
    }
    c.plan.sweptName = list.name;
}

// value { , value | , ... , final }  — false when an error ended the statement.
bool numericConstant(Compiler& c, Operand& constant) {
    declareSymbol(c, constant, Kind::DIGIT);
    const int slot = constant.code.slot();
    const double first = digitValue(c, c.current());
    if (slot >= 0) c.constants[static_cast<std::size_t>(slot)] = first;
    c.trace("Declare() 0: gCon[" + hexDigits(slot, 3) + "]=" + valueText(first));
    ++c.tokenIndex;
    markLaterUses(c, constant.name, Kind::DIGIT);

    ValueList list{constant.name, slot, slot, 1, 0.0, first};
    while (!c.currentIs(Kind::SEMICLN)) {
        if (!c.currentIs(Kind::COMMA)) {
            c.error(730, contradiction(c.current().text));
            return false;
        }
        ++c.tokenIndex;
        if (c.currentIs(Kind::DIGIT)) {
            listedValue(c, list);
        } else if (c.currentIs(Kind::MULTI)) {
            if (!rangeValues(c, list)) return false;
        } else {
            c.error(731, contradiction(c.current().text));
            return false;
        }
        endOfValue(c, list);
    }
    c.checkConstantLimit(915);
    return true;
}

// "text"
void stringConstant(Compiler& c, Operand& constant) {
    constant.text = c.current().text;
    ++c.tokenIndex;
    declareSymbol(c, constant, Kind::STRING);
    markLaterUses(c, constant.name, Kind::STRING);
}

// name = value-list ;   name = "text" ;
void declareConstant(Compiler& c) {
    const Token nameToken = c.current();
    Operand constant = operandFromToken(nameToken);
    c.tokenIndex += 2;
    // The name already belongs to an array or an alias: a constant of that
    // name would overwrite whatever slot the other symbol holds.
    if (lookupOperand(c, constant) >= 0) {
        c.errorAt(812, nameToken.position, "定数の定義が重複しています");
        skipStatement(c);
        return;
    }
    if (c.currentIs(Kind::DIGIT)) {
        if (!numericConstant(c, constant)) return;
    } else if (c.currentIs(Kind::STRING)) {
        stringConstant(c, constant);
    } else {
        c.errorOncePerLine(801, " 文の記述に誤りがあります");
    }
    c.expect(Kind::SEMICLN);
}

}  // namespace

void skipStatement(Compiler& c) {
    while (c.tokenIndex < c.tokens.count() && !c.currentIs(Kind::SEMICLN) &&
           !c.currentIs(Kind::PROC)) {
        ++c.tokenIndex;
    }
    if (c.currentIs(Kind::SEMICLN)) ++c.tokenIndex;
}

void compileDeclaration(Compiler& c) {
    const Kind kind = c.current().kind;
    const Kind after = c.next().kind;
    if (kind == Kind::IDENT && after == Kind::ASSIGN) {
        declareConstant(c);
    } else if (kind == Kind::ARRAY) {
        declareArray(c);
    } else if (kind == Kind::ALIAS) {
        declareAlias(c);
    } else if (kind == Kind::DIGIT && after == Kind::ASSIGN) {
        // An earlier statement defined the name; its later uses became DIGIT.
        c.errorAt(812, c.current().position, "定数の定義が重複しています");
        c.tokenIndex += 2;
    } else {
        c.errorOncePerLineAt(802, c.current().position,
                             quoted(c.current().text) + "  の記述に誤りがあります。");
        ++c.tokenIndex;
    }
}

}  // namespace zentra
