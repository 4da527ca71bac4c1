// An index of the symbol table by name, beside the table itself. Lookups
// that walk the table from entry 0 for the first entry that matches take the
// entries of one name in table order from here instead, and apply the same
// tests, so the first match is the same one.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "front/symbol.h"

namespace zentra {

class SymbolIndex {
public:
    // The entries below `count` whose name is `name`, in table order. Entries
    // appended to the table directly (not through add) are picked up here; an
    // entry renamed in place is noticed when its old name is looked up.
    const std::vector<int>& named(const std::vector<Symbol>& symbols, int count, std::string_view name);

    // Entry `index` was just appended under `name`.
    void add(int index, const std::string& name, int count);
    // Forgets everything; the next lookup indexes the table afresh.
    void clear();

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
    void catchUp(const std::vector<Symbol>& symbols, int count);
    void insert(const std::string& name, int index);
    bool valid(const std::vector<Symbol>& symbols, const std::vector<int>& entries, std::string_view name,
               int count) const;

    // Lists are emptied rather than erased, so that a run reuses the nodes of
    // the names the run before it had.
    std::unordered_map<std::string, std::vector<int>, Hash, std::equal_to<>> byName_;
    int indexed_ = 0;  // entries 0 .. indexed_-1 are in the lists
    // The list found last and its name (the map's own key, so nothing is
    // copied): the compilers look a name up several times in a row (is it
    // an array, then its symbol).
    const std::string* lastName_ = nullptr;
    const std::vector<int>* lastList_ = nullptr;
    const std::vector<int> none_{};
};

}  // namespace zentra
