// The steps of the user-function expansion. Each works on the token table, keeps the function table
// in step with the tokens it inserts or removes, and answers a token index, or a negative value
// after it has reported an error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "front/reporter.h"
#include "front/shown_names.h"
#include "front/token_table.h"
#include "userfunc/function_table.h"

namespace zentra {

// The state of one expansion run.
struct Expansion {
    TokenTable& tokens;
    Reporter& report;
    ShownNames& names;  // what messages show for the temporaries
    FunctionTable& table;
    std::int32_t scopeCounter = 1;  // the highest scope level given so far
    std::string callee{};           // the function whose call is expanded: errors name it
};

// Answers of the steps after an error (all negative).
inline constexpr int kCallFormFailed = -100;
inline constexpr int kArgumentFormFailed = -200;
inline constexpr int kArgumentEndFailed = -220;
inline constexpr int kStepFailed = -1;

// Moves the `length` tokens at `rangeStart` into the assignment
// "name = range ;" placed at `at` (at <= rangeStart), leaving the name in
// their place: 4 more tokens. Messages show the name as the range's text.
// Answers 0, or -1 after error 591.
int hoistExpression(Expansion& x, int at, int rangeStart, int length, std::string_view name);

// Makes the call at `call` the whole right side of an assignment: unless it
// already is, hoists it into "~userF" + n in front of its statement. A call
// in an elsif condition first turns that part into "else { if ... }", so
// that it is evaluated only where the condition is tested. Answers the
// call's new index.
int hoistCallIntoTemporary(Expansion& x, int call, int n, int entry);

// Hoists every argument of more than one token into "~userQ" + n + "_" + k
// in front of the statement, in argument order. Answers the call's new
// index; `statementStart` receives where the first hoisted assignment
// stands and `hoisted` how many were made.
int hoistArguments(Expansion& x, int call, int n, int entry, int callee, int& statementStart,
                   int& hoisted);

// Replaces the call (single-token arguments) by a copy of the callee's body
// with scope levels raised by n and the parameters replaced by the
// arguments. Answers the call's index moved by the change in length.
int inlineCall(Expansion& x, int call, int n, int entry, int callee);

// Removes every definition from the token array.
void removeDefinitions(TokenTable& tokens, const FunctionTable& table);

}  // namespace zentra
