// Calls: builtin functions, the output selections out() and graph(), and aux().
//
//   call      := builtin "(" [ expression { "," expression } ] ")"
//              | ("out" | "graph") "(" name { "," name } ")"
//              | "aux" "(" name ")"
#include <vector>

#include "compile/emit_support.h"
#include "compile/expression_compiler.h"

namespace zentra {

namespace {

bool endsSelection(Kind kind) {
    return kind == Kind::CLOSE || kind == Kind::SEMICLN || kind == Kind::END || kind == Kind::None;
}

// out(a, b) and graph(a, b): names of known variables, no code.
void compileSelection(Compiler& c, std::vector<std::string>& names) {
    const std::string callName(c.current().text);
    ++c.tokenIndex;
    c.expect(Kind::OPEN);
    bool reported = false;
    while (!c.atEnd()) {
        const Token& argument = c.current();
        if (argument.kind == Kind::IDENT && c.symbols.find(Kind::VAR, argument.text) >= 0) {
            names.emplace_back(argument.text);
            ++c.tokenIndex;
        } else {
            c.errorAt(246, argument.position, callName + "()の引数が未定義または非変数です");
            reported = true;
            // A closing token stays for the checks below and for the statement.
            if (!endsSelection(argument.kind)) ++c.tokenIndex;
        }
        if (endsSelection(c.current().kind)) break;
        const Token& separator = c.current();
        ++c.tokenIndex;
        if (separator.kind != Kind::COMMA) {
            c.error(247, callName + "()の引数の記述を解読できません");
            reported = true;
            break;
        }
    }
    if (c.currentIs(Kind::CLOSE)) {
        ++c.tokenIndex;
    } else if (!reported) {
        c.error(247, callName + "()の引数の記述を解読できません");
    }
}

// aux(x): the variable x of the function body expanded most recently.
// "aux" is consumed before any report, so that the error names its line.
void compileAux(Compiler& c) {
    const int at = c.tokenIndex;
    ++c.tokenIndex;
    if (c.tokenAt(at + 1).kind != Kind::OPEN || c.tokenAt(at + 2).kind != Kind::IDENT ||
        c.tokenAt(at + 3).kind != Kind::CLOSE) {
        c.errorOncePerLine(214, "関数aux() の使い方に問題があります。");
        while (!c.atEnd() && !c.currentIs(Kind::CLOSE) && !c.currentIs(Kind::SEMICLN) &&
               !c.currentIs(Kind::END)) {
            ++c.tokenIndex;
        }
        return;
    }
    const std::string_view name = c.tokenAt(at + 2).text;
    int found = -1;
    for (const int i : c.symbols.named(name)) {
        if (c.symbols[i].scope == c.returnScope) {
            found = i;
            break;
        }
    }
    if (found >= 0 && c.symbols[found].code.isLoad()) {
        emitSymbolCode(c, c.symbols[found].code);
    } else {
        c.error(213, "関数aux() の引数がみつかりません。");
    }
    c.tokenIndex = at + 4;
}

// Arguments left to right, so that the last one is on top; returns their number.
int compileArguments(Compiler& c) {
    if (c.currentIs(Kind::CLOSE)) return 0;
    int count = 0;
    for (;;) {
        compileExpression(c);
        ++count;
        if (!c.currentIs(Kind::COMMA)) return count;
        ++c.tokenIndex;
    }
}

void compileBuiltin(Compiler& c) {
    const std::string_view name = c.current().text;
    c.expect(Kind::FUNC);
    if (!c.currentIs(Kind::OPEN)) {
        c.errorOncePerLine(287, "関数 " + std::string(name) + " の記述に誤りがあります。");
        ++c.tokenIndex;
    }
    c.expect(Kind::OPEN);
    const int count = compileArguments(c);
    int expected = -1;
    const int entry = c.symbols.find(Kind::FUNC, name);
    if (entry >= 0) {
        const Symbol& s = c.symbols[entry];
        emitSymbolCode(c, s.code);
        expected = s.argCount;
    } else {
        c.errorOncePerLine(401, " " + quoted(name) + "  は関数ではありません。");
    }
    // The builtin entries carry the operation table's argument counts; out()
    // and graph() take a list of names and never come here.
    if (count != expected) {
        c.error(288, "関数 " + std::string(name) + " の引数は" + std::to_string(expected) + "個です。");
    }
    if (!c.currentIs(Kind::CLOSE)) c.errorOncePerLine(290, "関数の記述に誤りがあります。");
    c.expect(Kind::CLOSE);
}

}  // namespace

void compileCall(Compiler& c) {
    const std::string_view name = c.current().text;
    if (name == "out") {
        compileSelection(c, c.plan.outputSelection);
    } else if (name == "graph") {
        compileSelection(c, c.plan.graphList);
    } else if (name == "aux") {
        compileAux(c);
    } else {
        compileBuiltin(c);
    }
}

}  // namespace zentra
