// The threaded machine (PassMachine) against the reference machine
// (execute): random and hand-built buffers, compared by result code, all
// three stores bit for bit, and the state of the random source.
#include "vm/pass_machine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "vm/operations.h"

namespace zentra {
namespace {

constexpr CodeWord word(int base, int operand) { return static_cast<CodeWord>(base + operand); }
constexpr CodeWord op(int number) { return word(kOperationBase, number); }
constexpr CodeWord jump(int distance) { return word(kJumpBase, distance & 0xFFF); }
constexpr CodeWord count(int elements) { return word(kElementCountBase, elements); }

bool sameStore(const ValueStore& a, const ValueStore& b) {
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

// The first slot where two stores differ, for the failure message.
std::string firstDifference(const ValueStore& a, const ValueStore& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::memcmp(&a[i], &b[i], sizeof(double)) != 0) {
            return "slot " + std::to_string(i) + ": " + std::to_string(a[i]) + " vs " + std::to_string(b[i]);
        }
    }
    return "none";
}

// One reference run and one threaded run from identical starting states.
struct Comparison {
    int referenceResult = 0;
    int threadedResult = 0;
    bool threaded = false;
};

class Equivalence : public ::testing::Test {
protected:
    Comparison compare(const MachineSettings& settings) {
        *threadedStores = *referenceStores;
        RandomSource referenceRandom = random;
        RandomSource threadedRandom = random;
        Comparison c;
        c.referenceResult = execute(*code, *referenceStores, settings, referenceRandom);
        c.threadedResult = machine.execute(*code, *threadedStores, settings, threadedRandom);
        c.threaded = machine.threaded();
        EXPECT_EQ(c.referenceResult, c.threadedResult);
        EXPECT_TRUE(sameStore(referenceStores->variables, threadedStores->variables))
            << firstDifference(referenceStores->variables, threadedStores->variables);
        EXPECT_TRUE(sameStore(referenceStores->locals, threadedStores->locals))
            << firstDifference(referenceStores->locals, threadedStores->locals);
        EXPECT_TRUE(sameStore(referenceStores->constants, threadedStores->constants));
        EXPECT_EQ(referenceRandom.state(), threadedRandom.state());
        random = referenceRandom;
        return c;
    }

    void load(const std::vector<CodeWord>& words) {
        code->fill(kEndWord);
        for (std::size_t i = 0; i < words.size() && i < code->size(); ++i) (*code)[i] = words[i];
    }

