// Translation of a code buffer into its threaded form (threaded_code.h).
#include <algorithm>
#include <vector>

#include "vm/operations.h"
#include "vm/threaded_code.h"

namespace zentra {

namespace {

constexpr int kNoDepth = -1;
constexpr int kMaxDepth = kStackSlots - 1;  // a push at this depth overflows

StackEffect effectOfOperation(int op) { return kStackEffects[static_cast<std::size_t>(op)]; }
bool endsPass(int op) { return effectOfOperation(op).pushes == 0; }
bool isComparison(int op) { return op >= kOpGt && op <= kOpNe; }
int popped(int depth) { return depth > 0 ? depth - 1 : 0; }

// Stack depth after a word that goes on to the next one (jumps excluded).
struct Effect {
    int depth;
    bool continues;
};

Effect effectOf(CodeWord w, int d) {
    switch (classOf(w)) {
        case WordClass::End: return {d, false};
        case WordClass::Operation: {
            const StackEffect effect = effectOfOperation(operationOf(w));
            if (effect.pushes == 0) return {d, false};
            int after = d;
            for (int k = 0; k < effect.pops; ++k) after = popped(after);
            return {after + effect.pushes, true};
        }
        case WordClass::Jump: return {d, false};
        case WordClass::BranchIfNotPositive:
        case WordClass::StoreLocal:
        case WordClass::StoreVariable: return {popped(d), true};
        case WordClass::StoreElement: return {popped(popped(d)), true};
        case WordClass::LoadElement: return {popped(d) + 1, true};
        default:  // the three loads
            return d >= kMaxDepth ? Effect{d, false} : Effect{d + 1, true};
    }
}

// The word after word `index` in straight-line order: an element word
// takes its count word with it.
int nextWord(int index, CodeWord w) { return index + (isElementWord(w) ? 2 : 1); }
int jumpTarget(int index, CodeWord w) { return index + jumpDistanceOf(w) + 1; }
int branchTarget(int index, CodeWord w) { return index + branchDistanceOf(w) + 1; }
bool inBuffer(int index) { return index >= 0 && index < kCodeBufferSize; }

// The words reachable from index 0, the stack depth on entry to each, and the
// words that a jump or branch lands on.
struct FlowGraph {
    std::vector<int> depth = std::vector<int>(kCodeBufferSize, kNoDepth);
    std::vector<bool> leader = std::vector<bool>(kCodeBufferSize, false);
    int end = 0;  // one past the highest reachable word
    bool consistent = true;
};

FlowGraph analyse(const CodeBuffer& code) {
    FlowGraph g;
    std::vector<int> work;
    auto visit = [&](int index, int depth) {
        int& known = g.depth[static_cast<std::size_t>(index)];
        if (known == kNoDepth) {
            known = depth;
            work.push_back(index);
        } else if (known != depth) {
            g.consistent = false;
        }
    };
    visit(0, 0);
    while (!work.empty() && g.consistent) {
        const int i = work.back();
        work.pop_back();
        const CodeWord w = code[static_cast<std::size_t>(i)];
        // The translation reads an element word's count word too.
        const int last = std::min(nextWord(i, w), kCodeBufferSize);
        if (last > g.end) g.end = last;
        const int d = g.depth[static_cast<std::size_t>(i)];
        const Effect e = effectOf(w, d);
        const WordClass cls = classOf(w);
        if (cls == WordClass::Jump || cls == WordClass::BranchIfNotPositive) {
            const int t = cls == WordClass::Jump ? jumpTarget(i, w) : branchTarget(i, w);
            if (inBuffer(t)) {
                g.leader[static_cast<std::size_t>(t)] = true;
                visit(t, cls == WordClass::Jump ? d : e.depth);
            }
        }
        if (e.continues && nextWord(i, w) < kCodeBufferSize) visit(nextWord(i, w), e.depth);
    }
    // A count word that is also run as a word of its own (only a hand-made
    // buffer branches onto one) has no place in the threaded layout.
    for (int i = 0; i + 1 < kCodeBufferSize && g.consistent; ++i) {
        if (g.depth[static_cast<std::size_t>(i)] != kNoDepth &&
            isElementWord(code[static_cast<std::size_t>(i)]) &&
            g.depth[static_cast<std::size_t>(i) + 1] != kNoDepth) {
            g.consistent = false;
        }
    }
    return g;
}

enum class CellKind : std::uint8_t { Temporary, Variable, Local, Constant };

// Branch handler of a comparison followed by a branch word.
Handler branchOnComparison(int op) {
    return static_cast<Handler>(static_cast<int>(Handler::BranchGt) + (op - kOpGt));
}

Handler jumpOntoBranch(Handler branch) {
    return static_cast<Handler>(static_cast<int>(Handler::JumpGt) +
                                (static_cast<int>(branch) - static_cast<int>(Handler::BranchGt)));
}

bool isComparisonBranch(Handler h) {
    return static_cast<int>(h) >= static_cast<int>(Handler::BranchGt) &&
           static_cast<int>(h) <= static_cast<int>(Handler::BranchNe);
}

class Translator {
public:
    Translator(const CodeBuffer& code, ValueStores& stores, const FlowGraph& graph, ThreadedProgram& out)
        : code_(code), stores_(stores), graph_(graph), out_(out) {}

