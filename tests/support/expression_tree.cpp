#include "support/expression_tree.h"

#include <algorithm>
#include <array>

namespace zentra::test_support {

namespace {

constexpr std::array<const char*, 17> kBinaryOperators{
    "+", "-", ">", "<", ">=", "<=", "==", "!=", "&&", "||", "&", "|", "$", "%", "*", "/", "^"};

struct Builtin {
    const char* name;
    int arguments;
};

constexpr std::array<Builtin, 17> kBuiltins{{
    {"sin", 1}, {"cos", 1}, {"tan", 1}, {"asin", 1}, {"acos", 1}, {"atan", 1},
    {"atan2", 2}, {"sinh", 1}, {"cosh", 1}, {"tanh", 1}, {"sqrt", 1}, {"exp", 1},
    {"log", 1}, {"log10", 1}, {"abs", 1}, {"int", 1}, {"limit", 3},
}};

// Texts worth meeting often: angles, the edges of the integer conversion, the
// edges of the inverse functions and of the power's two methods.
// Large ones overflow to infinities, and those lead to NaN (inf - inf, 0 * inf).
constexpr std::array<const char*, 32> kSpecialNumbers{
    "0",          "0.0",        "1",          "2",          "0.5",        "30",
    "45",         "60",         "90",         "180",        "360",        "3.14159265358979",
    "2147483647", "2147483648", "3000000000", "4294967296", "1E10",       "1E300",
    "1E-300",     "65536",      "65537",      "0.9999",     "1.0001",     "1.5",
    "7",          "1E19",       "1E308",      "710",        "1000",       "9.2233720368547758E18",
    "1E400",      "1E-400"};

// Names of the parameter area: no builtin, keyword or exponent letter among them.
constexpr std::array<const char*, 8> kConstantNames{"a", "b", "c", "k", "m", "n", "q", "w"};

}  // namespace

bool isAdditiveOperator(const std::string& op) {
    static constexpr std::array<const char*, 14> kAdditive{
        "+", "-", ">", "<", ">=", "<=", "==", "!=", "&&", "||", "&", "|", "$", "%"};
    return std::any_of(kAdditive.begin(), kAdditive.end(), [&](const char* a) { return op == a; });
}

bool usesElements(const ExprNode& node) {
    if (node.kind == ExprNode::Kind::Element) return true;
    return std::any_of(node.operands.begin(), node.operands.end(), [](const ExprNode& n) { return usesElements(n); });
}

bool isMultiplicativeOperator(const std::string& op) { return op == "*" || op == "/" || op == "^"; }

bool isBinary(const ExprNode& node, const char* op) {
    return node.kind == ExprNode::Kind::Binary && (op == nullptr || node.text == op);
}

std::string ExpressionGenerator::numberText() {
    auto digits = [&](unsigned count) {
        std::string text;
        for (unsigned i = 0; i < count; ++i) text += static_cast<char>('0' + below(10));
        return text;
    };
    switch (below(7)) {
        case 0:
            return std::to_string(below(13));
        case 1:
            return std::to_string(below(100000));
        case 2:
            return std::to_string(below(100)) + "." + digits(1 + below(4));
        case 3:  // near zero
            switch (below(3)) {
                case 0: return "0.000" + digits(1 + below(3));
                case 1: return "1E-" + std::to_string(5 + below(8));
                default: return std::to_string(1 + below(9)) + "." + digits(1) + "E-" + std::to_string(below(20));
            }
        case 4: {  // exponent forms, with and without a sign
            static constexpr std::array<const char*, 3> kSigns{"", "-", "+"};
            std::string text = std::to_string(1 + below(9));
            if (chance(50)) text += "." + digits(1 + below(2));
            return text + "E" + kSigns[below(3)] + std::to_string(below(25));
        }
        case 5: {
            static constexpr char kHex[] = "0123456789abcdefABCDEF";
            std::string text = "0x";
            const unsigned count = 1 + below(6);
            for (unsigned i = 0; i < count; ++i) text += kHex[below(sizeof kHex - 1)];
            return text;
        }
        default:
            return kSpecialNumbers[below(kSpecialNumbers.size())];
    }
}

// 1E308 * 1E308 is an infinity, and an infinity minus itself is NaN: leaves of
// this shape make the comparisons and the formatter meet both often enough.
ExprNode nonFinite(unsigned pick) {
    auto literal = [](const char* text, ExprNode::Kind kind = ExprNode::Kind::Literal) {
        ExprNode node;
        node.kind = kind;
        node.text = text;
        return node;
    };
    auto binary = [](const char* op, ExprNode a, ExprNode b) {
        ExprNode node;
        node.kind = ExprNode::Kind::Binary;
        node.text = op;
        node.operands.push_back(std::move(a));
        node.operands.push_back(std::move(b));
        return node;
    };
    ExprNode infinity = binary("*", literal("1E308"), literal("1E308"));
    if (pick == 0) return infinity;
    if (pick == 1) return binary("*", literal("1E308", ExprNode::Kind::NegativeLiteral), literal("1E308"));
    return binary("-", infinity, infinity);
}

ExprNode ExpressionGenerator::leaf(const std::vector<ConstantDefinition>& constants) {
    if (chance(6)) return nonFinite(below(3));
    ExprNode node;
    if (chance(12)) {
        node.kind = ExprNode::Kind::Element;
        node.text = std::to_string(below(kArraySize));
        return node;
    }
    if (!constants.empty() && chance(35)) {
        node.kind = ExprNode::Kind::Constant;
        node.text = constants[below(static_cast<unsigned>(constants.size()))].name;
        return node;
    }
    node.text = numberText();
    if (chance(20)) {
        node.kind = ExprNode::Kind::NegativeLiteral;
    } else {
        node.plusSign = chance(8);
    }
    return node;
}

// Zeros of either sign: a literal "-0" is -0.0, while the unary minus of a
// zero-valued operand is 0 - 0 = +0.0. atan2 and odd negative powers tell them apart.
ExprNode ExpressionGenerator::signedZero() {
    ExprNode zero;
    zero.text = below(2) ? "0" : "0.0";
    if (chance(50)) {
        zero.kind = ExprNode::Kind::NegativeLiteral;
        return zero;
    }
    ExprNode truncated;  // int(0.3), a zero that is no literal
    truncated.kind = ExprNode::Kind::Call;
    truncated.text = "int";
    ExprNode fraction;
    fraction.text = "0.3";
    truncated.operands.push_back(std::move(fraction));
    if (chance(30)) return truncated;
    ExprNode negated;
    negated.kind = ExprNode::Kind::Negate;
    negated.operands.push_back(std::move(truncated));
    return negated;
}

// An integral exponent: the power multiplies step by step, whose rounding a
// library power function would not reproduce for the larger ones.
ExprNode ExpressionGenerator::integralExponent() {
    ExprNode exponent;
    exponent.text = std::to_string(below(3) == 0 ? below(65537) : below(8));
    if (chance(30)) exponent.kind = ExprNode::Kind::NegativeLiteral;
    return exponent;
}

ExprNode ExpressionGenerator::node(int depth, const std::vector<ConstantDefinition>& constants) {
    if (depth <= 0 || chance(25)) return leaf(constants);
    ExprNode node;
    const unsigned pick = below(100);
    if (pick < 55) {
        node.kind = ExprNode::Kind::Binary;
        node.text = kBinaryOperators[below(kBinaryOperators.size())];
        const bool power = node.text == "^" && chance(60);
        if (power && chance(60)) {
            static constexpr std::array<const char*, 5> kNearOne{"1.0001", "0.9999", "1.001", "0.999", "1.01"};
            ExprNode base;
            base.text = kNearOne[below(kNearOne.size())];
            if (chance(30)) base.kind = ExprNode::Kind::NegativeLiteral;
            node.operands.push_back(chance(25) ? signedZero() : std::move(base));
        } else {
            node.operands.push_back(this->node(depth - 1, constants));
        }
        node.operands.push_back(power ? integralExponent() : this->node(depth - 1, constants));
    } else if (pick < 78) {
        const Builtin& builtin = kBuiltins[below(kBuiltins.size())];
        node.kind = ExprNode::Kind::Call;
        node.text = builtin.name;
        for (int i = 0; i < builtin.arguments; ++i) node.operands.push_back(this->node(depth - 1, constants));
        if (node.text == std::string("atan2") && chance(30)) node.operands[1] = signedZero();
    } else if (pick < 90) {
        ExprNode operand = this->node(depth - 1, constants);
        // A minus before a number folds into it; that form is a negative literal.
        if (operand.kind == ExprNode::Kind::Literal) {
            operand.kind = ExprNode::Kind::NegativeLiteral;
            operand.plusSign = false;
            return operand;
        }
        node.kind = ExprNode::Kind::Negate;
        node.operands.push_back(std::move(operand));
    } else {
        node.kind = ExprNode::Kind::Not;
        node.operands.push_back(this->node(depth - 1, constants));
    }
    return node;
}

ExpressionCase ExpressionGenerator::next() {
    ExpressionCase c;
    std::array<const char*, kConstantNames.size()> names = kConstantNames;
    for (unsigned i = static_cast<unsigned>(names.size()) - 1; i > 0; --i) std::swap(names[i], names[below(i + 1)]);
    const unsigned constantCount = below(4);
    for (unsigned i = 0; i < constantCount; ++i) {
        ConstantDefinition definition{names[i], {}};
        const unsigned values = (i == 0 && chance(20)) ? 2 + below(2) : 1;
        for (unsigned v = 0; v < values; ++v) {
            definition.valueTexts.push_back((chance(30) ? "-" : "") + numberText());
        }
        c.constants.push_back(std::move(definition));
    }
    c.tree = node(1 + static_cast<int>(below(5)), c.constants);
    for (int i = 0; i < kArraySize; ++i) c.elementTexts.push_back((chance(30) ? "-" : "") + numberText());
    // The full 15 digits show the most of a value's rounding.
    c.precision = chance(40) ? 15 : 4 + static_cast<int>(below(11));
    // Now and then a setting outside 4..15, which every run clamps.
    if (chance(4)) c.precision = static_cast<int>(below(25)) - 4;
    c.radian = chance(50);
    c.bareLine = chance(30);
    return c;
}

}  // namespace zentra::test_support