    std::unique_ptr<CodeBuffer> code = std::make_unique<CodeBuffer>();
    std::unique_ptr<ValueStores> referenceStores = std::make_unique<ValueStores>();
    std::unique_ptr<ValueStores> threadedStores = std::make_unique<ValueStores>();
    PassMachine machine;
    RandomSource random;
};

// --- random buffers --------------------------------------------------------

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return below(100) < percent; }

    double value() {
        static const double kSpecial[] = {0.0, -0.0, 1.0, -1.0, 0.5, -2.5, 2.0, 3.0, 10.0, 1e300, -1e300,
                                          std::numeric_limits<double>::infinity(),
                                          std::numeric_limits<double>::quiet_NaN(), 4095.0, 3e9, 7.9};
        if (chance(50)) return kSpecial[below(static_cast<int>(std::size(kSpecial)))];
        return std::uniform_real_distribution<double>(-20.0, 20.0)(rng_);
    }

    // Slots mostly among the first few, sometimes anywhere the bits allow.
    int slot() { return chance(90) ? below(8) : below(0x1000); }
    int operation() { return chance(92) ? below(kBuiltinCount) : below(256); }

    CodeWord load() {
        switch (below(3)) {
            case 0: return word(kLoadVariableBase, slot());
            case 1: return word(kLoadConstantBase, slot());
            default: return word(kLoadLocalBase, below(8));
        }
    }
    // An element's count: mostly a small array, sometimes none at all or
    // one that runs past the variable store.
    CodeWord elementCount() {
        if (chance(5)) return count(0);
        if (chance(5)) return count(0xFFF);
        return count(1 + below(8));
    }
    void pushStore(std::vector<CodeWord>& out) {
        switch (below(4)) {
            case 0:
                out.push_back(word(kStoreLocalBase, below(8)));
                break;
            case 1:
                out.insert(out.end(), {word(kStoreElementBase, below(8)), elementCount()});
                break;
            default:
                out.push_back(word(kStoreVariableBase, slot()));
                break;
        }
    }
    CodeWord store() {
        switch (below(4)) {
            case 0: return word(kStoreLocalBase, below(8));
            case 1: return word(kStoreElementBase, below(8));
            default: return word(kStoreVariableBase, slot());
        }
    }

    // Any word at all, weighted toward short distances.
    CodeWord anyWord() {
        switch (below(10)) {
            case 0: return jump(below(9) - 6);
            case 1: return word(kBranchBase, below(6));
            case 2: return word(kLoadElementBase, below(8));
            case 3:
            case 4: return store();
            case 5:
            case 6: return op(operation());
            case 7: return chance(10) ? kEndWord : load();
            default: return load();
        }
    }

    // Straight-line expression code that leaves one value more on the stack.
    void expression(std::vector<CodeWord>& out, int depth) {
        if (depth <= 0 || chance(35)) {
            out.push_back(load());
            if (chance(10))
                out.insert(out.end(), {word(kLoadElementBase, below(8)), elementCount()});
            return;
        }
        const int number = operation() % kBuiltinCount;
        if (number == kOpLimit) {
            for (int k = 0; k < 3; ++k) expression(out, depth - 1);
        } else if (number <= kOpBitOr || number == kOpPow || number == kOpXor || number == kOpAtan2) {
            expression(out, depth - 1);
            expression(out, depth - 1);
        } else {
            expression(out, depth - 1);
        }
        out.push_back(op(number));
    }

    // A loop or if condition: mostly a comparison, which the threaded form
    // fuses with the branch after it.
    void condition(std::vector<CodeWord>& out) {
        if (chance(30)) {
            expression(out, 2);
            return;
        }
        expression(out, 1);
        expression(out, 1);
        out.push_back(op(kOpGt + below(6)));
    }

    // Statements whose stack is empty before and after; if and while shapes
    // with the branch distances the compilers produce.
    void statements(std::vector<CodeWord>& out, int nesting, int count) {
        for (int s = 0; s < count && out.size() < 3000; ++s) {
            const int kind = nesting > 0 ? below(10) : 0;
            if (kind <= 5) {
                if (below(4) == 0) {
                    expression(out, 1);  // element index
                    expression(out, 3);
                    out.insert(out.end(), {word(kStoreElementBase, below(8)), elementCount()});
                } else {
                    expression(out, 3);
                    pushStore(out);
                }
            } else if (kind <= 7) {  // if
                condition(out);
                const std::size_t branch = out.size();
                out.push_back(kBranchBase);
                statements(out, nesting - 1, 1 + below(3));
                out[branch] = word(kBranchBase, static_cast<int>(out.size() - branch - 1));
            } else {  // while
                const std::size_t top = out.size();
                condition(out);
                const std::size_t branch = out.size();
                out.push_back(kBranchBase);
                statements(out, nesting - 1, 1 + below(3));
                out.push_back(jump(static_cast<int>(top) - static_cast<int>(out.size()) - 1));
                out[branch] = word(kBranchBase, static_cast<int>(out.size() - branch - 1));
            }
            if (chance(3)) out.push_back(anyWord());  // the odd stray word
        }
    }

    void fillStores(ValueStores& stores) {
        stores = ValueStores{};
        for (int i = 0; i < 8; ++i) {
            stores.constants[static_cast<std::size_t>(i)] = value();
            stores.variables[static_cast<std::size_t>(i)] = value();
            stores.locals[static_cast<std::size_t>(i)] = value();
        }
        stores.constants[4095] = value();
        stores.variables[4095] = value();
    }

private:
    std::mt19937 rng_;
};

