// The token table of one run: the records, their count and limit, and the
// storage their texts are views of.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "front/token.h"

namespace zentra {

// Texts stored in chunks that never move, so a view of a stored text stays
// valid until clear(). A clear keeps the chunks for the next run, except
// those a snapshot still holds: their texts stay as they are, and the chunk
// comes back at a later clear once the snapshot has let go of it.
class TextArena {
public:
    std::string_view store(std::string_view text);
    // a + b, stored as one text.
    std::string_view join(std::string_view a, std::string_view b);
    void clear();

    // Whether `text` lies in the stored texts (an empty text never does).
    bool holds(std::string_view text) const;
    std::size_t chunkCount() const { return chunks_.size(); }

private:
    friend class TokenSnapshot;
    struct Chunk {
        std::shared_ptr<char[]> data;
        std::size_t size = 0;
        std::size_t used = 0;
    };
    char* reserve(std::size_t size);

    std::vector<Chunk> chunks_;
    std::vector<Chunk> held_;  // held by a snapshot at the last clear
    std::size_t current_ = 0;  // the chunk being filled
};

enum class AppendResult {
    Added,
    Full,          // at the limit, already said this run
    LimitReached,  // at the limit for the first time this run: the caller reports it
};

class TokenTable {
public:
    // kMaxTokens records plus the one past the end that holds the text "\".
    static constexpr int kRecords = kMaxTokens + 1;

    TokenTable();
    TokenTable(const TokenTable&) = delete;
    TokenTable& operator=(const TokenTable&) = delete;

    int count() const { return count_; }
    // For the passes that drop or add tokens in place; kept within 0..kMaxTokens.
    void setCount(int count);
    bool full() const { return count_ >= kMaxTokens; }

    // Any record, the "\" record and those past the count included.
    Token& operator[](std::size_t index) { return records()[index]; }
    const Token& operator[](std::size_t index) const { return records_.get()[index]; }
    // Tokens outside 0..count-1 read as an empty token (kind None), so that
    // look-ahead never leaves the array.
    const Token& at(int index) const {
        return index >= 0 && index < count_ ? records_.get()[index] : emptyToken();
    }
    // All kRecords records, for writes and moves inside the array.
    Token* records() {
        if (shared_) unshare();
        return records_.get();
    }

    // Appends a token whose text is a view of this table's storage or of
    // static storage.
    AppendResult append(const Token& token) {
        if (count_ >= kMaxTokens) return limit();
        records()[count_++] = token;
        return AppendResult::Added;
    }
    // Sets the "\" record past the last counted token.
    void markEnd();
    // Count 0, limit report re-armed, stored texts dropped.
    void clear();

    std::string_view store(std::string_view text) { return texts_.store(text); }
    std::string_view join(std::string_view a, std::string_view b) { return texts_.join(a, b); }
    const TextArena& texts() const { return texts_; }

    static const Token& emptyToken();

private:
    friend class TokenSnapshot;
    using Records = std::shared_ptr<Token[]>;

    AppendResult limit();
    // Before a write: a snapshot may hold the records.
    void unshare();
    // A buffer of records nobody else holds.
    Records freeRecords();

    // Records past the count are left as they were: nobody reads them before
    // writing them. A snapshot shares the records instead of copying them;
    // the table writes elsewhere from then on (the spare buffer, once that
    // snapshot is gone, as the next run usually finds it).
    Records records_;
    Records spare_;
    mutable bool shared_ = false;
    int count_ = 0;
    bool limitReached_ = false;
    TextArena texts_;
};

// The tokens in use as they are at one moment: what the monitor's token dump
// is made from after the table has moved on, been cleared or gone. It holds
// the table's chunks, so its texts stay valid without a copy. Copies share
// the same data.
class TokenSnapshot {
public:
    TokenSnapshot() = default;
    explicit TokenSnapshot(const TokenTable& table);

    std::size_t size() const { return data_ ? data_->count : 0; }
    const Token& operator[](std::size_t index) const { return data_->records.get()[index]; }

private:
    struct Data {
        std::shared_ptr<const Token[]> records;
        std::size_t count = 0;
        std::vector<std::shared_ptr<char[]>> chunks;
    };
    std::shared_ptr<const Data> data_;
};

}  // namespace zentra
