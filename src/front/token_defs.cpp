#include "front/token_defs.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "front/number_text.h"
#include "front/parser.h"
#include "results/text_helpers.h"
#include "vm/code_text.h"
#include "vm/operations.h"

namespace zentra {

namespace {

Token& tokenRef(Compiler& compiler, int index) {
    return compiler.tokens[static_cast<std::size_t>(index)];
}

// Hexadecimal numbers become decimal DIGIT tokens. False when one does not
// fit in 31 bits (error 199 was reported).
bool convertHexNumbers(Compiler& compiler) {
    for (int i = 0; i < compiler.tokenCount; ++i) {
        Token& token = tokenRef(compiler, i);
        if (token.kind != Kind::HEX) continue;
        const std::int64_t value = hexValue(token.text);
        if (value < 0 || (value & 0x80000000) != 0) {
            compiler.errorAt(199, token.position,
                             quoted(token.text) + "  は" + "範囲(0～7fffffff)を超えています");
            return false;
        }
        token.text = std::to_string(value);
        token.kind = Kind::DIGIT;
    }
    return true;
}

// A sign is unary after an operator, an opening bracket, a comma, or the
// "E" of an exponent (an "E" that follows a number; a variable E is an operand).
bool signIsUnary(const std::vector<Token>& tokens, std::size_t i) {
    const std::string& sign = tokens[i].text;
    if (sign != "-" && sign != "+") return false;
    if (i + 1 >= tokens.size() || tokens[i + 1].kind != Kind::DIGIT) return false;
    const std::string& before = tokens[i - 1].text;
    if (before == "E") return i >= 2 && tokens[i - 2].kind == Kind::DIGIT;
    static constexpr std::string_view kOperandExpected = "-+*/><!%&^=({,[|";
    return !before.empty() && kOperandExpected.find(before[0]) != std::string_view::npos;
}

// Folds unary signs into the numbers after them.
void foldSigns(Compiler& compiler) {
    if (compiler.tokenCount <= 1) return;
    const std::vector<Token> source(compiler.tokens.begin(),
                                    compiler.tokens.begin() + compiler.tokenCount);
    std::size_t write = 1;
    std::size_t i = 1;
    while (i < source.size()) {
        Token& target = tokenRef(compiler, static_cast<int>(write));
        if (signIsUnary(source, i)) {
            target = source[i];
            target.kind = Kind::DIGIT;
            target.text = (source[i].text == "-" ? "-" : "") + source[i + 1].text;
            i += 2;
        } else {
            target = source[i];
            i += 1;
        }
        ++write;
    }
    compiler.tokenCount = static_cast<std::int32_t>(write);
}

// Joins "1.5" "E" "-3" and "2" "E5" into one number text.
void joinExponents(Compiler& compiler) {
    for (int j = 0; j < compiler.tokenCount - 1; ++j) {
        Token& number = tokenRef(compiler, j);
        Token& letter = tokenRef(compiler, j + 1);
        if (number.kind != Kind::DIGIT || letter.text.empty() || letter.text[0] != 'E') continue;
        if (letter.text != "E") {
            number.text += letter.text;
            letter.text.clear();
            // "2Ex" would otherwise be read as 2 further on.
            if (!isNumberText(number.text)) {
                compiler.errorAt(193, number.position, " 数値 " + quoted(number.text) + " を読めません");
            }
            j += 1;
            continue;
        }
        const Token& exponent = compiler.tokenAt(j + 2);
        if (exponent.kind == Kind::DIGIT) {
            number.text += "E" + exponent.text;
            letter.text.clear();
            tokenRef(compiler, j + 2).text.clear();
            j += 2;
        } else {
            // Past the last token the message points at the "E" itself.
            const std::int32_t at =
                j + 2 < compiler.tokenCount ? exponent.position : letter.position;
            compiler.errorAt(193, at, " 数値 " + quoted(exponent.text) + " を読めません");
        }
    }
}

struct KindOfText {
    std::string_view text;
    Kind kind;
};

// First match wins; the test looks at the text only.
constexpr std::array<KindOfText, 34> kKindsByText{{
    {">=", Kind::GE},       {"<=", Kind::LE},       {"==", Kind::EQ},
    {"!=", Kind::NE},       {">", Kind::GT},        {"<", Kind::LT},
    {"+", Kind::PLUS},      {"-", Kind::MINUS},     {"=", Kind::ASSIGN},
    {";", Kind::SEMICLN},   {",", Kind::COMMA},     {"(", Kind::OPEN},
    {")", Kind::CLOSE},     {"{", Kind::BEGIN},     {"}", Kind::END},
    {"*", Kind::MUL},       {"/", Kind::DIV},       {"%", Kind::MOD},
    {"^", Kind::POW},       {"$", Kind::XOR},       {"!", Kind::NOT},
    {"&", Kind::AND},       {"|", Kind::OR},        {"[", Kind::AOPEN},
    {"]", Kind::ACLOS},     {"proc", Kind::PROC},   {"array", Kind::ARRAY},
    {"alias", Kind::ALIAS}, {"if", Kind::IF},       {"elsif", Kind::ELSIF},
    {"else", Kind::ELSE},   {"while", Kind::WHILE}, {"include", Kind::INCLUDE},
    {"var", Kind::DVAR},
}};

Kind finalKind(const Token& token) {
    for (const KindOfText& entry : kKindsByText) {
        if (entry.text == token.text) return entry.kind;
    }
    if (isBuiltinName(token.text)) return Kind::FUNC;
    return token.kind;
}

// Drops empty tokens and gives every other token its final kind.
void assignKinds(Compiler& compiler) {
    int write = 0;
    for (int j = 0; j < compiler.tokenCount; ++j) {
        Token& token = tokenRef(compiler, j);
        if (token.text.empty()) continue;
        token.kind = finalKind(token);
        if (token.kind == Kind::None) {
            compiler.errorAt(109, token.position, quoted(token.text) + " を識別できません");
        }
        if (write != j) tokenRef(compiler, write) = std::move(token);
        ++write;
    }
    compiler.tokenCount = write;
}

}  // namespace

void addDef(Compiler& compiler) {
    if (!convertHexNumbers(compiler)) return;
    foldSigns(compiler);
    joinExponents(compiler);
    assignKinds(compiler);
    dumpTokens(compiler, compiler.host.monitorTokens());
    compiler.trace("addDef(): numTok=" + std::to_string(compiler.tokenCount));
}

void resetSymbols(Compiler& compiler) {
    for (int i = 0; i < kBuiltinCount; ++i) {
        const OperationInfo& operation = kOperations[static_cast<std::size_t>(i)];
        Symbol& entry = compiler.symbols[static_cast<std::size_t>(i)];
        entry.kind = Kind::FUNC;
        entry.name = std::string(operation.name);
        entry.code = "#" + hexDigits(i, 2);
        entry.scope = 0;
        entry.localSize = 0;
        entry.argCount = operation.argumentCount;
    }
    compiler.truncateSymbols(kBuiltinCount);
}

bool isBuiltinName(std::string_view name) {
    // "aux" has no operation of its own; "int" is callable, "fft" is not.
    static constexpr std::array<std::string_view, 22> kNames{
        "random", "gauss", "sqrt", "sin",   "cos", "tan", "asin",  "acos", "atan", "atan2", "sinh",
        "cosh",   "tanh",  "log",  "log10", "exp", "aux", "limit", "abs",  "out",  "graph", "int"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

}  // namespace zentra