TEST_F(Equivalence, RandomWords) {
    Generator g(12345);
    int threadedRuns = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        std::vector<CodeWord> words(static_cast<std::size_t>(1 + g.below(40)));
        for (CodeWord& w : words) w = g.anyWord();
        load(words);
        if (g.chance(10)) (*code)[kCodeBufferSize - 1] = g.anyWord();  // no end word at the back
        g.fillStores(*referenceStores);
        const Comparison c = compare(MachineSettings{1 + g.below(20), g.chance(50) ? 1.0 : 57.29577951308232});
        threadedRuns += c.threaded ? 1 : 0;
        if (HasFailure()) {
            ADD_FAILURE() << "trial " << trial;
            return;
        }
    }
    EXPECT_GT(threadedRuns, 1500);  // most random buffers are translated
}

TEST_F(Equivalence, RandomStructuredPrograms) {
    Generator g(777);
    int threadedRuns = 0;
    std::vector<int> results;
    for (int trial = 0; trial < 1500; ++trial) {
        std::vector<CodeWord> words;
        g.statements(words, 3, 2 + g.below(10));
        load(words);
        g.fillStores(*referenceStores);
        const Comparison c = compare(MachineSettings{1 + g.below(200), g.chance(50) ? 1.0 : 57.29577951308232});
        threadedRuns += c.threaded ? 1 : 0;
        results.push_back(c.referenceResult);
        if (HasFailure()) {
            ADD_FAILURE() << "trial " << trial;
            return;
        }
    }
    EXPECT_GT(threadedRuns, 1000);  // stray words make some depths path-dependent
    // The programs reach the ordinary ends as well as the failures.
    for (const int expected : {kPassOk, kLoopLimitReached, kElementOutsideArray, kDivisionByZero}) {
        EXPECT_NE(std::find(results.begin(), results.end(), expected), results.end()) << expected;
    }
}

// --- hand-built buffers ----------------------------------------------------

struct HandCase {
    const char* name;
    std::vector<CodeWord> words;
    std::vector<double> constants;
};

class HandBuilt : public Equivalence, public ::testing::WithParamInterface<HandCase> {};

TEST_P(HandBuilt, MatchesTheReferenceForEveryLoopLimit) {
    const HandCase& hc = GetParam();
    for (int limit = 1; limit <= 12; ++limit) {
        for (const double unit : {1.0, 57.29577951308232}) {
            load(hc.words);
            *referenceStores = ValueStores{};
            for (std::size_t i = 0; i < hc.constants.size(); ++i) referenceStores->constants[i] = hc.constants[i];
            referenceStores->variables[3] = 2.0;  // something for underflow cases to overwrite
            const Comparison c = compare(MachineSettings{limit, unit});
            EXPECT_TRUE(c.threaded) << hc.name;
            if (HasFailure()) {
                ADD_FAILURE() << hc.name << " limit " << limit;
                return;
            }
        }
    }
}

std::vector<CodeWord> pushes(int count) {
    std::vector<CodeWord> words(static_cast<std::size_t>(count), word(kLoadConstantBase, 0));
    words.push_back(word(kStoreVariableBase, 1));
    return words;
}

const CodeWord v1 = word(kLoadVariableBase, 1), v2 = word(kLoadVariableBase, 2);
const CodeWord c0 = word(kLoadConstantBase, 0), c1 = word(kLoadConstantBase, 1), c2 = word(kLoadConstantBase, 2);
const CodeWord s1 = word(kStoreVariableBase, 1), s2 = word(kStoreVariableBase, 2), s3 = word(kStoreVariableBase, 3);

