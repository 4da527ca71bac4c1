#include "support/declare_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "base/hex_digits.h"
#include "compile/program_compiler.h"
#include "front/declare.h"
#include "front/parser_passes.h"
#include "front/token_append.h"
#include "front/token_defs.h"
#include "vm/operations.h"

namespace zentra::test {

Kind kindOfWord(std::string_view word) {
    struct Entry {
        std::string_view text;
        Kind kind;
    };
    static constexpr Entry kFixed[] = {
        {"=", Kind::ASSIGN},    {";", Kind::SEMICLN}, {",", Kind::COMMA}, {"[", Kind::AOPEN},
        {"]", Kind::ACLOS},     {"-", Kind::MINUS},   {"*", Kind::MUL},   {"{", Kind::BEGIN},
        {"}", Kind::END},       {"(", Kind::OPEN},    {")", Kind::CLOSE}, {"array", Kind::ARRAY},
        {"alias", Kind::ALIAS}, {"proc", Kind::PROC},
    };
    for (const Entry& e : kFixed) {
        if (word == e.text) return e.kind;
    }
    if (word.find_first_not_of('.') == std::string_view::npos) return Kind::MULTI;
    if (word.size() >= 2 && word.front() == '"' && word.back() == '"') return Kind::STRING;
    const std::size_t digitAt = word.front() == '-' ? 1 : 0;
    if (digitAt < word.size() && word[digitAt] >= '0' && word[digitAt] <= '9') return Kind::DIGIT;
    return Kind::IDENT;
}

DeclareBench::DeclareBench() { resetSymbols(compiler.symbols); }

void DeclareBench::load(std::string_view source) {
    compiler.tokens.setCount(0);
    int area = kParameterArea;
    int line = 1;
    std::istringstream lines{std::string(source)};
    std::string lineText;
    while (std::getline(lines, lineText)) {
        std::istringstream words{lineText};
        std::string word;
        while (words >> word) {
            const Kind kind = kindOfWord(word);
            if (kind == Kind::PROC) {
                area = kProgramArea;
                line = 1;
            }
            std::string text = kind == Kind::STRING ? word.substr(1, word.size() - 2) : word;
            appendToken(compiler.tokens, compiler.report,
                        Token{makePosition(area, line), kind, std::move(text), 0});
        }
        ++line;
    }
    compiler.tokens.markEnd();
}

void DeclareBench::load(const std::vector<TokenSpec>& tokens) {
    compiler.tokens.setCount(0);
    for (const TokenSpec& t : tokens) {
        appendToken(compiler.tokens, compiler.report,
                    Token{makePosition(kParameterArea, 1), t.kind, t.text, t.scope});
    }
    compiler.tokens.markEnd();
}

void DeclareBench::declareAll() {
    Compiler& c = compiler;
    resetParserState(c);
    while (!c.atEnd() && !c.currentIs(Kind::PROC)) {
        const int before = c.tokenIndex;
        compileDeclaration(c);
        if (c.tokenIndex <= before) {
            ADD_FAILURE() << "Declare consumed no token at " << before;
            break;
        }
    }
}

std::vector<std::string> DeclareBench::texts() const {
    std::vector<std::string> out;
    for (int i = 0; i < compiler.tokens.count(); ++i) out.emplace_back(compiler.tokenAt(i).text);
    return out;
}

}  // namespace zentra::test
