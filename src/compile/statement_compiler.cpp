// Statements compile to code words; conditional code gets forward branches
// whose distances are written in once the target is known.
//
//   block     := "{" statement { statement } "}"
//   statement := "var" name ";"
//              | name [ "[" expression "]" ] "=" expression ";"
//              | call ";"
//              | "if" expression block { "elsif" expression block } [ "else" block ]
//              | "while" expression block
//
// Layouts (@ branch-if-not-positive, % jump):
//   if C {A} elsif C2 {B} else {D}   C @E1 A %X  E1: C2 @E2 B %X  E2: D  X:
//   while C {A}                      S: C @X A %S  X:
#include "compile/statement_compiler.h"

#include <array>

#include "front/operand.h"
#include "compile/branch.h"
#include "compile/emit_support.h"
#include "compile/expression_compiler.h"
#include "compile/nesting_guard.h"

namespace zentra {

namespace {

// A backward jump of this many words or more is refused like a forward one,
// although the 12-bit operand could still hold -2048.
constexpr int kMaxJumpDistance = 2047;

// The end jumps of one if statement, with room for the end mark.
struct EndJumps {
    std::array<Label, kMaxEndJumps + 1> records{};
    int used = 0;
    bool overflowReported = false;
};

void reportUnusable(Compiler& c, std::int32_t position, std::string_view text) {
    c.errorAt(139, position, " " + quoted(text) + " は使用できません。");
}

// Moves to the ";" that ends the statement, or to the "}" of its block.
void skipToSemicolon(Compiler& c) {
    while (!c.atEnd() && !c.currentIs(Kind::SEMICLN) && !c.currentIs(Kind::END)) ++c.tokenIndex;
}

// var name ;  (a local slot inside a function body)
void compileDeclaration(Compiler& c) {
    ++c.tokenIndex;
    Operand name = operandFromToken(c.current());
    declareSymbol(c, name, Kind::VAR);
    ++c.tokenIndex;
    if (c.currentIs(Kind::ASSIGN)) {
        c.error(707, "関数内部で宣言した信号は初期化できません。");
        // The initial value is not compiled: one report is enough.
        skipToSemicolon(c);
    }
    c.expect(Kind::SEMICLN);
}

// The kind of the first symbol with the operand's name and scope level.
Kind kindInScope(const Compiler& c, const Operand& operand) {
    for (const int i : c.symbols.named(operand.name)) {
        const Symbol& s = c.symbols[i];
        if (s.scope == operand.scope) return s.kind;
    }
    return Kind::None;
}

void appendStore(Compiler& c, const Operand& target, bool element) {
    const int slot = target.code.slot();
    if (slot < 0) {
        // No slot to store into: a function's operation (reported as 117) or a
        // failed allocation (reported where it failed).
        c.errors.countWithoutLine();
        return;
    }
    emitWord(c, element ? kStoreElementBase : (target.scope != 0 ? kStoreLocalBase : kStoreVariableBase), slot);
    if (element) emitElementCount(c, target.name, slot);
}

// name [ "[" index "]" ] "=" expression ";"   ("return" = leaves the value on the stack)
void compileAssignment(Compiler& c) {
    const std::int32_t namePosition = c.current().position;
    Operand target = operandFromToken(c.current());
    ++c.tokenIndex;
    const Kind known = kindInScope(c, target);
    if (known != Kind::None && known != Kind::VAR && known != Kind::ARRAY &&
        c.current().scope == target.scope) {
        c.errorAt(117, namePosition, "定数 " + quoted(target.name) + " へは代入できません。");
    }
    declareSymbol(c, target, Kind::VAR);
    const bool element = known == Kind::ARRAY;
    if (element) {
        const bool opened = c.currentIs(Kind::AOPEN);
        checkElementSubscript(c, target.name);
        if (opened) {
            compileExpression(c);
            c.expect(Kind::ACLOS);
        }
    }
    c.expect(Kind::ASSIGN);
    compileExpression(c);
    if (target.name != "return") appendStore(c, target, element);
    c.expect(Kind::SEMICLN);
}

// A statement that starts with a number: a parameter constant (its uses are
// number tokens) or a literal.
void compileNumberStatement(Compiler& c) {
    const Token number = c.current();
    ++c.tokenIndex;
    if (!c.currentIs(Kind::ASSIGN)) {
        reportUnusable(c, number.position, number.text);
        if (c.currentIs(Kind::SEMICLN)) ++c.tokenIndex;
        return;
    }
    c.errors.markLine(number.position);
    c.errorAt(138, number.position, "定数へ代入はできません");
    // The right-hand side would only repeat the complaint.
    skipToSemicolon(c);
    if (c.currentIs(Kind::SEMICLN)) ++c.tokenIndex;
}

// Appends the jump that ends a then- or elsif-part and records it.
void appendEndJump(Compiler& c, EndJumps& jumps) {
    const Label jump = emitBranchPlaceholder(c, kJumpBase);
    if (jumps.used < kMaxEndJumps) {
        jumps.records[static_cast<std::size_t>(jumps.used++)] = jump;
    } else if (!jumps.overflowReported) {
        jumps.overflowReported = true;
        c.error(kErrTooManyElsifParts,
                "elsif/else の数が" + std::to_string(kMaxEndJumps) + "個を超えました。");
    }
}

// elsif C {B} ... : each part's jump ends the part before it.
void compileElsifChain(Compiler& c, EndJumps& jumps) {
    while (c.currentIs(Kind::ELSIF)) {
        c.expect(Kind::ELSIF);
        appendEndJump(c, jumps);
        compileExpression(c);
        const Label condition = emitBranchPlaceholder(c, kBranchBase);
        compileBlock(c);
        // Written once with its final adjustment: a distance is refused once.
        fixBranch(c, condition, c.currentIs(Kind::ELSIF) || c.currentIs(Kind::ELSE) ? 1 : 0);
    }
}

void compileIf(Compiler& c) {
    c.expect(Kind::IF);
    compileExpression(c);
    const Label condition = emitBranchPlaceholder(c, kBranchBase);
    compileBlock(c);
    // Over the end jump that the next part appends.
    fixBranch(c, condition, c.currentIs(Kind::ELSIF) || c.currentIs(Kind::ELSE) ? 1 : 0);
    EndJumps jumps;
    if (c.currentIs(Kind::ELSIF)) compileElsifChain(c, jumps);
    if (c.currentIs(Kind::ELSE)) {
        c.expect(Kind::ELSE);
        appendEndJump(c, jumps);
        compileBlock(c);
    }
    jumps.records[static_cast<std::size_t>(jumps.used)] = Label{};
    for (int i = 0; jumps.records[static_cast<std::size_t>(i)].word >= 0; ++i) {
        fixBranch(c, jumps.records[static_cast<std::size_t>(i)], 0);
    }
}

void compileWhile(Compiler& c) {
    ++c.tokenIndex;
    const int start = c.emitter.count();
    compileExpression(c);
    const Label loop = emitBranchPlaceholder(c, kBranchBase);
    compileBlock(c);
    const int distance = start - c.emitter.count() - 1;
    if (-distance > kMaxJumpDistance) {
        c.error(kErrBackwardJumpTooFar,
                "相対分岐" + std::to_string(-distance) + "ステップは大きすぎます。");
    }
    emitWord(c, kJumpBase, distance);
    fixBranch(c, loop, 0);
}

}  // namespace

void compileBlock(Compiler& c) {
    NestingGuard nesting(c);
    if (nesting.tooDeep()) return;
    c.expect(Kind::BEGIN);
    compileStatementList(c);
    c.expect(Kind::END);
}

void compileStatementList(Compiler& c) {
    if (c.atEnd()) return;
    do {
        compileStatement(c);
    } while (!c.atEnd() && !c.currentIs(Kind::END));
}

void compileStatement(Compiler& c) {
    switch (c.current().kind) {
        case Kind::DVAR:
            compileDeclaration(c);
            break;
        case Kind::IDENT:
            compileAssignment(c);
            break;
        case Kind::FUNC:
            // A builtin's value stays on the stack; out() and graph() leave nothing.
            compileCall(c);
            c.expect(Kind::SEMICLN);
            break;
        case Kind::IF:
            compileIf(c);
            break;
        case Kind::WHILE:
            compileWhile(c);
            break;
        case Kind::DIGIT:
            compileNumberStatement(c);
            break;
        default:
            reportUnusable(c, currentPosition(c), c.current().text);
            ++c.tokenIndex;
            break;
    }
}

}  // namespace zentra
