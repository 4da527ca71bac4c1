#include "front/symbol_table.h"

#include <algorithm>

namespace zentra {

SymbolTable::SymbolTable() : entries_(static_cast<std::size_t>(kMaxSymbols)) {}

int SymbolTable::add(Symbol symbol) {
    if (count_ >= kMaxSymbols) {
        overflowed_ = true;
        return -1;
    }
    Symbol& entry = entries_[static_cast<std::size_t>(count_)];
    entry = std::move(symbol);
    index_.add(count_, entry.name, count_ + 1);
    return count_++;
}

bool SymbolTable::firstOverflow() {
    if (!overflowed_ || overflowReported_) return false;
    overflowReported_ = true;
    return true;
}

void SymbolTable::truncate(int count) {
    count_ = std::clamp(count, 0, count_);
    overflowed_ = false;
    overflowReported_ = false;
    index_.clear();
}

int SymbolTable::find(Kind kind, std::string_view name) const {
    for (const int i : named(name)) {
        if (entries_[static_cast<std::size_t>(i)].kind == kind) return i;
    }
    return -1;
}

const std::vector<int>& SymbolTable::named(std::string_view name) const {
    return index_.named(entries_, count_, name);
}

}  // namespace zentra
