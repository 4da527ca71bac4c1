#include "support/userfunc_fixture.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <utility>

#include "front/token_append.h"
#include "userfunc/expansion.h"

namespace zentra::test {

namespace {

// clang-format off
constexpr std::array<std::pair<std::string_view, Kind>, 36> kFixedKinds{{
    {"(", Kind::OPEN},      {")", Kind::CLOSE},     {"{", Kind::BEGIN},
    {"}", Kind::END},       {";", Kind::SEMICLN},   {",", Kind::COMMA},
    {"=", Kind::ASSIGN},    {"+", Kind::PLUS},      {"-", Kind::MINUS},
    {"*", Kind::MUL},       {"/", Kind::DIV},       {"%", Kind::MOD},
    {"^", Kind::POW},       {">", Kind::GT},        {"<", Kind::LT},
    {">=", Kind::GE},       {"<=", Kind::LE},       {"==", Kind::EQ},
    {"!=", Kind::NE},       {"[", Kind::AOPEN},     {"]", Kind::ACLOS},
    {"&&", Kind::LAND},     {"||", Kind::LOR},      {"$", Kind::XOR},
    {"!", Kind::NOT},       {"&", Kind::AND},       {"|", Kind::OR},
    {"proc", Kind::PROC},   {"array", Kind::ARRAY}, {"alias", Kind::ALIAS},
    {"if", Kind::IF},       {"elsif", Kind::ELSIF}, {"else", Kind::ELSE},
    {"while", Kind::WHILE}, {"include", Kind::INCLUDE}, {"var", Kind::DVAR},
}};
// clang-format on

constexpr std::array<std::string_view, 22> kBuiltins{
    "random", "gauss", "sqrt", "sin",   "cos", "tan", "asin",  "acos", "atan", "atan2", "sinh",
    "cosh",   "tanh",  "log",  "log10", "exp", "aux", "limit", "abs",  "out",  "graph", "int",
};

}  // namespace

Kind fixtureKindOf(std::string_view text) {
    for (const auto& [fixed, kind] : kFixedKinds) {
        if (text == fixed) return kind;
    }
    if (std::find(kBuiltins.begin(), kBuiltins.end(), text) != kBuiltins.end()) return Kind::FUNC;
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return Kind::STRING;
    const char first = text.empty() ? '\0' : text[0];
    const char second = text.size() > 1 ? text[1] : '\0';
    if ((first >= '0' && first <= '9') || (first == '-' && second >= '0' && second <= '9')) {
        return Kind::DIGIT;
    }
    return Kind::IDENT;
}

UserFunctionFixture::UserFunctionFixture() { compiler.tokens.markEnd(); }

void UserFunctionFixture::line(int area, int lineNumber, std::string_view texts) {
    std::istringstream in{std::string(texts)};
    std::string text;
    while (in >> text) {
        const Kind kind = fixtureKindOf(text);
        if (kind == Kind::STRING) text = text.substr(1, text.size() - 2);
        appendToken(compiler.tokens, compiler.report,
                    {makePosition(area, lineNumber), kind, text, 0});
    }
    compiler.tokens.markEnd();
}

void UserFunctionFixture::function(const std::vector<std::string>& lines) {
    const int area = kFirstFunctionArea + functions_++;
    for (std::size_t i = 0; i < lines.size(); ++i) line(area, static_cast<int>(i) + 1, lines[i]);
}

void UserFunctionFixture::parameters(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        line(kParameterArea, static_cast<int>(i) + 1, lines[i]);
    }
}

void UserFunctionFixture::program(const std::vector<std::string>& lines) {
    line(kProgramArea, 1, "proc {");
    for (std::size_t i = 0; i < lines.size(); ++i)
        line(kProgramArea, static_cast<int>(i) + 1, lines[i]);
    line(kProgramArea, std::max(static_cast<int>(lines.size()), 1), "} ;");
}

int UserFunctionFixture::expand() {
    const int count = expandUserFunctions(compiler.tokens, compiler.report, compiler.names,
                                          compiler.tokens.count());
    compiler.tokens.setCount(count);
    return count;
}

std::string UserFunctionFixture::texts(int from) const {
    std::string out;
    for (int i = from; i < compiler.tokens.count(); ++i) {
        if (!out.empty()) out += ' ';
        out += compiler.tokenAt(i).text;
    }
    return out;
}

std::string UserFunctionFixture::programTexts() const {
    for (int i = 0; i < compiler.tokens.count(); ++i) {
        if (compiler.tokenAt(i).kind == Kind::PROC) return texts(i);
    }
    return {};
}

std::string UserFunctionFixture::scopedTexts(int from) const {
    std::string out;
    for (int i = from; i < compiler.tokens.count(); ++i) {
        const Token& token = compiler.tokenAt(i);
        if (!out.empty()) out += ' ';
        out += token.text;
        if (token.scope != 0) out += "(" + std::to_string(token.scope) + ")";
    }
    return out;
}

int UserFunctionFixture::indexOf(std::string_view text, int from) const {
    for (int i = from; i < compiler.tokens.count(); ++i) {
        if (compiler.tokenAt(i).text == text) return i;
    }
    return -1;
}

bool UserFunctionFixture::traced(std::string_view line) const {
    const auto lines = messages();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace zentra::test
