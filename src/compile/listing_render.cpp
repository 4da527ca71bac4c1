// The code listing with symbol names in place of slots: s:x for a store to x,
// #* for operation 2, 2.5 for the literal 2.5, and the bare item (@003) where
// no symbol has that code.
#include "compile/listing_render.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "base/hex_digits.h"
#include "vm/code_listing.h"
#include "vm/code_text.h"

namespace zentra {

namespace {

constexpr std::size_t kLineHead = 7;  // the 6-character head and the first item's space
constexpr std::size_t kItemText = 4;  // letter and three digits
constexpr std::size_t kItemStep = 5;  // the item and the space (or backslash) after it

// The first symbol with each code, as a walk from entry 0 would find it:
// one table per listing letter (# v g c), indexed by operand, built once
// per listing. An array's base is found as a variable's code.
class SymbolsByCode {
public:
    explicit SymbolsByCode(const std::vector<Symbol>& symbols) : table_(kTableSize, nullptr) {
        for (const Symbol& s : symbols) {
            const int at = indexOf(codeLetter(s.code.codeClass), s.code.operand);
            if (at >= 0 && table_[static_cast<std::size_t>(at)] == nullptr) table_[static_cast<std::size_t>(at)] = &s;
        }
    }
    const Symbol* find(char letter, int operand) const {
        const int at = indexOf(letter, operand);
        return at < 0 ? nullptr : table_[static_cast<std::size_t>(at)];
    }

private:
    static constexpr int kOperands = 0x1000;
    static constexpr int kTableSize = 3 * kOperands + 0x100;

    static int indexOf(char letter, int operand) {
        if (letter == '#') return operand >= 0 && operand < 0x100 ? 3 * kOperands + operand : -1;
        if (operand < 0 || operand >= kOperands) return -1;
        switch (letter) {
            case 'v': return operand;
            case 'g': return kOperands + operand;
            case 'c': return 2 * kOperands + operand;
            default: return -1;
        }
    }

    std::vector<const Symbol*> table_;
};

void appendNameWithScope(std::string& out, const Symbol& s) {
    out += s.name;
    if (s.scope == 0) return;
    out += '(';
    out += std::to_string(s.scope);
    out += ')';
}

// Element loads and stores are listed as g and t with the array's base slot.
// When no local variable has that key, the array whose base it is is shown
// with "[]", which is what such a word most likely is.
const Symbol* arrayWithBase(const SymbolsByCode& c, int base) {
    const Symbol* s = c.find('v', base);
    return s != nullptr && s->kind == Kind::ARRAY ? s : nullptr;
}

int hexOperand(std::string_view digits) {
    int value = 0;
    for (const char ch : digits) value = value * 16 + hexDigitValue(ch);
    return value;
}

void appendItem(std::string& out, std::string_view item, const SymbolsByCode& c) {
    if (item.size() < kItemText) {
        out += item;
        return;
    }
    const char letter = item[0];
    const std::string_view digits = item.substr(1, 3);
    const int operand = hexOperand(digits);
    std::string_view prefix;
    char keyLetter = letter;
    if (letter == '#') {
        prefix = "#";
    } else if (letter == 's' || letter == 't') {
        prefix = letter == 's' ? "s:" : "t:";
        keyLetter = letter == 's' ? 'v' : 'g';
    }
    // Operations name the symbol with their two low digits.
    if (const Symbol* s = c.find(keyLetter, letter == '#' ? operand & 0xFF : operand)) {
        out += prefix;
        appendNameWithScope(out, *s);
        return;
    }
    if (letter == 'g' || letter == 't') {
        if (const Symbol* array = arrayWithBase(c, operand)) {
            out += prefix;
            out += array->name;
            out += "[]";
            return;
        }
    }
    out += keyLetter;
    out += letter == '#' ? digits.substr(1) : digits;
}

std::string renderLine(std::string_view piece, const SymbolsByCode& c) {
    std::string shown(piece.substr(0, kLineHead));
    std::string_view rest = piece.size() > kLineHead ? piece.substr(kLineHead) : std::string_view{};
    while (!rest.empty()) {
        appendItem(shown, rest.substr(0, kItemText), c);
        shown += "  ";
        rest = rest.size() > kItemStep ? rest.substr(kItemStep) : std::string_view{};
    }
    return shown;
}

void appendRenderedLines(const std::string& listing, const std::vector<Symbol>& symbolTable,
                         std::vector<std::string>& lines) {
    lines.emplace_back();
    const SymbolsByCode symbols(symbolTable);
    const std::string_view text(listing);
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find('\\', from);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(renderLine(text.substr(from, next - from), symbols));
        from = next;
    }
}

}  // namespace

void renderListing(const CodeBuffer& code, const SymbolTable& table, TextArea& pane) {
    const auto inUse = table.inUse();
    pane.appendLinesLater([code, symbols = std::vector<Symbol>(inUse.begin(), inUse.end())](
                              std::vector<std::string>& lines) {
        appendRenderedLines(codeListing(code), symbols, lines);
    });
}

void appendCodeTextLater(const CodeEmitter& emitter, TextArea& pane) {
    pane.appendLinesLater([words = emitter.words()](std::vector<std::string>& lines) {
        lines.push_back(codeText(words));
    });
}

}  // namespace zentra
