// The symbol table of a run: the entries (builtins 0..39, then the user's),
// their count, the limit and an index by name. Entries change only by being
// added at the end or cut off the end, so the index is kept exact as that
// happens and a lookup never re-checks it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "front/symbol.h"

namespace zentra {

class SymbolTable {
public:
    SymbolTable();

    int count() const { return count_; }
    const Symbol& operator[](int index) const { return entries_[static_cast<std::size_t>(index)]; }
    std::span<const Symbol> inUse() const { return {entries_.data(), static_cast<std::size_t>(count_)}; }

    // The one field a lookup moves (see lookupOperand); names never change.
    void setScope(int index, std::int32_t scope) { entries_[static_cast<std::size_t>(index)].scope = scope; }

    // Appends a symbol and returns its index, or -1 when the table is full.
    int add(Symbol symbol);
    // True the first time add() found the table full since the last truncate:
    // the limit is reported once per run.
    bool firstOverflow();
    // Keeps the first `count` entries (at most the ones in use).
    void truncate(int count);

    // The first entry of this kind and name in table order, or -1.
    int find(Kind kind, std::string_view name) const;
    // The entries named `name`, in table order: what a walk from entry 0 for
    // that name would meet.
    const std::vector<int>& named(std::string_view name) const;

private:
    // FNV-1a: names are short, and this costs a few instructions per character.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            std::size_t h = 14695981039346656037ull;
            for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
            return h;
        }
    };
    using Index = std::unordered_map<std::string, std::vector<int>, Hash, std::equal_to<>>;

    void forgetIndexFrom(int count);

    std::vector<Symbol> entries_;
    int count_ = 0;
    bool overflowed_ = false;
    bool overflowReported_ = false;
    // Lists are emptied rather than erased, so that a run reuses the nodes of
    // the names the run before it had.
    Index byName_;
    // The list found last and its name (the map's own key): the compilers
    // look a name up several times in a row (is it an array, then its symbol).
    mutable const std::string* lastName_ = nullptr;
    mutable const std::vector<int>* lastList_ = nullptr;
    const std::vector<int> none_{};
};

}  // namespace zentra
