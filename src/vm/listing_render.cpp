// The code listing with symbol names in place of slots: s:x for a store to x,
// #* for operation 2, 2.5 for the literal 2.5, and the bare item (@003) where
// no symbol has that code.
#include "vm/listing_render.h"

#include <string_view>

namespace zentra {

namespace {

constexpr std::size_t kLineHead = 7;  // the 6-character head and the first item's space
constexpr std::size_t kItemText = 4;  // letter and three digits
constexpr std::size_t kItemStep = 5;  // the item and the space (or backslash) after it

const Symbol* symbolWithCode(const Compiler& c, std::string_view code) {
    for (int i = 0; i < c.symbolCount; ++i) {
        const Symbol& s = c.symbols[static_cast<std::size_t>(i)];
        if (s.code == code) return &s;
    }
    return nullptr;
}

std::string nameWithScope(const Symbol& s) {
    return s.scope == 0 ? s.name : s.name + "(" + std::to_string(s.scope) + ")";
}

// Element loads and stores are listed as g and t with the array's base slot.
// When no local variable has that key, the array whose base it is is shown
// with "[]", which is what such a word most likely is.
const Symbol* arrayWithBase(const Compiler& c, std::string_view digits) {
    const Symbol* s = symbolWithCode(c, "v" + std::string(digits));
    return s != nullptr && s->kind == Kind::ARRAY ? s : nullptr;
}

std::string renderItem(std::string_view item, const Compiler& c) {
    if (item.size() < kItemText) return std::string(item);
    const char letter = item[0];
    const std::string_view digits = item.substr(1, 3);
    std::string prefix;
    std::string key;
    if (letter == '#') {
        prefix = "#";
        key = "#" + std::string(digits.substr(1));
    } else if (letter == 's' || letter == 't') {
        prefix = std::string(1, letter) + ":";
        key = (letter == 's' ? "v" : "g") + std::string(digits);
    } else {
        key = std::string(item);
    }
    if (const Symbol* s = symbolWithCode(c, key)) return prefix + nameWithScope(*s);
    if (letter == 'g' || letter == 't') {
        if (const Symbol* array = arrayWithBase(c, digits)) return prefix + array->name + "[]";
    }
    return key;
}

std::string renderLine(std::string_view piece, const Compiler& c) {
    std::string shown(piece.substr(0, kLineHead));
    std::string_view rest = piece.size() > kLineHead ? piece.substr(kLineHead) : std::string_view{};
    while (!rest.empty()) {
        shown += renderItem(rest.substr(0, kItemText), c);
        shown += "  ";
        rest = rest.size() > kItemStep ? rest.substr(kItemStep) : std::string_view{};
    }
    return shown;
}

}  // namespace

void renderListing(const std::string& listing, const Compiler& compiler, TextArea& pane) {
    pane.appendLine("");
    const std::string_view text(listing);
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find('\\', from);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        pane.appendLine(renderLine(text.substr(from, next - from), compiler));
        from = next;
    }
}

}  // namespace zentra
