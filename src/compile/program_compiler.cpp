#include "compile/program_compiler.h"

#include "front/declare.h"
#include "front/parser_passes.h"
#include "vm/code_word.h"
#include "compile/statement_compiler.h"

namespace zentra {

void resetParserState(Compiler& c) {
    c.emitter.reset();
    c.tokenIndex = 0;
    c.layout = StoreLayout{};
    c.returnScope = 0;
    c.nestingDepth = 0;
    c.plan.passCount = 1;
    c.plan.sweptSlot = 0;
}

namespace {

// The program block ends at the "}" source preparation put after the last
// line, followed only by its ";". A block that closes sooner met a "}" of the
// program's own; everything after it would go uncompiled and unrun.
void reportTokensAfterProgram(Compiler& c) {
    const bool atProgramEnd =
        c.atEnd() || (c.currentIs(Kind::SEMICLN) && c.tokenIndex + 1 >= c.tokens.count());
    if (atProgramEnd) return;
    if (c.previous().kind == Kind::END) {
        c.error(kErrStrayClosingBrace,
                quoted("}") + " に対応する " + quoted("{") + " がありません。");
    } else {
        c.errorAt(kErrStrayClosingBrace, c.current().position,
                  "プログラムの終わりの後に " + quoted(c.current().text) + " があります。");
    }
}

}  // namespace

bool compileProgram(Compiler& c, CodeBuffer& code) {
    c.emitter.bind(&code);
    resetParserState(c);
    while (!c.currentIs(Kind::PROC) && !c.atEnd()) {
        const int before = c.tokenIndex;
        compileDeclaration(c);
        if (c.tokenIndex == before) ++c.tokenIndex;  // every declaration consumes a token
    }
    if (c.errors.count() != 0) return false;

    c.expect(Kind::PROC);
    compileBlock(c);
    reportTokensAfterProgram(c);
    c.emitter.finish();

    if (c.layout.nextVariableSlot <= 1) c.error(449, "変数がありません。");
    if (!c.emitter.fits()) {
        c.error(kErrProgramTooLong, "プログラムのコード語数が" + std::to_string(kMaxProgramWords) +
                                        "個を超えました。プログラムを分けてください。");
    }
    dumpSymbols(c.symbols, c.host.monitorSymbols());
    c.trace("parser(): numSymbol=" + std::to_string(c.symbols.count()));
    return true;
}

}  // namespace zentra
