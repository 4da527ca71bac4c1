#include "support/token_fixture.h"

#include <array>
#include <charconv>
#include <sstream>
#include <stdexcept>

#include "front/operand.h"
#include "front/parser_passes.h"
#include "compile/program_compiler.h"
#include "front/token_defs.h"
#include "base/hex_digits.h"
#include "front/token_append.h"
#include "vm/code_text.h"

namespace zentra::test_support {

namespace {

// Texts the lexer and the token definitions join from several characters;
// every other text takes the kind the front end gives it.
struct TextKind {
    std::string_view text;
    Kind kind;
};

constexpr std::array<TextKind, 3> kJoinedTexts{{
    {"&&", Kind::LAND},
    {"||", Kind::LOR},
    {"...", Kind::MULTI},
}};

bool isNumberText(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    return i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.');
}

}  // namespace

Kind kindOfText(std::string_view text) {
    for (const TextKind& joined : kJoinedTexts) {
        if (joined.text == text) return joined.kind;
    }
    return finalKindOf(text, isNumberText(text) ? Kind::DIGIT : Kind::IDENT);
}

TokenFixture::TokenFixture() {
    compiler.emitter.bind(&code);
    setTokens("");
}

void TokenFixture::setTokens(std::string_view text, int area) {
    compiler.tokens.setCount(0);
    std::istringstream lines{std::string(text)};
    std::string lineText;
    for (int line = 1; std::getline(lines, lineText); ++line) {
        std::istringstream words(lineText);
        std::string word;
        while (words >> word) {
            Token token;
            token.position = makePosition(area, line);
            const auto tilde = word.rfind('~');
            if (tilde != std::string::npos && tilde > 0) {
                token.scope = std::stoi(word.substr(tilde + 1));
                word.resize(tilde);
            }
            if (word.size() >= 2 && word.front() == '"' && word.back() == '"') {
                token.kind = Kind::STRING;
                token.text = std::string_view(word).substr(1, word.size() - 2);
            } else {
                token.kind = kindOfText(word);
                token.text = word;
            }
            appendToken(compiler.tokens, compiler.report, token);  // copies the text out of `word`
        }
    }
    compiler.tokens.markEnd();
    resetParserState(compiler);
    compiler.errors.clear();
    compiler.plan.outputSelection.clear();
    compiler.plan.graphList.clear();
    resetSymbols(compiler.symbols);
}

void TokenFixture::declareVariable(const std::string& name, int scope) {
    Operand operand{Kind::IDENT, name, {}, scope, {}};
    declareSymbol(compiler, operand, Kind::VAR);
}

void TokenFixture::declareArray(const std::string& name, int count) {
    Operand operand{Kind::IDENT, name, {}, 0, {}};
    declareSymbol(compiler, operand, Kind::ARRAY);
    compiler.layout.nextVariableSlot += count - 1;
    compiler.layout.registerArraySize(name, count);
}

void TokenFixture::declareString(const std::string& name, const std::string& text) {
    Operand operand{Kind::STRING, name, {}, 0, text};
    declareSymbol(compiler, operand, Kind::STRING);
}

int TokenFixture::run(int loopLimit) {
    if (!compiler.emitter.fits()) return kProgramTooLong;
    compiler.emitter.finish();
    stores = ValueStores{};
    stores.constants = constantStore;
    for (int i = kFirstUserSymbol; i < compiler.symbols.count(); ++i) {
        const Symbol& s = compiler.symbols[i];
        const int slot = s.code.slot();
        if (s.kind != Kind::DIGIT || s.code.codeClass != CodeClass::LoadConstant) continue;
        double value = 0.0;
        std::from_chars(s.name.data(), s.name.data() + s.name.size(), value);
        stores.constants[static_cast<std::size_t>(slot)] = value;
    }
    RandomSource random;
    return execute(code, stores, MachineSettings{loopLimit, 1.0}, random);
}

std::string TokenFixture::codeText() const {
    std::string text = zentra::codeText(compiler.emitter.words());
    text.pop_back();
    return text;
}

double TokenFixture::variable(const std::string& name) const {
    const int index = compiler.symbols.find(Kind::VAR, name);
    if (index < 0) throw std::out_of_range("no variable " + name);
    const SymbolCode& symbolCode = compiler.symbols[index].code;
    const int slot = symbolCode.slot();
    const ValueStore& store = symbolCode.codeClass == CodeClass::LoadLocal ? stores.locals : stores.variables;
    return store[static_cast<std::size_t>(slot)];
}

}  // namespace zentra::test_support
