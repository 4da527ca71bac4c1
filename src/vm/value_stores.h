// The code buffer and the three value stores a pass works on.
#pragma once

#include <array>
#include <cstdint>

#include "vm/code_word.h"

namespace zentra {

using CodeBuffer = std::array<CodeWord, kCodeBufferSize>;
using ValueStore = std::array<double, kStoreSize>;

struct ValueStores {
    ValueStore constants{};  // named constants from slot 0 up, literals from 4095 down
    ValueStore variables{};  // main-program variables from slot 1 up; arrays are consecutive
    ValueStore locals{};     // variables of expanded user-function bodies
};

// The C library's rand(): state = state * 22695477 + 1 (mod 2^32), draw = bits 16..30.
// Never seeded: every program start yields the same sequence.
class RandomSource {
public:
    int draw() {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 1;
};

}  // namespace zentra
