#include "front/token_defs.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/hex_digits.h"
#include "front/number_text.h"
#include "front/parser_passes.h"
#include "vm/operations.h"

namespace zentra {

namespace {

Token& tokenRef(Compiler& compiler, int index) {
    return compiler.tokens[static_cast<std::size_t>(index)];
}

// Hexadecimal numbers become decimal DIGIT tokens. False when one does not
// fit in 31 bits or has no digits (error 199 was reported).
bool convertHexNumbers(Compiler& compiler) {
    for (int i = 0; i < compiler.tokenCount; ++i) {
        Token& token = tokenRef(compiler, i);
        if (token.kind != Kind::HEX) continue;
        // Beyond eight significant digits the 32-bit value would have lost its
        // high digits; "0x" alone has no value at all.
        const std::size_t significant =
            token.text.size() - std::min(token.text.find_first_not_of('0'), token.text.size());
        const std::int64_t value = significant > 8 ? -1 : hexValue(token.text);
        if (token.text.empty() || value < 0 || (value & 0x80000000) != 0) {
            const std::string shown = token.text.empty() ? "0x" : token.text;
            compiler.errorAt(199, token.position,
                             quoted(shown) + "  は" + "範囲(0～7fffffff)を超えています");
            return false;
        }
        token.text = std::to_string(value);
        token.kind = Kind::DIGIT;
    }
    return true;
}

// What the sign test reads of the tokens before the sign, as they were
// before any folding.
struct BeforeSign {
    char first = 0;                   // the first character of the token before (0: empty text)
    bool isE = false;                 // whether that token is "E"
    Kind kind = Kind::None;           // its kind
    Kind kindTwoBefore = Kind::None;  // the kind of the one before that (None at the start)

    void take(const std::string& text, Kind textKind) {
        first = text.empty() ? 0 : text[0];
        isE = text.size() == 1 && first == 'E';
        kindTwoBefore = kind;
        kind = textKind;
    }
};

// A sign is unary after an operator, an opening bracket, a comma, or the
// "E" of an exponent (an "E" that follows a number; a variable E is an operand).
bool signIsUnary(const Token& sign, const Token* after, const BeforeSign& before) {
    // One character compared, not two texts: every token is asked.
    if (sign.text.size() != 1 || (sign.text[0] != '-' && sign.text[0] != '+')) return false;
    if (after == nullptr || after->kind != Kind::DIGIT) return false;
    if (before.isE) return before.kindTwoBefore == Kind::DIGIT;
    static constexpr std::string_view kOperandExpected = "-+*/><!%&^=({,[|";
    return before.first != 0 && kOperandExpected.find(before.first) != std::string_view::npos;
}

// Folds unary signs into the numbers after them, in place: the write
// position never passes the read position.
void foldSigns(Compiler& compiler) {
    const int count = compiler.tokenCount;
    if (count <= 1) return;
    BeforeSign before;
    before.take(tokenRef(compiler, 0).text, tokenRef(compiler, 0).kind);
    int write = 1;
    int i = 1;
    while (i < count) {
        Token& token = tokenRef(compiler, i);
        const Token* after = i + 1 < count ? &tokenRef(compiler, i + 1) : nullptr;
        if (signIsUnary(token, after, before)) {
            Token folded = token;
            folded.kind = Kind::DIGIT;
            folded.text = (token.text == "-" ? "-" : "") + after->text;
            before.kind = token.kind;
            before.take(after->text, after->kind);
            tokenRef(compiler, write) = std::move(folded);
            i += 2;
        } else {
            before.take(token.text, token.kind);
            if (write != i) tokenRef(compiler, write) = std::move(token);
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

// The kind a token's text alone decides, or None. The texts of the table
// are all different, so the one that matches is the first that matches.
Kind kindOfText(std::string_view text) {
    if (text.empty()) return Kind::None;
    const char first = text[0];
    // Only operators and punctuation, and keywords starting with a lower-case letter.
    const bool punctuation = (first >= '!' && first <= '/') || (first >= ':' && first <= '@') ||
                             first == '[' || first == ']' || first == '^' || first == '{' ||
                             first == '|' || first == '}';
    if (!punctuation && !(first >= 'a' && first <= 'z')) return Kind::None;
    if (text.size() > 7) return Kind::None;
    if (text.size() == 1) {
        // Most tokens are one character: look them up by that character.
        static const std::array<Kind, 128> kSingle = [] {
            std::array<Kind, 128> table{};
            for (const KindOfText& entry : kKindsByText) {
                if (entry.text.size() == 1) table[static_cast<std::size_t>(entry.text[0])] = entry.kind;
            }
            return table;
        }();
        const auto index = static_cast<unsigned char>(first);
        return index < kSingle.size() ? kSingle[index] : Kind::None;
    }
    // Longer texts are compared only with the entries of their length, first
    // character first: most of them are names that match none.
    static const std::array<std::vector<KindOfText>, 8> kBySize = [] {
        std::array<std::vector<KindOfText>, 8> table{};
        for (const KindOfText& entry : kKindsByText) table[entry.text.size()].push_back(entry);
        return table;
    }();
    for (const KindOfText& entry : kBySize[text.size()]) {
        if (entry.text[0] == first && entry.text == text) return entry.kind;
    }
    return Kind::None;
}

Kind finalKind(const Token& token) {
    const Kind byText = kindOfText(token.text);
    if (byText != Kind::None) return byText;
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

bool defineTokens(Compiler& compiler) {
    if (!convertHexNumbers(compiler)) return false;
    foldSigns(compiler);
    joinExponents(compiler);
    assignKinds(compiler);
    compiler.trace("addDef(): numTok=" + std::to_string(compiler.tokenCount));
    return true;
}

void addDef(Compiler& compiler) {
    if (defineTokens(compiler)) dumpTokens(compiler, compiler.host.monitorTokens());
}

void resetSymbols(SymbolTable& symbols) {
    symbols.truncate(0);
    for (int i = 0; i < kBuiltinCount; ++i) {
        const OperationInfo& operation = kOperations[static_cast<std::size_t>(i)];
        symbols.add(Symbol{Kind::FUNC, std::string(operation.name), operationCode(i), 0, 0,
                           operation.argumentCount, {}});
    }
}

static_assert([] {
    for (int op = 0; op < kBuiltinCount; ++op) {
        const std::string_view name = kOperations[static_cast<std::size_t>(op)].name;
        if (isCalledByName(op) && (name[0] < 'a' || name[0] > 'z')) return false;
    }
    return true;
}());

bool isBuiltinName(std::string_view name) {
    // Numbers and most names are turned away by their first character; the
    // rest are compared only with the callable names of that first letter
    // (the compilers and the call scan ask for every name they meet).
    if (name.empty() || name[0] < 'a' || name[0] > 'z') return false;
    // "aux" has no operation of its own; fft is in the table but not callable.
    if (name == "aux") return true;
    static const std::array<std::vector<std::string_view>, 26> kCallableByLetter = [] {
        std::array<std::vector<std::string_view>, 26> table{};
        for (int op = 0; op < kBuiltinCount; ++op) {
            if (!isCalledByName(op)) continue;
            const std::string_view callable = kOperations[static_cast<std::size_t>(op)].name;
            table[static_cast<std::size_t>(callable[0] - 'a')].push_back(callable);
        }
        return table;
    }();
    const auto& candidates = kCallableByLetter[static_cast<std::size_t>(name[0] - 'a')];
    return std::find(candidates.begin(), candidates.end(), name) != candidates.end();
}

}  // namespace zentra
