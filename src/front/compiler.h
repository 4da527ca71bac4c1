// The compiler object: the per-run state of the front end and the compilers,
// and the services they share (error report, expectation check, symbol and
// array lookups, the constant limit).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "front/compile_errors.h"
#include "front/reporter.h"
#include "front/run_plan.h"
#include "front/shown_names.h"
#include "front/store_layout.h"
#include "front/symbol.h"
#include "front/symbol_table.h"
#include "front/token.h"
#include "front/token_table.h"
#include "host/host.h"
#include "vm/code_emitter.h"
#include "vm/value_stores.h"

namespace zentra {

// Error numbers of the table limits (the others are those of the language).
enum LimitError : int {
    kErrTooManyTokens = 921,
    kErrTooManySymbols = 922,
    kErrProgramTooLong = 923,
    kErrTooManyLocals = 924,
    kErrTooManyVariables = 925,
    kErrTooManyElsifParts = 926,
    kErrBackwardJumpTooFar = 774,
    kErrStringInExpression = 629,
};

inline constexpr int kMaxVariableSlots = kStoreSize - 1;        // slot 0 is never allocated
inline constexpr int kMaxLocalSlots = kReachableLocalSlots - 1;  // likewise
inline constexpr int kMaxEndJumps = 31;                           // elsif and else parts per if

class Compiler {
public:
    Compiler(Host& host, ValueStore& constants);

    Host& host;
    ValueStore& constants;  // compileDeclaration writes constant values here at parse time

    std::int32_t tokenIndex = 0;
    std::int32_t returnScope = 0;   // the expansion scope whose locals a return reads
    std::int32_t nestingDepth = 0;  // statements and expressions open around the token index
    CodeEmitter emitter;  // the compiled words, straight into the bound code buffer

    TokenTable tokens;
    SymbolTable symbols;

    StoreLayout layout;  // the declarations' and compilers' slots and array sizes
    CompileErrors errors;
    ShownNames names;    // what messages show for names the user did not write
    RunPlan plan;        // what the compilation hands to the run
    Reporter report{host, errors, names};

    // --- tokens -----------------------------------------------------------
    const Token& current() const { return tokenAt(tokenIndex); }
    const Token& previous() const { return tokenAt(tokenIndex - 1); }
    const Token& next() const { return tokenAt(tokenIndex + 1); }
    // Tokens outside 0..count-1 read as an empty token (kind None), so that
    // look-ahead never leaves the array.
    const Token& tokenAt(int index) const { return tokens.at(index); }
    bool currentIs(Kind kind) const { return current().kind == kind; }
    bool atEnd() const { return tokenIndex >= tokens.count(); }

    // A new front-end run: the names of the last run's prefixing and
    // temporaries and its errors are forgotten (the source preparation fills
    // the token table anew).
    void startFrontEnd();

    // --- symbols ----------------------------------------------------------
    // Appends a symbol; at the table limit reports error 922 once per run and
    // returns -1.
    int addSymbol(Symbol symbol);
    int findArrayAtCursor() const;

    // --- errors (see Reporter) ----------------------------------------------
    void errorAt(int number, std::int32_t position, std::string_view message,
                 ErrorForm form = ErrorForm::TwoLines) {
        report.errorAt(number, position, message, form);
    }
    // At the token before the current one.
    void error(int number, std::string_view message);
    // The once-per-line rule at the token before the current one.
    bool errorOncePerLine(int number, std::string_view message);
    bool errorOncePerLineAt(int number, std::int32_t position, std::string_view message) {
        return report.errorOncePerLineAt(number, position, message);
    }

    // Consumes the current token if it has this kind, else reports 311..334.
    void expect(Kind kind);

    // --- constants --------------------------------------------------------
    // True when named constants plus literals exceed 4095 (and error n was
    // reported under the once-per-line rule).
    bool checkConstantLimit(int number);

    void trace(std::string_view line) { report.trace(line); }
};

}  // namespace zentra
