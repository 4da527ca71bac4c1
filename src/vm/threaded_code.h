// The threaded form of a code buffer: the stack words translated once into
// three-address instructions whose operands point straight at store cells,
// at fixed stack temporaries or at a cell that always reads 0.0.
//
// The value stack of a pass has a depth at every word that does not depend on
// the data (pops from the empty stack leave it empty, every push is counted),
// so stack slot k can live in temporary k. Loads are not copied onto the stack
// at all: they become operands of the instruction that consumes them. The
// instructions run in the order of the words they stand for, so every failure,
// every draw of the random source and every store happens at the same point.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "vm/machine.h"
#include "vm/operations.h"
#include "vm/value_stores.h"

namespace zentra {

// The handlers of the operations come first, one per operation and in its
// order (operations.h), so that an operation's number is its handler's:
//   two pops     d a b      *d = *a op *b
//   one pop      d a        *d = op(*a); Random ignores *a
//   limit        d a b c    *d = *a clamped to *b, then to *c
//   no push      the pass ends with 0 (the translation emits End for them)
// A failing operation ends the pass with minus its number. The handlers of
// the machine's other work follow:
//
// Handler  operands                    effect
#define ZENTRA_THREADED_HANDLERS(X)                                                   \
    X(Move)     /* d a        *d = *a                                        */       \
    X(LoadElement)  /* d a extra count  *d = variable[extra + int(*a)], -45 past count */ \
    X(StoreElement) /* a b extra count  variable[extra + int(*a)] = *b, -45 likewise  */ \
    X(Branch)   /* a target   go to target unless *a > 0                     */       \
    X(BranchGt) /* a b target go to target when the comparison is false      */       \
    X(BranchLt)                                                                       \
    X(BranchGe)                                                                       \
    X(BranchLe)                                                                       \
    X(BranchEq)                                                                       \
    X(BranchNe)                                                                       \
    X(Jump)     /* target     count the jump, -41 at the limit, go to target */       \
    X(JumpGt)   /* a b target extra: a counted jump onto a BranchGt..BranchNe */ \
    X(JumpLt)   /*            continues at target when that one would branch, */ \
    X(JumpGe)   /*            else at extra                                   */ \
    X(JumpLe)                                                                         \
    X(JumpEq)                                                                         \
    X(JumpNe)                                                                         \
    X(End)      /*            the pass ends with 0                           */       \
    X(Fail)     /* extra      the pass ends with result code extra           */

enum class Handler : std::uint8_t {
#define ZENTRA_HANDLER_OF_OPERATION(name, ...) name,
    ZENTRA_OPERATIONS(ZENTRA_HANDLER_OF_OPERATION)
#undef ZENTRA_HANDLER_OF_OPERATION
#define ZENTRA_HANDLER_ENUM(name) name,
    ZENTRA_THREADED_HANDLERS(ZENTRA_HANDLER_ENUM)
#undef ZENTRA_HANDLER_ENUM
};

constexpr Handler handlerOf(int op) { return static_cast<Handler>(op); }
static_assert(handlerOf(kOpGauss) == Handler::Gauss &&
              static_cast<int>(Handler::Move) == kBuiltinCount);

struct Instruction {
    const void* label = nullptr;  // the handler's address, filled in when linked
    double* d = nullptr;
    const double* a = nullptr;
    const double* b = nullptr;
    const double* c = nullptr;
    std::int32_t target = 0;  // instruction index of a branch or jump
    std::int32_t extra = 0;   // base slot, result code or the fall-through index
    std::int32_t count = 0;   // the element count of an element load or store
    Handler handler = Handler::End;
};

struct ThreadedProgram {
    std::vector<Instruction> code;
    std::array<double, kStackSlots> temporaries{};  // slot k holds stack slot k
    double zero = 0.0;                              // what a pop from the empty stack reads; never written
    ValueStores* stores = nullptr;                  // the stores the operands point into
    bool linked = false;
    // Highest variable slot the pass may have written, plus one: the static
    // stores, raised by executed element stores.
    int variableWriteEnd = 0;
    int localWriteEnd = 0;
    int elementWriteEnd = 0;
};

// Translates the words reachable from index 0. Returns nothing when the stack
// depth at some word depends on the path taken (no assembled program does
// that); such a buffer is run by the reference machine. `reachableEnd` is set
// to one past the highest word the translation read.
std::unique_ptr<ThreadedProgram> translateCode(const CodeBuffer& code, ValueStores& stores,
                                               int& reachableEnd);

// Runs one pass of a translated program: the same result codes, store
// contents and random draws as execute() on the buffer it came from.
int runThreaded(ThreadedProgram& program, const MachineSettings& settings, RandomSource& random);

}  // namespace zentra