    void run() {
        bool carrying = false;  // the previous word flows into this one
        for (int i = 0; i < graph_.end; ++i) {
            if (depthAt(i) == kNoDepth) {
                carrying = false;
                continue;
            }
            if (graph_.leader[static_cast<std::size_t>(i)] || !carrying) {
                if (carrying) materializeAll();
                startCanonical(depthAt(i));
            }
            wordStart_[static_cast<std::size_t>(i)] = static_cast<int>(out_.code.size());
            const int consumed = translateWord(i);
            i += consumed;
            carrying = flowsOn();
            if (carrying && i + 1 >= kCodeBufferSize) emit(Handler::Fail).extra = kNoEndWord;
        }
        resolveTargets();
        fuseJumpsOntoBranches();
    }

private:
    int depthAt(int i) const { return graph_.depth[static_cast<std::size_t>(i)]; }
    CodeWord wordAt(int i) const { return code_[static_cast<std::size_t>(i)]; }

    // Whether the word just translated goes on to the word after the last one it consumed.
    bool flowsOn() const { return !terminated_ && !jumped_; }

    // The word after i when it may be fused into the instruction for word i.
    bool fusable(int i) const {
        return i + 1 < kCodeBufferSize && !graph_.leader[static_cast<std::size_t>(i + 1)];
    }

    Instruction& emit(Handler h) {
        out_.code.push_back(Instruction{});
        out_.code.back().handler = h;
        return out_.code.back();
    }

    void emitBranchTo(Handler h, const double* a, const double* b, int wordTarget) {
        Instruction& in = emit(h);
        in.a = a;
        in.b = b;
        fixups_.push_back({static_cast<int>(out_.code.size()) - 1, wordTarget});
    }

    // --- the symbolic stack ----------------------------------------------
    void startCanonical(int depth) {
        depth_ = depth;
        for (int k = 1; k <= depth; ++k) kind_[static_cast<std::size_t>(k)] = CellKind::Temporary;
    }
    double* temporary(int k) { return &out_.temporaries[static_cast<std::size_t>(k)]; }
    const double* source(int k) {
        return kind_[static_cast<std::size_t>(k)] == CellKind::Temporary ? temporary(k)
                                                                         : cell_[static_cast<std::size_t>(k)];
    }
    void pushCell(const double* cell, CellKind kind) {
        ++depth_;
        cell_[static_cast<std::size_t>(depth_)] = cell;
        kind_[static_cast<std::size_t>(depth_)] = kind;
    }
    void pushTemporary() { pushCell(nullptr, CellKind::Temporary); }
    const double* pop() {
        if (depth_ == 0) return &out_.zero;
        const double* s = source(depth_);
        --depth_;
        return s;
    }
    void materialize(int k) {
        if (kind_[static_cast<std::size_t>(k)] == CellKind::Temporary) return;
        Instruction& in = emit(Handler::Move);
        in.d = temporary(k);
        in.a = cell_[static_cast<std::size_t>(k)];
        kind_[static_cast<std::size_t>(k)] = CellKind::Temporary;
    }
    void materializeAll() {
        for (int k = 1; k <= depth_; ++k) materialize(k);
    }
    // Before a store: loads still on the stack must keep the value they read.
    void materializeCell(const double* written) {
        for (int k = 1; k <= depth_; ++k) {
            if (kind_[static_cast<std::size_t>(k)] != CellKind::Temporary && cell_[static_cast<std::size_t>(k)] == written) {
                materialize(k);
            }
        }
    }
    void materializeKind(CellKind kind) {
        for (int k = 1; k <= depth_; ++k) {
            if (kind_[static_cast<std::size_t>(k)] == kind) materialize(k);
        }
    }

