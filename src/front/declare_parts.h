// The statement forms of the parameter area that Declare hands on, and what
// they share.
#pragma once

#include "front/compiler.h"

namespace zentra {

// array name [ count ] ;
void declareArray(Compiler& compiler);

// alias A = p, q, , r ;   alias A[k] = p, q ;   alias A[k-m] = p1 ;
void declareAlias(Compiler& compiler);

// Abandons a faulty statement: moves past its ";", but never past "proc",
// so that one fault gives one report and the program block stays intact.
void skipStatement(Compiler& compiler);

}  // namespace zentra