INSTANTIATE_TEST_SUITE_P(
    Machine, HandBuilt,
    ::testing::Values(
        // while i < n { x = x * c + i / d; i = i + 1 }
        HandCase{"loop",
                 {v1, c0, op(kOpLt), word(kBranchBase, 13), v2, c1, op(kOpMul), v1, c2, op(kOpDiv),
                  op(kOpAdd), s2, v1, c1, op(kOpAdd), s1, jump(-17)},
                 {5, 1, 1000}},
        HandCase{"loop whose condition is not a comparison",
                 {c0, v1, op(kOpSub), word(kBranchBase, 5), v1, c1, op(kOpAdd), s1, jump(-9)},
                 {6, 1}},
        HandCase{"63 pushes fit", pushes(63), {1}},
        HandCase{"the 64th push overflows", pushes(64), {1}},
        HandCase{"pops from the empty stack read 0",
                 {op(kOpAdd), op(kOpSin), s1, s2, op(kOpLimit), s3},
                 {}},
        HandCase{"store from the empty stack", {s3, c0, s1}, {4}},
        HandCase{"element index below its array",
                 {c0, c1, word(kStoreElementBase, 2), count(5)},
                 {-3, 9}},
        HandCase{
            "element index past its array", {c0, word(kLoadElementBase, 2), count(3), s1}, {3}},
        HandCase{"element of an array without elements",
                 {c0, word(kLoadElementBase, 2), count(0), s1},
                 {0}},
        HandCase{"element index wraps at 32 bits",
                 {c0, word(kLoadElementBase, 2), count(3), s1},
                 {4294967298.0}},
        HandCase{"element index above the store",
                 {c0, word(kLoadElementBase, 4000), count(200), s1},
                 {96}},
        HandCase{"element at the last slot",
                 {c0, c1, word(kStoreElementBase, 4000), count(96), c0,
                  word(kLoadElementBase, 4000), count(96), s1},
                 {95, 9}},
        HandCase{"an element store between a load and its use",
                 {v1, c0, c1, word(kStoreElementBase, 0), count(4), c1, op(kOpAdd), s2},
                 {1, 7}},
        HandCase{"a count word that spells a jump is not run",
                 {c0, word(kLoadElementBase, 1), jump(-3), s1},
                 {0}},
        HandCase{"a store between a load and its use", {v1, c0, s1, c1, op(kOpAdd), s2}, {5, 1}},
        HandCase{"jump below the buffer", {jump(-5)}, {}},
        HandCase{"jump onto the end word counts", {jump(0)}, {}},
        HandCase{"branch past the buffer", {c0, word(kBranchBase, 0xFFF)}, {-1}},
        HandCase{"branch inside a condition value",
                 {c0, c1, word(kBranchBase, 1), op(kOpAdd), s1},
                 {2, 0}},
        HandCase{"operations without meaning end the pass", {c0, s1, op(kOpFft), c0, s2}, {3}},
        HandCase{"high operation bits are ignored",
                 {c0, c1, word(kOperationBase, 0x1F00 + kOpSub), s1},
                 {3, 5}},
        HandCase{"failures", {c0, c1, op(kOpDiv), s1}, {1, 0}},
        HandCase{"random and gauss draw in order",
                 {c0, op(kOpRandom), c0, op(kOpGauss), op(kOpAdd), s1, jump(-7)},
                 {1}},
        HandCase{"power by both methods",
                 {c0, c1, op(kOpPow), c0, c2, op(kOpPow), op(kOpAdd), s1},
                 {2, 10, 0.5}},
        HandCase{"local words ignore bits 10 and 11",
                 {c0, word(kStoreLocalBase, 0xC05), word(kLoadLocalBase, 0x405), s1},
                 {8}}),
    [](const ::testing::TestParamInfo<HandCase>& param) {
        std::string name;
        for (const char* p = param.param.name; *p != '\0'; ++p) name += std::isalnum(*p) ? *p : '_';
        return name;
    });

TEST_F(Equivalence, FallingOffTheBufferFails) {
    code->fill(word(kLoadConstantBase, 0));
    for (std::size_t i = 1; i < code->size(); i += 2) (*code)[i] = word(kStoreVariableBase, 1);
    EXPECT_EQ(compare(MachineSettings{5, 1.0}).threadedResult, kNoEndWord);
}

TEST_F(Equivalence, PathDependentStackDepthRunsOnTheReference) {
    // The branch skips one push: the end word is reached at depth 0 or 1.
    load({c0, word(kBranchBase, 1), c0, c1, s1});
    referenceStores->constants[0] = -1;
    referenceStores->constants[1] = 4;
    const Comparison c = compare(MachineSettings{5, 1.0});
    EXPECT_FALSE(c.threaded);
    EXPECT_EQ(c.threadedResult, kPassOk);
}

