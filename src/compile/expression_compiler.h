// The expression compiler: tokens into postfix code words.
#pragma once

#include <string_view>

#include "front/compiler.h"

namespace zentra {

// Compiles one expression at the token index, leaving its value on the stack.
void compileExpression(Compiler& compiler);

// Compiles a call at the token index: a builtin, out(), graph() or aux().
void compileCall(Compiler& compiler);

// Before an element index: the current token must be "[", and a literal
// index must lie inside the array's declared count (errors 628, 627).
void checkElementSubscript(Compiler& compiler, std::string_view arrayName);

// Emits the operation word of an operator token kind.
void emitOperator(Compiler& compiler, Kind kind);

}  // namespace zentra