    double* variableCell(int slot) {
        if (slot + 1 > out_.variableWriteEnd) out_.variableWriteEnd = slot + 1;
        return &stores_.variables[static_cast<std::size_t>(slot)];
    }
    double* localCell(int slot) {
        if (slot + 1 > out_.localWriteEnd) out_.localWriteEnd = slot + 1;
        return &stores_.locals[static_cast<std::size_t>(slot)];
    }

    // Where the result of the word(s) ending at word i goes: straight into
    // the store of a store word that follows, or onto the stack. Sets `consumed`.
    double* resultCell(int i, int& consumed) {
        consumed = 0;
        if (fusable(i)) {
            const CodeWord next = wordAt(i + 1);
            if (classOf(next) == WordClass::StoreVariable) {
                double* cell = variableCell(slotOf(next));
                materializeCell(cell);
                consumed = 1;
                return cell;
            }
            if (classOf(next) == WordClass::StoreLocal) {
                double* cell = localCell(localSlotOf(next));
                materializeCell(cell);
                consumed = 1;
                return cell;
            }
        }
        return temporary(depth_ + 1);
    }

    void finishResult(int consumed) {
        if (consumed == 0) pushTemporary();
    }

    // --- words -------------------------------------------------------------
    // Emits the instructions of word i (and of the word it fuses with);
    // returns the number of following words consumed.
    int translateWord(int i) {
        terminated_ = false;
        jumped_ = false;
        const CodeWord w = wordAt(i);
        switch (classOf(w)) {
            case WordClass::End: return terminate(Handler::End, 0);
            case WordClass::Operation: return translateOperation(i, operationOf(w));
            case WordClass::Jump: {
                jumped_ = true;
                materializeAll();
                const int t = jumpTarget(i, w);
                if (!inBuffer(t)) return terminate(Handler::Fail, kNoEndWord);
                emitBranchTo(Handler::Jump, nullptr, nullptr, t);
                return 0;
            }
            case WordClass::BranchIfNotPositive: {
                const double* x = pop();
                materializeAll();
                emitBranchTo(Handler::Branch, x, nullptr, branchTarget(i, w));
                return 0;
            }
            case WordClass::StoreElement: {
                if (i + 1 >= kCodeBufferSize) return terminate(Handler::Fail, kNoEndWord);
                const double* v = pop();
                const double* x = pop();
                materializeKind(CellKind::Variable);
                Instruction& in = emit(Handler::StoreElement);
                in.a = x;
                in.b = v;
                in.extra = slotOf(w);
                in.count = elementCountOf(wordAt(i + 1));
                return 1;  // the count word
            }
            case WordClass::StoreLocal:
            case WordClass::StoreVariable: {
                const double* v = pop();
                double* cell = classOf(w) == WordClass::StoreLocal ? localCell(localSlotOf(w)) : variableCell(slotOf(w));
                materializeCell(cell);
                Instruction& in = emit(Handler::Move);
                in.d = cell;
                in.a = v;
                return 0;
            }
            case WordClass::LoadElement: {
                if (i + 1 >= kCodeBufferSize) return terminate(Handler::Fail, kNoEndWord);
                const double* x = pop();
                int consumed = 0;
                double* d = resultCell(i + 1, consumed);  // a store after the count word
                Instruction& in = emit(Handler::LoadElement);
                in.d = d;
                in.a = x;
                in.extra = slotOf(w);
                in.count = elementCountOf(wordAt(i + 1));
                finishResult(consumed);
                return consumed + 1;
            }
            case WordClass::LoadConstant:
                return load(&stores_.constants[static_cast<std::size_t>(slotOf(w))], CellKind::Constant);
            case WordClass::LoadLocal:
                return load(&stores_.locals[static_cast<std::size_t>(localSlotOf(w))], CellKind::Local);
            default:
                return load(&stores_.variables[static_cast<std::size_t>(slotOf(w))], CellKind::Variable);
        }
    }

