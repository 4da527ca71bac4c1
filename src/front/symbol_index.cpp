#include "front/symbol_index.h"

namespace zentra {

namespace {

// Past this many names the unused nodes are dropped.
constexpr std::size_t kKeptNames = 8192;

}  // namespace

void SymbolIndex::clear() {
    if (byName_.size() > kKeptNames) {
        byName_.clear();
    } else {
        for (auto& [name, entries] : byName_) entries.clear();
    }
    indexed_ = 0;
    lastName_ = nullptr;
    lastList_ = nullptr;
}

void SymbolIndex::insert(const std::string& name, int index) {
    auto found = byName_.find(std::string_view(name));
    if (found == byName_.end()) found = byName_.emplace(name, std::vector<int>{}).first;
    found->second.push_back(index);
}

void SymbolIndex::add(int index, const std::string& name, int count) {
    if (index < indexed_) {
        // The table was cut down behind the index's back: start again.
        clear();
        return;
    }
    if (index > indexed_) return;  // the next lookup catches up
    insert(name, index);
    indexed_ = count;
}

void SymbolIndex::catchUp(const std::vector<Symbol>& symbols, int count) {
    if (count < indexed_) clear();
    for (; indexed_ < count; ++indexed_) insert(symbols[static_cast<std::size_t>(indexed_)].name, indexed_);
}

bool SymbolIndex::valid(const std::vector<Symbol>& symbols, const std::vector<int>& entries,
                        std::string_view name, int count) const {
    for (const int i : entries) {
        if (i >= count || symbols[static_cast<std::size_t>(i)].name != name) return false;
    }
    return true;
}

const std::vector<int>& SymbolIndex::named(const std::vector<Symbol>& symbols, int count,
                                           std::string_view name) {
    if (count > static_cast<int>(symbols.size())) count = static_cast<int>(symbols.size());
    catchUp(symbols, count);
    if (lastList_ != nullptr && name == *lastName_ && valid(symbols, *lastList_, name, count)) return *lastList_;
    auto found = byName_.find(name);
    if (found == byName_.end()) return none_;
    if (!valid(symbols, found->second, name, count)) {
        clear();
        catchUp(symbols, count);
        found = byName_.find(name);
        if (found == byName_.end()) return none_;
    }
    lastName_ = &found->first;
    lastList_ = &found->second;
    return found->second;
}

}  // namespace zentra
