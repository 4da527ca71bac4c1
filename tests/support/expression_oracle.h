// An evaluation of generated expression trees written from the language's
// operation rules alone, to hold the engine's results against.
#pragma once

#include <map>
#include <string>

#include "support/expression_tree.h"

namespace zentra::test_support {

struct Evaluation {
    bool failed = false;
    int code = 0;  // the pass's result code when it failed
    double value = 0.0;
    // A power with an integral exponent beyond 65536 in size whose product
    // neither settles nor leaves the range of doubles: the engine takes it by
    // repeated squaring, whose last digit the language leaves open.
    bool undecided = false;
};

// Parameter-area names, and the array elements under "v[0]" .. "v[3]".
using ConstantValues = std::map<std::string, double>;

// unitFactor: 1 for radians, 180/pi for degrees.
Evaluation evaluate(const ExprNode& node, const ConstantValues& constants, double unitFactor);

// The value of a number text as the language writes it ("-2.5", "1.5E-3", "0x1F").
double numberValue(const std::string& text);

// The message box text of a failed pass.
std::string failureMessage(int code);

}  // namespace zentra::test_support