TEST_F(Equivalence, ACountWordBranchedOntoRunsOnTheReference) {
    // Word 3 is the count word of word 2 and, when the branch is taken, a load.
    load({c0, word(kBranchBase, 1), word(kLoadElementBase, 1), word(kLoadVariableBase, 2), s1});
    referenceStores->variables[1] = 5;
    referenceStores->variables[2] = 7;
    for (const double c : {1.0, -1.0}) {
        referenceStores->constants[0] = c;
        const Comparison result = compare(MachineSettings{5, 1.0});
        EXPECT_FALSE(result.threaded);
        EXPECT_EQ(result.threadedResult, kPassOk);
    }
}

TEST_F(Equivalence, ElementWordsAtTheEndOfTheBuffer) {
    struct EndCase {
        int at;        // where the element word stands
        int elements;  // the count word after it, when there is room
        int expected;
    };
    for (const EndCase e : {EndCase{4094, 1, kNoEndWord}, EndCase{4094, 0, kElementOutsideArray},
                            EndCase{4095, 1, kNoEndWord}}) {
        code->fill(kEndWord);
        (*code)[0] = jump(2047);  // to 2048
        (*code)[2048] = jump(e.at - 2048 - 1);
        (*code)[static_cast<std::size_t>(e.at)] = word(kLoadElementBase, 1);
        if (e.at + 1 < kCodeBufferSize)
            (*code)[static_cast<std::size_t>(e.at) + 1] = count(e.elements);
        EXPECT_EQ(compare(MachineSettings{10, 1.0}).referenceResult, e.expected) << e.at;
    }
}

// A host that cancels at every third question.
bool everyThirdCancels(void* context) { return ++*static_cast<int*>(context) % 3 != 0; }

TEST_F(Equivalence, CancellingStopsBothMachinesAtTheSameJump) {
    // i = 0; while i < n { i = i + 1; }
    load({v1, c0, op(kOpLt), word(kBranchBase, 5), v1, c1, op(kOpAdd), s1, jump(-9)});
    referenceStores->constants[0] = 1e9;
    referenceStores->constants[1] = 1;
    int questions = 0;
    MachineSettings settings{2000000000, 1.0};
    settings.keepRunning = everyThirdCancels;
    settings.keepRunningContext = &questions;
    const Comparison c = compare(settings);
    EXPECT_TRUE(c.threaded);
    EXPECT_EQ(c.referenceResult, kPassCancelled);
    EXPECT_EQ(questions, 6);
    // Asked after jumps 65536, 131072 and 196608: one jump per turn of the loop.
    EXPECT_EQ(threadedStores->variables[1], 3.0 * kKeepRunningInterval);

    // The loop limit still comes first when it is reached before a question.
    questions = 0;
    referenceStores->variables[1] = 0;
    settings.loopLimit = 70000;
    EXPECT_EQ(compare(settings).referenceResult, kLoopLimitReached);
    EXPECT_EQ(questions, 2);
    // Without anybody to ask, a pass just runs.
    referenceStores->variables[1] = 0;
    settings.keepRunning = nullptr;
    settings.loopLimit = 300000;
    referenceStores->constants[0] = 250000;
    EXPECT_EQ(compare(settings).referenceResult, kPassOk);
    EXPECT_EQ(threadedStores->variables[1], 250000);
}

// --- the translation cache and the store clearing --------------------------

