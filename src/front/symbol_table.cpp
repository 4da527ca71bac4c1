#include "front/symbol_table.h"

#include <algorithm>

namespace zentra {

namespace {

// Past this many names the unused nodes are dropped.
constexpr std::size_t kKeptNames = 8192;

}  // namespace

SymbolTable::SymbolTable() : entries_(static_cast<std::size_t>(kMaxSymbols)) {}

int SymbolTable::add(Symbol symbol) {
    if (count_ >= kMaxSymbols) {
        overflowed_ = true;
        return -1;
    }
    Symbol& entry = entries_[static_cast<std::size_t>(count_)];
    entry = std::move(symbol);
    auto found = byName_.find(std::string_view(entry.name));
    if (found == byName_.end()) found = byName_.emplace(entry.name, std::vector<int>{}).first;
    found->second.push_back(count_);
    return count_++;
}

bool SymbolTable::firstOverflow() {
    if (!overflowed_ || overflowReported_) return false;
    overflowReported_ = true;
    return true;
}

void SymbolTable::truncate(int count) {
    count = std::clamp(count, 0, count_);
    forgetIndexFrom(count);
    count_ = count;
    overflowed_ = false;
    overflowReported_ = false;
}

void SymbolTable::forgetIndexFrom(int count) {
    lastName_ = nullptr;
    lastList_ = nullptr;
    if (count == 0) {
        if (byName_.size() > kKeptNames) {
            byName_.clear();
        } else {
            for (auto& [name, entries] : byName_) entries.clear();
        }
        return;
    }
    // Entries leave from the end, so each is the last of its name's list.
    for (int i = count_ - 1; i >= count; --i) {
        byName_.find(std::string_view(entries_[static_cast<std::size_t>(i)].name))->second.pop_back();
    }
}

int SymbolTable::find(Kind kind, std::string_view name) const {
    for (const int i : named(name)) {
        if (entries_[static_cast<std::size_t>(i)].kind == kind) return i;
    }
    return -1;
}

const std::vector<int>& SymbolTable::named(std::string_view name) const {
    if (lastList_ != nullptr && name == *lastName_) return *lastList_;
    const auto found = byName_.find(name);
    if (found == byName_.end()) return none_;
    lastName_ = &found->first;
    lastList_ = &found->second;
    return found->second;
}

}  // namespace zentra
