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

// Hexadecimal numbers become decimal DIGIT tokens. False when one does not
// fit in 31 bits or has no digits (error 199 was reported).
bool convertHexNumbers(TokenTable& table, Reporter& report) {
    Token* const tokens = table.records();
    const int count = table.count();  // read once: writes to the records would reload it
    for (int i = 0; i < count; ++i) {
        Token& token = tokens[i];
        if (token.kind != Kind::HEX) continue;
        // Beyond eight significant digits the 32-bit value would have lost its
        // high digits; "0x" alone has no value at all.
        const std::size_t significant =
            token.text.size() - std::min(token.text.find_first_not_of('0'), token.text.size());
        const std::int64_t value = significant > 8 ? -1 : hexValue(token.text);
        if (token.text.empty() || value < 0 || (value & 0x80000000) != 0) {
            const std::string_view shown = token.text.empty() ? "0x" : token.text;
            report.errorAt(199, token.position,
                           quoted(shown) + "  は" + "範囲(0～7fffffff)を超えています");
            return false;
        }
        token.text = table.store(std::to_string(value));
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

    void take(std::string_view text, Kind textKind) {
        first = text.empty() ? 0 : text[0];
        isE = text.size() == 1 && first == 'E';
        kindTwoBefore = kind;
        kind = textKind;
    }
};

// A sign is unary after an operator, an opening bracket, a comma, or the
// "E" of an exponent (an "E" that follows a number; a variable E is an operand).
bool isSignBeforeNumber(const Token& sign, const Token* after) {
    // One character compared, not two texts: every token is asked.
    if (sign.text.size() != 1 || (sign.text[0] != '-' && sign.text[0] != '+')) return false;
    return after != nullptr && after->kind == Kind::DIGIT;
}

bool signIsUnary(const Token& sign, const Token* after, const BeforeSign& before) {
    if (!isSignBeforeNumber(sign, after)) return false;
    if (before.isE) return before.kindTwoBefore == Kind::DIGIT;
    static constexpr std::string_view kOperandExpected = "-+*/><!%&^=({,[|";
    return before.first != 0 && kOperandExpected.find(before.first) != std::string_view::npos;
}

// Folds unary signs into the numbers after them, in place: the write
// position never passes the read position.
void foldSigns(TokenTable& table) {
    Token* const tokens = table.records();
    const int count = table.count();
    if (count <= 1) return;
    BeforeSign before;
    int write = 1;
    int i = 1;
    while (i < count) {
        if (write == i) {
            // Nothing has moved yet: skip to the next sign before a number;
            // what the test reads there comes from the two tokens in front.
            while (i < count - 1 && !isSignBeforeNumber(tokens[i], &tokens[i + 1])) ++i;
            if (i >= count - 1) {
                write = count;
                break;
            }
            write = i;  // the skipped tokens stay where they are
            before = BeforeSign{};
            if (i >= 2) before.take(tokens[i - 2].text, tokens[i - 2].kind);
            before.take(tokens[i - 1].text, tokens[i - 1].kind);
        }
        Token& token = tokens[i];
        const Token* after = i + 1 < count ? &tokens[i + 1] : nullptr;
        if (signIsUnary(token, after, before)) {
            Token folded = token;
            folded.kind = Kind::DIGIT;
            folded.text = token.text == "-" ? table.join("-", after->text) : after->text;
            before.kind = token.kind;
            before.take(after->text, after->kind);
            tokens[write] = std::move(folded);
            i += 2;
        } else {
            before.take(token.text, token.kind);
            if (write != i) tokens[write] = std::move(token);
            i += 1;
        }
        ++write;
    }
    table.setCount(static_cast<std::int32_t>(write));
}

// Joins "1.5" "E" "-3" and "2" "E5" into one number text.
void joinExponents(TokenTable& table, Reporter& report) {
    Token* const tokens = table.records();
    const int count = table.count();
    for (int j = 0; j < count - 1; ++j) {
        Token& number = tokens[j];
        Token& letter = tokens[j + 1];
        if (number.kind != Kind::DIGIT || letter.text.empty() || letter.text[0] != 'E') continue;
        if (letter.text != "E") {
            number.text = table.join(number.text, letter.text);
            letter.text = {};
            // "2Ex" would otherwise be read as 2 further on.
            if (!isNumberText(number.text)) {
                report.errorAt(193, number.position,
                               " 数値 " + quoted(number.text) + " を読めません");
            }
            j += 1;
            continue;
        }
        const Token& exponent = table.at(j + 2);
        if (exponent.kind == Kind::DIGIT) {
            number.text = table.join(number.text, table.join("E", exponent.text));
            letter.text = {};
            tokens[j + 2].text = {};
            j += 2;
        } else {
            // Past the last token the message points at the "E" itself.
            const std::int32_t at = j + 2 < count ? exponent.position : letter.position;
            report.errorAt(193, at, " 数値 " + quoted(exponent.text) + " を読めません");
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

}  // namespace

// The texts of the table are all different, so the one that matches is the
// first that matches.
Kind textKind(std::string_view text) {
    if (text.empty()) return Kind::None;
    const char first = text[0];
    // Only operators and punctuation, and keywords starting with a lower-case letter.
    const bool punctuation = (first >= '!' && first <= '/') || (first >= ':' && first <= '@') ||
                             first == '[' || first == ']' || first == '^' || first == '{' ||
                             first == '|' || first == '}';
    if (!punctuation && !(first >= 'a' && first <= 'z')) return Kind::None;
    if (text.size() > 7) return Kind::None;
    // Most tokens are one character: look them up by that character.
    if (text.size() == 1) return punctuationKind(first);
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

Kind finalKindOf(std::string_view text, Kind firstLevel) {
    const Kind byText = textKind(text);
    if (byText != Kind::None) return byText;
    if (isBuiltinName(text)) return Kind::FUNC;
    return firstLevel;
}

namespace {

// Drops empty tokens and gives the tokens without a kind theirs. The others
// have it from the lexer, and the passes before only make numbers (DIGIT,
// which no text changes).
void assignKinds(TokenTable& table, Reporter& report) {
    Token* const tokens = table.records();
    int write = 0;
    const int count = table.count();
    for (int j = 0; j < count; ++j) {
        Token& token = tokens[j];
        if (token.text.empty()) continue;
        if (token.kind == Kind::None) token.kind = finalKindOf(token.text, Kind::None);
        if (token.kind == Kind::None) {
            report.errorAt(109, token.position, quoted(token.text) + " を識別できません");
        }
        if (write != j) tokens[write] = std::move(token);
        ++write;
    }
    table.setCount(write);
}

}  // namespace

bool defineTokens(TokenTable& table, Reporter& report) {
    if (!convertHexNumbers(table, report)) return false;
    foldSigns(table);
    joinExponents(table, report);
    assignKinds(table, report);
    report.trace("addDef(): numTok=" + std::to_string(table.count()));
    return true;
}

void addDef(TokenTable& table, Reporter& report, TextArea& tokenPane) {
    if (defineTokens(table, report)) dumpTokens(table, tokenPane);
}

void resetSymbols(SymbolTable& symbols) {
    symbols.truncate(0);
    for (int i = 0; i < kBuiltinCount; ++i) {
        const OperationInfo& operation = kOperations[static_cast<std::size_t>(i)];
        symbols.add(Symbol{Kind::FUNC,
                           std::string(operation.name),
                           operationCode(i),
                           0,
                           0,
                           operation.argumentCount,
                           {}});
    }
}

bool isBuiltinName(std::string_view name) { return nameKind(name) == Kind::FUNC; }

namespace {

struct NameOfKind {
    std::string_view name;
    Kind kind;
};

// The names that are not IDENT: keywords, then the callable builtins ("aux"
// has no operation of its own; fft is in the table but not callable).
constexpr int kKeywordCount = [] {
    int count = 0;
    for (const KindOfText& entry : kKindsByText)
        count += entry.text[0] >= 'a' && entry.text[0] <= 'z';
    return count;
}();
constexpr int kCallableCount = [] {
    int count = 0;
    for (int op = 0; op < kBuiltinCount; ++op) count += isCalledByName(op);
    return count;
}();
constexpr int kNameCount = kKeywordCount + kCallableCount + 1;

// Grouped by first letter, keywords before builtins within a letter (a text's
// own kind comes first); start[c] .. start[c + 1] is letter c's group.
struct NameTable {
    std::array<NameOfKind, kNameCount> names{};
    std::array<int, 27> start{};
};

constexpr NameTable kNames = [] {
    std::array<NameOfKind, kNameCount> all{};
    int n = 0;
    for (const KindOfText& entry : kKindsByText) {
        if (entry.text[0] >= 'a' && entry.text[0] <= 'z')
            all[static_cast<std::size_t>(n++)] = {entry.text, entry.kind};
    }
    for (int op = 0; op < kBuiltinCount; ++op) {
        if (isCalledByName(op))
            all[static_cast<std::size_t>(n++)] = {kOperations[static_cast<std::size_t>(op)].name,
                                                  Kind::FUNC};
    }
    all[static_cast<std::size_t>(n++)] = {"aux", Kind::FUNC};
    NameTable table;
    int k = 0;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        table.start[static_cast<std::size_t>(letter - 'a')] = k;
        for (const NameOfKind& entry : all) {
            if (entry.name[0] == letter) table.names[static_cast<std::size_t>(k++)] = entry;
        }
    }
    table.start[26] = k;
    return table;
}();
static_assert(kNames.start[26] == kNameCount,
              "every keyword and builtin starts with a lower-case letter");

}  // namespace

Kind nameKind(std::string_view name) {
    // Numbers and most names are turned away by their first character; the
    // rest are compared only with the names of that first letter (none for
    // the v0, v1, ... of a long program).
    if (name.empty()) return Kind::IDENT;
    const auto letter = static_cast<unsigned char>(name[0] - 'a');
    if (letter >= 26) return Kind::IDENT;
    const int end = kNames.start[letter + 1u];
    for (int i = kNames.start[letter]; i < end; ++i) {
        const NameOfKind& entry = kNames.names[static_cast<std::size_t>(i)];
        if (entry.name.size() == name.size() && entry.name.back() == name.back() &&
            entry.name == name) {
            return entry.kind;
        }
    }
    return Kind::IDENT;
}

Kind punctuationKind(char c) {
    static constexpr std::array<Kind, 128> kSingle = [] {
        std::array<Kind, 128> table{};
        for (const KindOfText& entry : kKindsByText) {
            if (entry.text.size() == 1) table[static_cast<std::size_t>(entry.text[0])] = entry.kind;
        }
        return table;
    }();
    const auto index = static_cast<unsigned char>(c);
    return index < kSingle.size() ? kSingle[index] : Kind::None;
}

}  // namespace zentra
