// The statement compiler: declarations, assignments, calls, if and while.
#pragma once

#include "front/compiler.h"

namespace zentra {

// Expects "{", compiles the statement list, expects "}".
void compileBlock(Compiler& compiler);

// At least one statement, then more while the current token is not "}".
void compileStatementList(Compiler& compiler);

void compileStatement(Compiler& compiler);

}  // namespace zentra
