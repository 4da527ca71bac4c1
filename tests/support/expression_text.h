// Program texts of generated expression trees.
#pragma once

#include <string>

#include "support/expression_tree.h"

namespace zentra::test_support {

// Every binary operation in its own parentheses, every negative literal as "(-x)".
std::string fullyParenthesisedText(const ExprNode& tree);

// Only the parentheses that the language's precedence needs: two left-associative
// levels, and a "^" right after the right operand of "*", "/" or "^" binding to
// that operand (a * b ^ c is a * (b ^ c), a ^ b ^ c is a ^ (b ^ c)).
std::string minimalText(const ExprNode& tree);

}  // namespace zentra::test_support