TEST(PassMachineCache, TranslatesOnceUntilTheReachableWordsChange) {
    auto code = std::make_unique<CodeBuffer>();
    auto stores = std::make_unique<ValueStores>();
    code->fill(kEndWord);
    stores->constants[0] = 2;
    stores->constants[1] = 3;
    (*code)[0] = c0;
    (*code)[1] = c1;
    (*code)[2] = op(kOpAdd);
    (*code)[3] = s1;
    PassMachine machine;
    RandomSource random;
    const MachineSettings settings{10, 1.0};
    EXPECT_EQ(machine.runPass(*code, *stores, settings, random), kPassOk);
    EXPECT_EQ(stores->variables[1], 5);
    EXPECT_EQ(machine.runPass(*code, *stores, settings, random), kPassOk);
    EXPECT_EQ(machine.translationCount(), 1);

    // A word past the end word is never read: no new translation.
    (*code)[100] = op(kOpDiv);
    EXPECT_EQ(machine.runPass(*code, *stores, settings, random), kPassOk);
    EXPECT_EQ(machine.translationCount(), 1);

    // A changed operation is seen at once.
    (*code)[2] = op(kOpMul);
    EXPECT_EQ(machine.runPass(*code, *stores, settings, random), kPassOk);
    EXPECT_EQ(stores->variables[1], 6);
    EXPECT_EQ(machine.translationCount(), 2);

    // So is a changed end: the words after it become reachable.
    (*code)[4] = c0;
    (*code)[5] = s2;
    EXPECT_EQ(machine.runPass(*code, *stores, settings, random), kPassOk);
    EXPECT_EQ(stores->variables[2], 2);
    EXPECT_EQ(machine.translationCount(), 3);

    // Other stores: the operands must point into them.
    auto other = std::make_unique<ValueStores>();
    other->constants[0] = 10;
    other->constants[1] = 4;
    EXPECT_EQ(machine.runPass(*code, *other, settings, random), kPassOk);
    EXPECT_EQ(other->variables[1], 40);
    EXPECT_EQ(stores->variables[1], 6);
    EXPECT_EQ(machine.translationCount(), 4);
}

// A sequence of passes of different programs over the same stores leaves
// them exactly as full clears before each pass would.
TEST(PassMachineCache, PartialClearingIsIndistinguishableFromFullClearing) {
    Generator g(99);
    auto code = std::make_unique<CodeBuffer>();
    auto fast = std::make_unique<ValueStores>();
    auto full = std::make_unique<ValueStores>();
    PassMachine machine;
    RandomSource fastRandom, fullRandom;
    for (int pass = 0; pass < 400; ++pass) {
        if (pass % 5 == 0) {  // a new program every few passes, as a new Exec would bring
            std::vector<CodeWord> words;
            g.statements(words, 2, 2 + g.below(6));
            // Element stores far up the store, and loads of what they wrote.
            if (g.chance(40)) {
                const int base = 2000 + g.below(2000);
                words.insert(words.end(),
                             {c0, c1, word(kStoreElementBase, base), count(kStoreSize - base)});
            }
            if (g.chance(40)) {
                const int base = 2000 + g.below(2000);
                words.insert(words.end(),
                             {c0, word(kLoadElementBase, base), count(kStoreSize - base), s2});
            }
            code->fill(kEndWord);
            std::copy(words.begin(), words.end(), code->begin());
            g.fillStores(*full);
            fast->constants = full->constants;
        }
        full->constants[0] = pass;  // the sweep slot
        fast->constants[0] = pass;
        const MachineSettings settings{50, 1.0};
        full->variables.fill(0.0);
        full->locals.fill(0.0);
        const int expected = execute(*code, *full, settings, fullRandom);
        EXPECT_EQ(machine.runPass(*code, *fast, settings, fastRandom), expected);
        EXPECT_TRUE(sameStore(full->variables, fast->variables)) << firstDifference(full->variables, fast->variables);
        EXPECT_TRUE(sameStore(full->locals, fast->locals)) << firstDifference(full->locals, fast->locals);
        if (HasFailure()) {
            ADD_FAILURE() << "pass " << pass;
            return;
        }
    }
}

TEST(PassMachineCache, ForgettingTheStoresClearsThemInFull) {
    auto code = std::make_unique<CodeBuffer>();
    auto stores = std::make_unique<ValueStores>();
    code->fill(kEndWord);
    (*code)[0] = c0;
    (*code)[1] = word(kLoadElementBase, 3000);
    (*code)[2] = count(1000);
    (*code)[3] = s1;
    PassMachine machine;
    RandomSource random;
    const MachineSettings settings{10, 1.0};
    machine.runPass(*code, *stores, settings, random);
    stores->variables[3000] = 7;  // written outside a pass
    machine.forgetStores();
    machine.runPass(*code, *stores, settings, random);
    EXPECT_EQ(stores->variables[1], 0.0);
    EXPECT_EQ(stores->variables[3000], 0.0);
}

}  // namespace
}  // namespace zentra
