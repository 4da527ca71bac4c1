// The symbol table of a run: the entries (builtins 0..39, then the user's),
// their count, the limit and the index by name.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "front/symbol.h"
#include "front/symbol_index.h"

namespace zentra {

class SymbolTable {
public:
    SymbolTable();

    int count() const { return count_; }
    // Entries below count(); an entry past it is left over from an earlier run.
    const Symbol& operator[](int index) const { return entries_[static_cast<std::size_t>(index)]; }
    // An entry's code and scope may change in place; its name may not (the
    // index would find it under the old one): truncate and add instead.
    Symbol& operator[](int index) { return entries_[static_cast<std::size_t>(index)]; }
    std::span<const Symbol> inUse() const { return {entries_.data(), static_cast<std::size_t>(count_)}; }

    // Appends a symbol and returns its index, or -1 when the table is full.
    int add(Symbol symbol);
    // True the first time add() found the table full since the last truncate:
    // the limit is reported once per run.
    bool firstOverflow();
    // Keeps the first `count` entries (at most the ones in use).
    void truncate(int count);

    int find(Kind kind, std::string_view name) const;
    // The entries named `name`, in table order: what a walk from entry 0 for
    // that name would meet.
    const std::vector<int>& named(std::string_view name) const;

private:
    std::vector<Symbol> entries_;
    int count_ = 0;
    bool overflowed_ = false;
    bool overflowReported_ = false;
    mutable SymbolIndex index_;
};

}  // namespace zentra
