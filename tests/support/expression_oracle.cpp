#include "support/expression_oracle.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zentra::test_support {

namespace {

constexpr std::int64_t kStepByStepLimit = 65536;

Evaluation value(double v) { return {false, 0, v, false}; }
Evaluation failure(int code) { return {true, code, 0.0, false}; }
double truth(bool b) { return b ? 1.0 : 0.0; }

// Toward zero to 64 bits, then the low 32 bits as a signed number. A double
// beyond the 64-bit range (or NaN) converts to the hardware's "indefinite"
// integer, whose low 32 bits are 0.
std::int32_t integerOf(double x) {
    if (std::isnan(x) || std::fabs(x) >= 9223372036854775808.0) return 0;
    const auto wide = static_cast<std::int64_t>(std::trunc(x));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

// In degrees, a non-zero whole multiple of 90 as the number of quarter
// turns modulo 4, else -1: those angles have exact sines, cosines and tangents.
int quarterTurns(double degrees, double u) {
    if (u == 1.0 || degrees == 0.0 || !std::isfinite(degrees) || std::fmod(degrees, 90.0) != 0.0)
        return -1;
    const double turn = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0);
    return static_cast<int>(turn) / 90;
}

// r = a * r (n > 0) or r = r / a (n < 0), |n| times; beyond 65536 times the
// C library's pow of the same numbers.
Evaluation integralPower(double a, std::int32_t n) {
    const std::int64_t count = n < 0 ? -static_cast<std::int64_t>(n) : n;
    if (count > kStepByStepLimit) return value(std::pow(a, static_cast<double>(n)));
    double r = 1.0;
    for (std::int64_t k = 0; k < count; ++k) r = n > 0 ? a * r : r / a;
    return value(r);
}

Evaluation power(double a, double b) {
    const std::int32_t n = integerOf(b);
    if (static_cast<double>(n) == b) return integralPower(a, n);
    if (!(a > 0.0)) return failure(-28);
    return value(std::exp(std::log(a) * b));
}

Evaluation binary(const std::string& op, double a, double b, double u) {
    const bool unordered = std::isnan(a) || std::isnan(b);
    if (op == "+") return value(a + b);
    if (op == "-") return value(a - b);
    if (op == "*") return value(a * b);
    if (op == "/") return b == 0.0 ? failure(-3) : value(a / b);
    if (op == "%") {
        if (b == 0.0) return failure(-4);
        const std::int64_t ia = integerOf(a);
        const std::int64_t ib = integerOf(b);
        // A divisor whose integer part is 0 is a division by zero as well.
        if (ib == 0) return failure(-4);
        return value(static_cast<double>(ia - (ia / ib) * ib));
    }
    if (op == ">") return value(truth(!unordered && a > b));
    if (op == "<") return value(truth(unordered || a < b));
    if (op == ">=") return value(truth(!unordered && a >= b));
    if (op == "<=") return value(truth(unordered || a <= b));
    if (op == "==") return value(truth(unordered || a == b));
    if (op == "!=") return value(truth(!unordered && a != b));
    if (op == "&&") return value(truth(a != 0.0 && b != 0.0));
    if (op == "||") return value(truth(a != 0.0 || b != 0.0));
    if (op == "&") return value(integerOf(a) & integerOf(b));
    if (op == "|") return value(integerOf(a) | integerOf(b));
    if (op == "$") return value(integerOf(a) ^ integerOf(b));
    if (op == "^") return power(a, b);
    if (op == "atan2") return value(std::atan2(b, a) * u);  // abscissa a, ordinate b
    std::abort();
}

Evaluation call(const std::string& name, const double* x, double u) {
    const double v = x[0];
    const int quarter = quarterTurns(v, u);
    if (name == "sin")
        return value(quarter >= 0 ? (quarter == 1   ? 1.0
                                     : quarter == 3 ? -1.0
                                                    : 0.0)
                                  : std::sin(v / u));
    if (name == "cos")
        return value(quarter >= 0 ? (quarter == 0   ? 1.0
                                     : quarter == 2 ? -1.0
                                                    : 0.0)
                                  : std::cos(v / u));
    if (name == "tan") {
        if (quarter >= 0) return quarter % 2 == 1 ? failure(-18) : value(0.0);
        return value(std::tan(v / u));
    }
    if (name == "asin") return std::fabs(v) > 1.0 ? failure(-19) : value(std::asin(v) * u);
    if (name == "acos") return std::fabs(v) > 1.0 ? failure(-20) : value(std::acos(v) * u);
    if (name == "atan") return value(std::atan(v) * u);
    if (name == "atan2") return binary("atan2", x[0], x[1], u);
    if (name == "sinh") return value(std::sinh(v));
    if (name == "cosh") return value(std::cosh(v));
    if (name == "tanh") return value(std::tanh(v));
    if (name == "sqrt") return v < 0.0 ? failure(-26) : value(std::sqrt(v));
    if (name == "exp") return value(std::exp(v));
    if (name == "log") return v > 0.0 ? value(std::log(v)) : failure(-30);
    if (name == "log10") return v > 0.0 ? value(std::log10(v)) : failure(-31);
    if (name == "abs") return value(std::fabs(v));
    if (name == "int") return value(std::trunc(v) + 0.0);  // the whole value, never -0
    if (name == "limit") {
        // Below lo gives lo; then above hi gives hi.
        double r = v < x[1] ? x[1] : v;
        if (r > x[2]) r = x[2];
        return value(r);
    }
    std::abort();
}

}  // namespace

