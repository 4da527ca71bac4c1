#include "front/source_prep.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "front/lexer.h"
#include "base/source_text.h"
#include "front/function_lines.h"

namespace zentra {

namespace {

constexpr std::int32_t kAreaStep = 0x10000;

// Appends a token the preparation adds itself (its text a literal). It takes
// the position of the token before it (the line it ends), or 0 at the start
// of the array.
void appendInserted(Compiler& compiler, std::string_view text, Kind kind) {
    const std::int32_t position = compiler.tokenAt(compiler.tokens.count() - 1).position;
    compiler.appendStoredToken(Token{position, kind, text, 0});
}

// Lexes one line and closes it with ";" when it gave any token. A line that
// already ends in ";" needs none: the clean-up would remove one of the two,
// and the pair would cost a place in the token array meanwhile.
int lexStatementLine(Compiler& compiler, std::int32_t position, std::string_view line) {
    const int count = lexLine(compiler, position, line);
    if (count > 0 && compiler.tokenAt(compiler.tokens.count() - 1).text != ";") {
        appendInserted(compiler, ";", Kind::SEMICLN);
    }
    return count;
}

// Whether a line gives tokens: anything but blanks before its comment.
bool holdsTokens(std::string_view line) { return !removeBlanks(cutComment(line)).empty(); }

// True (after reporting error 928) when line `index` (from 0) of an area lies
// past the last line a position code can name and holds something.
bool pastLastLine(Compiler& compiler, int area, std::size_t index, std::string_view line) {
    if (index < static_cast<std::size_t>(kMaxAreaLines) || !holdsTokens(line)) return false;
    compiler.errorAt(kErrAreaTooLong, makePosition(area, kMaxAreaLines),
                     "行数が" + std::to_string(kMaxAreaLines) + "行を超えました。");
    return true;
}

void lexFunctionFromEditor(Compiler& compiler, std::int32_t base) {
    const std::vector<std::string> lines = compiler.host.functionEditorLines();
    for (std::size_t j = 0; j < lines.size(); ++j) {
        if (pastLastLine(compiler, areaOf(base), j, lines[j])) return;
        lexStatementLine(compiler, base + static_cast<std::int32_t>(j), lines[j]);
    }
}

void lexFunctionFromStore(Compiler& compiler, const std::string& name, std::int32_t base,
                          const std::vector<std::string>& store) {
    int first = 0;
    const int count = findFunctionLines(name, store, first);
    if (count < 0) return;
    compiler.trace(name + " start=" + std::to_string(first));
    compiler.trace(name + " lines=" + std::to_string(count));
    for (int j = 0; j < count; ++j) {
        const std::string& line = store[static_cast<std::size_t>(first + j)];
        if (pastLastLine(compiler, areaOf(base), static_cast<std::size_t>(j), line)) return;
        if (!line.empty()) lexStatementLine(compiler, base + j, line);
    }
}

// The bodies of the called functions, one area each: the open editor wins
// over the store for the function it shows.
void lexUserFunctions(Compiler& compiler, const std::vector<std::string>& store) {
    std::int32_t base = makePosition(kFirstFunctionArea, 1);
    for (const std::string& name : compiler.plan.userFunctions) {
        Host& host = compiler.host;
        if (host.functionWindowVisible() &&
            functionNameOfText(host.functionEditorLines()) == name) {
            lexFunctionFromEditor(compiler, base);
        } else {
            lexFunctionFromStore(compiler, name, base, store);
        }
        // Area 0x7FFF is the last one a position code can name.
        if (areaOf(base) == 0x7FFF) break;
        base += kAreaStep;
    }
}

// Empty lines leave the editor, so the reported line numbers are those the
// user sees after the run.
void lexParameterArea(Compiler& compiler) {
    TextArea& area = compiler.host.parameterArea();
    int i = 0;
    while (i < area.lineCount()) {
        const std::string line = area.line(i);
        if (line.empty()) {
            const int before = area.lineCount();
            area.deleteLine(i);
            if (area.lineCount() < before) continue;
        } else {
            if (pastLastLine(compiler, kParameterArea, static_cast<std::size_t>(i), line)) return;
            lexStatementLine(compiler, makePosition(kParameterArea, 1) + i, line);
        }
        ++i;
    }
}

// A line without "=", control words, braces or graph( computes a value to show.
bool isBareExpression(std::string_view line) {
    if (line.find('=') != std::string_view::npos) return false;
    static constexpr std::array<std::string_view, 4> kControlWords{"if", "else", "elsif", "while"};
    for (const std::string_view word : kControlWords) {
        if (containsWord(line, word)) return false;
    }
    return line.find("graph(") == std::string_view::npos && line.find('{') == std::string_view::npos &&
           line.find('}') == std::string_view::npos;
}

void lexProgramLine(Compiler& compiler, std::int32_t position, std::string_view source) {
    const std::string_view line = source.substr(0, source.find("//"));  // the comment cut
    if (std::all_of(line.begin(), line.end(), isBlank)) return;
    if (!isBareExpression(line)) {
        lexStatementLine(compiler, position, line);
        return;
    }
    // The result variable is named after the expression: $3+4*2.
    const std::string compact = removeBlanks(line);
    const int first = compiler.tokens.count();
    if (lexLine(compiler, position, "v=" + compact) <= 0) return;
    compiler.tokens[static_cast<std::size_t>(first)].text = compiler.tokens.join("$", compact);
    appendInserted(compiler, ";", Kind::SEMICLN);
}

void lexProgramArea(Compiler& compiler) {
    const TextArea& area = compiler.host.programArea();
    const int lines = area.lineCount();
    for (int j = 0; j < lines; ++j) {
        const std::string line = area.line(j);
        if (pastLastLine(compiler, kProgramArea, static_cast<std::size_t>(j), line)) return;
        lexProgramLine(compiler, makePosition(kProgramArea, j + 1), line);
    }
}

bool semicolonIsMisplaced(const Compiler& compiler, int j, int scanStart) {
    if (j == scanStart) return true;
    const std::string_view before = compiler.tokenAt(j - 1).text;
    static constexpr std::array<std::string_view, 6> kNoSemicolonAfter{"{",    "}",     "if",
                                                                       "else", "elsif", "while"};
    if (std::find(kNoSemicolonAfter.begin(), kNoSemicolonAfter.end(), before) !=
        kNoSemicolonAfter.end()) {
        return true;
    }
    const std::string_view after = compiler.tokenAt(j + 1).text;
    return after == "{" || after == ";";
}

// Moves the later tokens down over token j, the "\" record past the end with them.
void removeToken(Compiler& compiler, int j) {
    Token* const tokens = compiler.tokens.records();
    std::move(tokens + j + 1, tokens + compiler.tokens.count() + 1, tokens + j);
    compiler.tokens.setCount(compiler.tokens.count() - 1);
}

// No ";" after "{", "}" or a control word, before "{" or another ";", or at
// the very start; the last one always stays.
void removeMisplacedSemicolons(Compiler& compiler) {
    int scanStart = 0;
    while (true) {
        int j = scanStart;
        while (j < compiler.tokens.count() && compiler.tokenAt(j).text != ";") ++j;
        const int m = j + 1;
        if (m >= compiler.tokens.count()) return;
        if (semicolonIsMisplaced(compiler, j, scanStart)) {
            removeToken(compiler, j);
        } else {
            scanStart = m;
        }
    }
}

}  // namespace

void prepareSource(Compiler& compiler, const std::vector<std::string>& userFunctionStore) {
    compiler.clearTokens();
    compiler.errors.clear();

    lexUserFunctions(compiler, userFunctionStore);
    lexParameterArea(compiler);
    appendInserted(compiler, "proc", Kind::PROC);
    appendInserted(compiler, "{", Kind::BEGIN);
    lexProgramArea(compiler);
    appendInserted(compiler, "}", Kind::END);
    appendInserted(compiler, ";", Kind::SEMICLN);
    compiler.tokens.markEnd();
    removeMisplacedSemicolons(compiler);
}

}  // namespace zentra
