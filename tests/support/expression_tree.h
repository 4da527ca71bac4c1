// Random expressions of the calculation language as trees, for the property
// test that runs them through the engine and through an evaluation of its own.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zentra::test_support {

struct ExprNode {
    enum class Kind {
        Literal,          // a number text: "12", "1.5E-3", "0x1F"
        NegativeLiteral,  // a number text written with a minus that folds into it: "-2.5"
        Constant,         // a parameter-area name
        Element,          // v[text], an element of the array the program fills first
        Negate,           // unary minus of a non-literal operand
        Not,              // "!"
        Binary,           // text is the operator
        Call,             // text is the builtin's name
    };

    Kind kind = Kind::Literal;
    std::string text;
    bool plusSign = false;  // a literal written "+3" where the sign folds into the number
    std::vector<ExprNode> operands;
};

// The two binary levels of the language (the "^" binds one step to the right
// inside the multiplicative level).
bool isAdditiveOperator(const std::string& op);
bool isMultiplicativeOperator(const std::string& op);
bool isBinary(const ExprNode& node, const char* op = nullptr);

// A parameter-area constant; more than one value text makes it the swept one.
struct ConstantDefinition {
    std::string name;
    std::vector<std::string> valueTexts;
};

struct ExpressionCase {
    ExprNode tree;
    std::vector<ConstantDefinition> constants;
    int precision = 15;
    bool radian = false;
    bool bareLine = false;  // the minimal text as a line of its own, named after itself
    // The values the program assigns to v[0] .. v[3] before the expression.
    std::vector<std::string> elementTexts;
};

inline constexpr int kArraySize = 4;

bool usesElements(const ExprNode& node);

class ExpressionGenerator {
public:
    explicit ExpressionGenerator(std::uint64_t seed) : random_(seed) {}

    ExpressionCase next();

private:
    unsigned below(unsigned n) { return static_cast<unsigned>(random_() % n); }
    bool chance(unsigned percent) { return below(100) < percent; }

    std::string numberText();
    ExprNode leaf(const std::vector<ConstantDefinition>& constants);
    ExprNode signedZero();
    ExprNode integralExponent();
    ExprNode node(int depth, const std::vector<ConstantDefinition>& constants);

    std::mt19937_64 random_;
};

}  // namespace zentra::test_support
