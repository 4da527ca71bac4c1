// Array declarations and the aliases that name array elements.
#include <optional>
#include <string>

#include "front/declare_parts.h"
#include "front/display_name.h"
#include "front/number_text.h"
#include "front/operand.h"

namespace zentra {

namespace {

// The element count of the DIGIT at the cursor; an array that cannot be
// read keeps one element.
long long readElementCount(Compiler& c) {
    const std::string_view text = c.current().text;
    const std::optional<long long> count = integerTextValue(text);
    if (!count) {
        c.error(805, " " + quoted(text) + "  配列の要素数を判読できません。");
        return 1;
    }
    if (*count < 1) {
        c.error(806, " " + quoted(text) + "  配列の領域に矛盾があります。");
        return 1;
    }
    return *count;
}

// The first element took the next variable slot; the others follow it. An
// array that would run past the variable store keeps the elements that fit.
void reserveElements(Compiler& c, const std::string& name, long long count) {
    constexpr long long kPastLastSlot = kMaxVariableSlots + 1;
    const long long next = c.layout.nextVariableSlot + count - 1;
    if (next > kPastLastSlot) {
        c.errorOncePerLine(kErrTooManyVariables,
                           "変数の数が" + std::to_string(kMaxVariableSlots) + "個を超えました。");
        count -= next - kPastLastSlot;
        if (count < 1) count = 1;
        c.layout.nextVariableSlot = static_cast<int>(kPastLastSlot);
    } else {
        c.layout.nextVariableSlot = static_cast<int>(next);
    }
    c.layout.registerArraySize(name, static_cast<int>(count));
}

struct ArrayView {
    std::string name;
    long long count = 0;  // -1 when the registry holds no count
    int base = 0;         // variable slot of element 0
};

// Errors of an alias range carry the position of the offending number and
// silence the rest of its line.
void rangeError(Compiler& c, int number, const Token& at, const char* message) {
    c.errorAt(number, at.position, message);
    c.errors.markLine(at.position);
}

// Names element `element`; false after error 814 (name taken or element
// beyond the array), reported at `position`.
bool addAlias(Compiler& c, const ArrayView& array, long long element, const std::string& name,
              std::int32_t position) {
    if (c.symbols.find(Kind::VAR, name) >= 0 || element >= array.count || array.base < 0 ||
        array.base + element > kMaxVariableSlots) {
        c.errorAt(814, position, "別名宣言 " + quoted(name) + " の重複または範囲超過があります。");
        return false;
    }
    c.addSymbol(Symbol{Kind::VAR,
                       name,
                       SymbolCode{CodeClass::LoadVariable, static_cast<int>(array.base + element)},
                       0,
                       0,
                       0,
                       {}});
    c.host.outputArea().appendAlias(displayName(c.names, array.name) + "[" +
                                    std::to_string(element) + "]=" + displayName(c.names, name));
    return true;
}

// = name { , [name] } ;   — from element `element` on; false when an error
// abandoned the statement.
bool aliasNames(Compiler& c, const ArrayView& array, long long element) {
    if (!c.currentIs(Kind::ASSIGN)) {
        const int before = c.tokenIndex;
        c.expect(Kind::ASSIGN);  // error 333 moves past the ";" itself
        if (c.tokenIndex == before) skipStatement(c);
        return false;
    }
    ++c.tokenIndex;
    while (!c.currentIs(Kind::SEMICLN)) {
        const Token& token = c.current();
        if (token.kind == Kind::COMMA) {
            ++element;
        } else if (token.kind == Kind::IDENT) {
            if (!addAlias(c, array, element, std::string(token.text), c.previous().position)) {
                skipStatement(c);
                return false;
            }
        } else {
            c.error(819, std::string(token.text) + " 定数の記述に矛盾があります。");
            skipStatement(c);
            return false;
        }
        ++c.tokenIndex;
    }
    return true;
}

bool atRangeForm(const Compiler& c) {
    const int i = c.tokenIndex;
    return c.tokenAt(i).kind == Kind::MINUS && c.tokenAt(i + 1).kind == Kind::DIGIT &&
           c.tokenAt(i + 2).kind == Kind::ACLOS && c.tokenAt(i + 3).kind == Kind::ASSIGN &&
           c.tokenAt(i + 4).kind == Kind::IDENT;
}

// The decimal digits plus k, keeping the written width ("09" + 1 = "10",
// "01" + 1 = "02").
std::string addToDecimal(std::string digits, long long k) {
    long long carry = k;
    for (std::size_t i = digits.size(); i-- > 0 && carry > 0;) {
        const long long sum = (digits[i] - '0') + carry;
        digits[i] = static_cast<char>('0' + sum % 10);
        carry = sum / 10;
    }
    if (carry > 0) digits.insert(0, std::to_string(carry));
    return digits;
}

// The program's uses of a generated name were not prefixed, since the name
// does not occur in the parameter area: give them the prefixed text.
void prefixLaterUses(Compiler& c, const std::string& name) {
    if (name.size() < 2 || name[0] != '_') return;
    const std::string_view bare = std::string_view(name).substr(1);
    std::string_view stored;  // stored at the first use only
    for (int j = c.tokenIndex; j < c.tokens.count(); ++j) {
        Token& token = c.tokens[static_cast<std::size_t>(j)];
        if (token.scope != 0 || token.text != bare) continue;
        if (stored.empty()) stored = c.tokens.store(name);
        token.text = stored;
    }
}

// - last ] = stem<number> ;   names elements first..last stem<number>,
// stem<number+1>, ...; false when an error abandoned the statement.
bool aliasRange(Compiler& c, const ArrayView& array, long long first) {
    const Token& lastToken = c.tokenAt(c.tokenIndex + 1);
    const std::optional<long long> last = integerTextValue(lastToken.text);
    if (!last || *last < first || *last >= array.count) {
        rangeError(c, 817, lastToken, "配列番号の範囲に矛盾があります");
        skipStatement(c);
        return false;
    }
    const Token nameToken = c.tokenAt(c.tokenIndex + 4);
    const std::string_view text = nameToken.text;
    std::size_t stemLength = text.size();
    while (stemLength > 0 && text[stemLength - 1] >= '0' && text[stemLength - 1] <= '9') {
        --stemLength;
    }
    if (stemLength == 0) {  // a name of digits only has no stem to number
        c.errors.countWithoutLine();
        skipStatement(c);
        return false;
    }
    const std::string stem(text.substr(0, stemLength));
    const std::string digits =
        stemLength < text.size() ? std::string(text.substr(stemLength)) : "0";
    c.tokenIndex += 5;
    for (long long element = first; element <= *last; ++element) {
        const std::string name = stem + addToDecimal(digits, element - first);
        // Made from a prefixed name, it carries the prefix too.
        if (name.starts_with('_')) c.names.markParameterName(name);
        if (!addAlias(c, array, element, name, nameToken.position)) {
            skipStatement(c);
            return false;
        }
        prefixLaterUses(c, name);
    }
    return true;
}

// [ first ] = names ;   [ first - last ] = name ;   = names ;
bool aliasList(Compiler& c, const ArrayView& array) {
    long long element = 0;
    if (c.currentIs(Kind::AOPEN) && c.next().kind == Kind::DIGIT) {
        ++c.tokenIndex;
        const Token& firstToken = c.current();
        const std::optional<long long> first = integerTextValue(firstToken.text);
        // A negative start would name variables below the array.
        if (!first || *first < 0 || *first >= array.count) {
            rangeError(c, 818, firstToken, "配列指定が範囲を超えています");
            skipStatement(c);
            return false;
        }
        ++c.tokenIndex;
        element = *first;
        if (c.currentIs(Kind::ACLOS)) {
            ++c.tokenIndex;
        } else if (atRangeForm(c)) {
            return aliasRange(c, array, element);
        }
    }
    return aliasNames(c, array, element);
}

}  // namespace

void declareArray(Compiler& c) {
    const std::string name(c.next().text);
    if (c.symbols.find(Kind::ARRAY, name) >= 0) {
        c.error(844, "配列 " + quoted(name) + " の宣言が重複しています。");
    }
    ++c.tokenIndex;
    Operand array = operandFromToken(c.current());
    declareSymbol(c, array, Kind::ARRAY);
    c.expect(Kind::IDENT);
    c.expect(Kind::AOPEN);
    if (!c.currentIs(Kind::DIGIT)) {
        c.error(804, " " + quoted(c.current().text) + "  配列宣言を解読できません。");
    } else {
        reserveElements(c, name, readElementCount(c));
        ++c.tokenIndex;
    }
    c.expect(Kind::ACLOS);
    c.expect(Kind::SEMICLN);
}

void declareAlias(Compiler& c) {
    ++c.tokenIndex;
    if (!c.currentIs(Kind::IDENT)) {
        c.error(817, " " + quoted(c.current().text) + "  は配列ではありません");
        skipStatement(c);
        return;
    }
    const int index = c.findArrayAtCursor();
    if (index < 0) {
        c.error(811, " " + quoted(c.current().text) + "  は配列ではありません。");
        skipStatement(c);
        return;
    }
    const Symbol& symbol = c.symbols[index];
    const ArrayView array{symbol.name, c.layout.arraySize(symbol.name), symbol.code.slot()};
    ++c.tokenIndex;
    if (aliasList(c, array)) c.expect(Kind::SEMICLN);
}

}  // namespace zentra