    int load(const double* cell, CellKind kind) {
        if (depth_ >= kMaxDepth) return terminate(Handler::Fail, kStackOverflow);
        pushCell(cell, kind);
        return 0;
    }

    int terminate(Handler h, int extra) {
        emit(h).extra = extra;
        terminated_ = true;
        return 0;
    }

    int translateOperation(int i, int op) {
        if (endsPass(op)) return terminate(Handler::End, 0);
        const int pops = effectOfOperation(op).pops;
        if (pops == 3) {
            const double* hi = pop();
            const double* lo = pop();
            const double* x = pop();
            int consumed = 0;
            double* d = resultCell(i, consumed);
            Instruction& in = emit(handlerOf(op));
            in.d = d;
            in.a = x;
            in.b = lo;
            in.c = hi;
            finishResult(consumed);
            return consumed;
        }
        if (pops == 2) {
            const double* b = pop();
            const double* a = pop();
            if (isComparison(op) && fusable(i) && classOf(wordAt(i + 1)) == WordClass::BranchIfNotPositive) {
                materializeAll();
                emitBranchTo(branchOnComparison(op), a, b, branchTarget(i + 1, wordAt(i + 1)));
                return 1;
            }
            int consumed = 0;
            double* d = resultCell(i, consumed);
            Instruction& in = emit(handlerOf(op));
            in.d = d;
            in.a = a;
            in.b = b;
            finishResult(consumed);
            return consumed;
        }
        const double* x = pop();
        int consumed = 0;
        double* d = resultCell(i, consumed);
        Instruction& in = emit(handlerOf(op));
        in.d = d;
        in.a = x;
        finishResult(consumed);
        return consumed;
    }

    // --- targets -----------------------------------------------------------
    void resolveTargets() {
        int outside = -1;  // the shared failure of branches that leave the buffer
        for (const auto& [instruction, word] : fixups_) {
            int target;
            if (inBuffer(word)) {
                target = wordStart_[static_cast<std::size_t>(word)];
            } else {
                if (outside < 0) {
                    emit(Handler::Fail).extra = kNoEndWord;
                    outside = static_cast<int>(out_.code.size()) - 1;
                }
                target = outside;
            }
            out_.code[static_cast<std::size_t>(instruction)].target = target;
        }
    }

    // A loop's back jump lands on its condition: the jump tests it itself.
    void fuseJumpsOntoBranches() {
        for (Instruction& in : out_.code) {
            if (in.handler != Handler::Jump) continue;
            const Instruction& onto = out_.code[static_cast<std::size_t>(in.target)];
            if (!isComparisonBranch(onto.handler)) continue;
            in.handler = jumpOntoBranch(onto.handler);
            in.a = onto.a;
            in.b = onto.b;
            in.extra = in.target + 1;
            in.target = onto.target;
        }
    }

    const CodeBuffer& code_;
    ValueStores& stores_;
    const FlowGraph& graph_;
    ThreadedProgram& out_;

    std::array<const double*, kStackSlots> cell_{};
    std::array<CellKind, kStackSlots> kind_{};
    int depth_ = 0;
    bool terminated_ = false;
    bool jumped_ = false;
    std::vector<int> wordStart_ = std::vector<int>(kCodeBufferSize, -1);
    std::vector<std::pair<int, int>> fixups_;  // instruction, word it goes to
};

}  // namespace

std::unique_ptr<ThreadedProgram> translateCode(const CodeBuffer& code, ValueStores& stores,
                                               int& reachableEnd) {
    const FlowGraph graph = analyse(code);
    if (!graph.consistent) {
        reachableEnd = kCodeBufferSize;  // the analysis stopped early: every word counts
        return nullptr;
    }
    reachableEnd = graph.end;
    auto program = std::make_unique<ThreadedProgram>();
    program->stores = &stores;
    program->code.reserve(static_cast<std::size_t>(graph.end) + 2);
    Translator(code, stores, graph, *program).run();
    return program;
}

}  // namespace zentra
