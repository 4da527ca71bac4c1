// Where the compilers put their code words: straight into the code buffer the
// machine runs. A program longer than the buffer holds keeps counting; the
// words past kMaxProgramWords go to a spill list, never past the buffer, so
// that the word-limit error and the monitor's code text still see them all.
#pragma once

#include <vector>

#include "vm/code_word.h"
#include "vm/value_stores.h"

namespace zentra {

class CodeEmitter {
public:
    // The buffer the next words go into; without one every word is spilled.
    void bind(CodeBuffer* buffer) {
        buffer_ = buffer;
        capacity_ = buffer == nullptr ? 0 : kMaxProgramWords;
    }
    // Forgets the words of the last compilation (the buffer stays bound).
    void reset() {
        count_ = 0;
        spill_.clear();
    }

    int count() const { return count_; }
    // Whether every word fits the buffer with its end word.
    bool fits() const { return count_ <= kMaxProgramWords; }

    // Appends a word and returns its index.
    int append(CodeWord word) {
        if (count_ < capacity_) {
            (*buffer_)[static_cast<std::size_t>(count_)] = word;
        } else {
            spill_.push_back(word);
        }
        return count_++;
    }
    CodeWord at(int index) const {
        return index < capacity_ ? (*buffer_)[static_cast<std::size_t>(index)]
                                 : spill_[static_cast<std::size_t>(index - capacity_)];
    }
    // Rewrites an appended word (a branch whose target is now known).
    void patch(int index, CodeWord word) {
        if (index < 0 || index >= count_) return;
        if (index < capacity_) {
            (*buffer_)[static_cast<std::size_t>(index)] = word;
        } else {
            spill_[static_cast<std::size_t>(index - capacity_)] = word;
        }
    }

    // Ends the program in the buffer with the end word (after the words that fit).
    void finish() {
        if (buffer_ != nullptr) (*buffer_)[static_cast<std::size_t>(count_ < capacity_ ? count_ : capacity_)] = kEndWord;
    }

    // A copy of every word in order, spilled ones included.
    std::vector<CodeWord> words() const {
        std::vector<CodeWord> out;
        out.reserve(static_cast<std::size_t>(count_));
        const int inBuffer = count_ < capacity_ ? count_ : capacity_;
        if (inBuffer > 0) out.assign(buffer_->begin(), buffer_->begin() + inBuffer);
        out.insert(out.end(), spill_.begin(), spill_.end());
        return out;
    }

private:
    CodeBuffer* buffer_ = nullptr;
    int capacity_ = 0;
    int count_ = 0;
    std::vector<CodeWord> spill_;
};

}  // namespace zentra