double numberValue(const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    double magnitude = 0.0;
    if (digits.rfind("0x", 0) == 0) {
        std::uint32_t bits = 0;
        for (char ch : digits.substr(2)) {
            const int d = ch <= '9' ? ch - '0' : (ch | 0x20) - 'a' + 10;
            bits = (bits << 4) + static_cast<std::uint32_t>(d);
        }
        magnitude = bits;
    } else {
        magnitude = std::strtod(digits.c_str(), nullptr);
    }
    return negative ? -magnitude : magnitude;
}

Evaluation evaluate(const ExprNode& node, const ConstantValues& constants, double unitFactor) {
    using Kind = ExprNode::Kind;
    switch (node.kind) {
        case Kind::Literal:
            return value(numberValue(node.text));
        case Kind::NegativeLiteral:
            return value(numberValue("-" + node.text));
        case Kind::Constant:
            return value(constants.at(node.text));
        case Kind::Element:
            return value(constants.at("v[" + node.text + "]"));
        default:
            break;
    }
    // Operands left to right; the first failure ends the pass.
    double x[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = 0; i < node.operands.size() && i < 3; ++i) {
        const Evaluation e = evaluate(node.operands[i], constants, unitFactor);
        if (e.failed || e.undecided) return e;
        x[i] = e.value;
    }
    switch (node.kind) {
        case Kind::Negate:
            return value(0.0 - x[0]);
        case Kind::Not:
            return value(x[0] > 0.0 ? 0.0 : 1.0);
        case Kind::Binary:
            return binary(node.text, x[0], x[1], unitFactor);
        default:
            return call(node.text, x, unitFactor);
    }
}

std::string failureMessage(int code) {
    switch (code) {
        case -3:
        case -4:
            return "ゼロ割りが発生しました";
        case -19:
        case -20:
            return "逆三角関数の入力が範囲を超えています";
        case -26:
            return "負数の平方根は計算できません";
        case -18:
            return "90度の奇数倍の正接は計算できません";
        case -28:
            return "正でない数のべき乗は計算できません";
        case -30:
        case -31:
            return "正でない数の対数は計算できません";
        default:
            return "エラーが発生しました（" + std::to_string(code) + ")";
    }
}

}  // namespace zentra::test_support
