// The code listing with symbol names in place of slots: s:x for a store to x,
// #* for operation 2, 2.5 for the literal 2.5, and the bare item (@003) where
// no symbol has that code.
#include "vm/listing_render.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "vm/code_listing.h"

namespace zentra {

namespace {

constexpr std::size_t kLineHead = 7;  // the 6-character head and the first item's space
constexpr std::size_t kItemText = 4;  // letter and three digits
constexpr std::size_t kItemStep = 5;  // the item and the space (or backslash) after it

// The first symbol with each code item, as a walk from entry 0 would find
// it: an open-addressing table in one allocation, built once per listing.
class SymbolsByCode {
public:
    explicit SymbolsByCode(const std::vector<Symbol>& symbols) {
        std::size_t size = 64;
        while (size < 2 * symbols.size()) size *= 2;
        slots_.assign(size, nullptr);
        mask_ = size - 1;
        for (const Symbol& s : symbols) {
            const Symbol*& slot = slotFor(s.code);
            if (slot == nullptr) slot = &s;  // an earlier entry stays
        }
    }
    const Symbol* find(std::string_view code) const {
        for (std::size_t at = hash(code) & mask_;; at = (at + 1) & mask_) {
            const Symbol* s = slots_[at];
            if (s == nullptr || s->code == code) return s;
        }
    }

private:
    static std::size_t hash(std::string_view code) {
        std::size_t h = 2166136261u;
        for (const char ch : code) h = (h ^ static_cast<unsigned char>(ch)) * 16777619u;
        return h;
    }
    const Symbol*& slotFor(std::string_view code) {
        for (std::size_t at = hash(code) & mask_;; at = (at + 1) & mask_) {
            const Symbol*& s = slots_[at];
            if (s == nullptr || s->code == code) return s;
        }
    }

    std::vector<const Symbol*> slots_;
    std::size_t mask_ = 0;
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
const Symbol* arrayWithBase(const SymbolsByCode& c, std::string_view digits) {
    const char key[] = {'v', digits[0], digits[1], digits[2]};
    const Symbol* s = c.find(std::string_view(key, sizeof key));
    return s != nullptr && s->kind == Kind::ARRAY ? s : nullptr;
}

void appendItem(std::string& out, std::string_view item, const SymbolsByCode& c) {
    if (item.size() < kItemText) {
        out += item;
        return;
    }
    const char letter = item[0];
    const std::string_view digits = item.substr(1, 3);
    std::string_view prefix;
    char keyText[kItemText];
    std::string_view key = item;
    if (letter == '#') {
        prefix = "#";
        keyText[0] = '#';
        keyText[1] = digits[1];
        keyText[2] = digits[2];
        key = std::string_view(keyText, 3);
    } else if (letter == 's' || letter == 't') {
        prefix = letter == 's' ? "s:" : "t:";
        keyText[0] = letter == 's' ? 'v' : 'g';
        digits.copy(keyText + 1, 3);
        key = std::string_view(keyText, kItemText);
    }
    if (const Symbol* s = c.find(key)) {
        out += prefix;
        appendNameWithScope(out, *s);
        return;
    }
    if (letter == 'g' || letter == 't') {
        if (const Symbol* array = arrayWithBase(c, digits)) {
            out += prefix;
            out += array->name;
            out += "[]";
            return;
        }
    }
    out += key;
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

void renderListing(const CodeBuffer& code, const Compiler& compiler, TextArea& pane) {
    pane.appendLinesLater([code, symbols = compiler.symbolsInUse()](std::vector<std::string>& lines) {
        appendRenderedLines(codeListing(code), symbols, lines);
    });
}

}  // namespace zentra
