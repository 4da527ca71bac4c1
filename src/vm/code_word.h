// The 16-bit code word, its classes and operands.
//
//   15 14 13 12 11 10  9  8  7  6  5  4  3  2  1  0
//  +-----------------------------------------------+
//  | 1  1  1  1  1  1  1  1  1  1  1  1  1  1  1  1 |  end            0xFFFF
//  | 1  1  1  x  x  x  x  x |   operation number    |  #  operation   0xE000
//  | 1  1  0  x |  signed 12-bit distance           |  %  jump        0xC000
//  | 1  0  1  x |  unsigned 12-bit distance         |  @  branch-if-not-positive 0xA000
//  | 1  0  0  1 |  base slot                        |  w  store-element 0x9000, then a count word
//  | 1  0  0  0  x  x |  local slot (10 bits)       |  t  store-local 0x8000
//  | 0  1  1  x |  variable slot                    |  s  store-variable 0x6000
//  | 0  1  0  x |  constant slot                    |  c  load-constant 0x4000
//  | 0  0  1  1 |  base slot                        |  p  load-element 0x3000, then a count word
//  | 0  0  1  0  x  x |  local slot (10 bits)       |  g  load-local  0x2000
//  | 0  0  0  x |  variable slot                    |  v  load-variable 0x0000
//  | x  x  x  x |  element count                    |  n  count word (after p or w)
//  +-----------------------------------------------+
//  x = ignored bit. Classes are tested from 0xFFFF down, top bits first.
//
//  An element word (p or w) owns the word after it, its count word: the
//  array's element count in the low 12 bits (1..4095; code text n plus three
//  digits). The machine reads it
//  together with the element word and goes on after it; an index outside
//  0..count-1 fails the pass. The listing shows it as n plus its value. The
//  compilers never branch onto a count word; a hand-made buffer that does
//  runs it as the word its bits spell.
#pragma once

#include <cstdint>

namespace zentra {

using CodeWord = std::uint16_t;

inline constexpr CodeWord kEndWord = 0xFFFF;
inline constexpr int kCodeBufferSize = 4096;   // words, the end word included
inline constexpr int kMaxProgramWords = kCodeBufferSize - 1;
inline constexpr int kStoreSize = 4096;        // doubles per value store
inline constexpr int kReachableLocalSlots = 1024;

enum class WordClass : std::uint8_t {
    End,
    Operation,
    Jump,
    BranchIfNotPositive,
    StoreElement,
    StoreLocal,
    StoreVariable,
    LoadConstant,
    LoadElement,
    LoadLocal,
    LoadVariable,
};

// Base word of each class; encodeWord adds the operand to it.
enum ClassBase : CodeWord {
    kLoadVariableBase = 0x0000,
    kLoadLocalBase = 0x2000,
    kLoadElementBase = 0x3000,
    kLoadConstantBase = 0x4000,
    kStoreVariableBase = 0x6000,
    kStoreLocalBase = 0x8000,
    kStoreElementBase = 0x9000,
    kBranchBase = 0xA000,
    kJumpBase = 0xC000,
    kOperationBase = 0xE000,
};

constexpr WordClass classOf(CodeWord w) {
    if (w == kEndWord) return WordClass::End;
    if (w >= 0xE000) return WordClass::Operation;
    if (w >= 0xC000) return WordClass::Jump;
    if (w >= 0xA000) return WordClass::BranchIfNotPositive;
    if (w >= 0x9000) return WordClass::StoreElement;
    if (w >= 0x8000) return WordClass::StoreLocal;
    if (w >= 0x6000) return WordClass::StoreVariable;
    if (w >= 0x4000) return WordClass::LoadConstant;
    if (w >= 0x3000) return WordClass::LoadElement;
    if (w >= 0x2000) return WordClass::LoadLocal;
    return WordClass::LoadVariable;
}

// The count word that follows an element word (code-text letter n).
inline constexpr CodeWord kElementCountBase = 0x0000;

constexpr bool isElementWord(CodeWord w) {
    return (w & 0xF000) == kLoadElementBase || (w & 0xF000) == kStoreElementBase;
}
constexpr int elementCountOf(CodeWord countWord) { return countWord & 0xFFF; }

constexpr int operationOf(CodeWord w) { return w & 0xFF; }
constexpr int slotOf(CodeWord w) { return w & 0xFFF; }        // v c s p w
constexpr int localSlotOf(CodeWord w) { return w & 0x3FF; }   // g t
constexpr int branchDistanceOf(CodeWord w) { return w & 0xFFF; }
constexpr int jumpDistanceOf(CodeWord w) {
    const int d = w & 0xFFF;
    return d >= 0x800 ? d - 0x1000 : d;
}

// The word of a class with its operand: the low 12 bits (8 for an operation),
// so that an operand never spills into the class bits.
constexpr CodeWord encodeWord(ClassBase base, int operand) {
    return static_cast<CodeWord>(base + (operand & (base == kOperationBase ? 0xFF : 0xFFF)));
}
constexpr CodeWord encodeCountWord(int count) { return static_cast<CodeWord>(kElementCountBase + (count & 0xFFF)); }

static_assert(classOf(0xFFFF) == WordClass::End);
static_assert(classOf(0xFFFE) == WordClass::Operation);
static_assert(classOf(0x1005) == WordClass::LoadVariable && slotOf(0x1005) == 5);
static_assert(classOf(0x2405) == WordClass::LoadLocal && localSlotOf(0x2405) == 5);
static_assert(classOf(0x5003) == WordClass::LoadConstant && slotOf(0x5003) == 3);
static_assert(jumpDistanceOf(0xCFFE) == -2 && jumpDistanceOf(0xC7FF) == 2047);
static_assert(jumpDistanceOf(0xD800) == -2048);
static_assert(operationOf(0xE100) == 0);
static_assert(isElementWord(0x3001) && isElementWord(0x9FFF) && !isElementWord(0x2FFF) &&
              !isElementWord(0xA000));
static_assert(elementCountOf(kElementCountBase + 4095) == 4095);
static_assert(encodeWord(kJumpBase, -2) == 0xCFFE && encodeWord(kOperationBase, 0x1C) == 0xE01C);
static_assert(classOf(encodeWord(kLoadLocalBase, 0xFFF)) == WordClass::LoadLocal);
static_assert(classOf(encodeWord(kStoreLocalBase, 0xFFF)) == WordClass::StoreLocal);
static_assert(encodeCountWord(4096) == 0 && elementCountOf(encodeCountWord(4095)) == 4095);
static_assert(localSlotOf(0xFFFF) < kReachableLocalSlots && slotOf(0xFFFF) < kStoreSize);

}  // namespace zentra
