#include "front/token_table.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <type_traits>
#include <utility>

namespace zentra {

namespace {

// A chunk holds the lines of a program of a few hundred lines.
constexpr std::size_t kChunkSize = 16 * 1024;
// A clear keeps at most this many chunks; an unusually large run gives the rest back.
constexpr std::size_t kKeptChunks = 8;

std::uintptr_t address(const char* p) { return reinterpret_cast<std::uintptr_t>(p); }

}  // namespace

char* TextArena::reserve(std::size_t size) {
    while (current_ < chunks_.size()) {
        Chunk& chunk = chunks_[current_];
        if (chunk.size - chunk.used >= size) {
            char* const at = chunk.data.get() + chunk.used;
            chunk.used += size;
            return at;
        }
        ++current_;
    }
    Chunk chunk;
    chunk.size = std::max(kChunkSize, size);
    chunk.data = std::shared_ptr<char[]>(new char[chunk.size]);
    chunk.used = size;
    chunks_.push_back(std::move(chunk));
    current_ = chunks_.size() - 1;
    return chunks_.back().data.get();
}

std::string_view TextArena::store(std::string_view text) {
    if (text.empty()) return {};
    char* const at = reserve(text.size());
    std::memcpy(at, text.data(), text.size());
    return {at, text.size()};
}

std::string_view TextArena::join(std::string_view a, std::string_view b) {
    const std::size_t size = a.size() + b.size();
    if (size == 0) return {};
    // Reserving moves no stored text, so a and b may be stored texts.
    char* const at = reserve(size);
    if (!a.empty()) std::memcpy(at, a.data(), a.size());
    if (!b.empty()) std::memcpy(at + a.size(), b.data(), b.size());
    return {at, size};
}

void TextArena::clear() {
    // A chunk a snapshot holds is left to it and the next run writes
    // elsewhere; as the monitor replaces its dump each run, the chunk is
    // free again by the clear after that, and no chunk is allocated.
    for (Chunk& chunk : held_) chunks_.push_back(std::move(chunk));
    held_.clear();
    const auto firstHeld = std::partition(chunks_.begin(), chunks_.end(), [](const Chunk& chunk) {
        return chunk.data.use_count() == 1;
    });
    std::move(firstHeld, chunks_.end(), std::back_inserter(held_));
    chunks_.erase(firstHeld, chunks_.end());
    if (chunks_.size() > kKeptChunks) chunks_.resize(kKeptChunks);
    for (Chunk& chunk : chunks_) chunk.used = 0;
    current_ = 0;
}

bool TextArena::holds(std::string_view text) const {
    if (text.empty()) return false;
    const std::uintptr_t p = address(text.data());
    for (const Chunk& chunk : chunks_) {
        const std::uintptr_t begin = address(chunk.data.get());
        if (p >= begin && p + text.size() <= begin + chunk.used) return true;
    }
    return false;
}

const Token& TokenTable::emptyToken() {
    static const Token kEmpty{};
    return kEmpty;
}

TokenTable::TokenTable() : records_(new Token[static_cast<std::size_t>(kRecords)]) {}

TokenTable::Records TokenTable::freeRecords() {
    if (spare_ && spare_.use_count() == 1) return std::move(spare_);
    return Records(new Token[static_cast<std::size_t>(kRecords)]);
}

void TokenTable::unshare() {
    shared_ = false;
    if (records_.use_count() == 1) return;  // the snapshot is gone
    Records fresh = freeRecords();
    // The records in use and the "\" record after them.
    std::memcpy(static_cast<void*>(fresh.get()), records_.get(),
                static_cast<std::size_t>(std::min(count_ + 1, kRecords)) * sizeof(Token));
    spare_ = std::exchange(records_, std::move(fresh));
}

void TokenTable::setCount(int count) { count_ = std::clamp(count, 0, kMaxTokens); }

AppendResult TokenTable::limit() {
    if (limitReached_) return AppendResult::Full;
    limitReached_ = true;
    return AppendResult::LimitReached;
}

void TokenTable::markEnd() { records()[count_] = Token{0, Kind::None, "\\", 0}; }

void TokenTable::clear() {
    count_ = 0;
    limitReached_ = false;
    texts_.clear();
    // Nothing of the records needs keeping: a held buffer is only swapped.
    if (shared_) {
        shared_ = false;
        if (records_.use_count() > 1) spare_ = std::exchange(records_, freeRecords());
    }
}

static_assert(std::is_trivially_copyable_v<Token>);

TokenSnapshot::TokenSnapshot(const TokenTable& table) {
    auto data = std::make_shared<Data>();
    data->count = static_cast<std::size_t>(table.count());
    data->records = table.records_;
    table.shared_ = true;
    for (const TextArena::Chunk& chunk : table.texts().chunks_) {
        if (chunk.used > 0) data->chunks.push_back(chunk.data);
    }
    data_ = std::move(data);
}

}  // namespace zentra
