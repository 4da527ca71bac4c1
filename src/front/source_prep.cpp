#include "front/source_prep.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/source_text.h"
#include "front/function_lines.h"
#include "front/lexer.h"
#include "front/token_append.h"

namespace zentra {

namespace {

constexpr std::int32_t kAreaStep = 0x10000;

// What the preparation reads and fills.
struct Preparation {
    Host& host;
    const std::vector<std::string>& calledFunctions;
    TokenTable& tokens;
    Reporter& report;
};

// Appends a token the preparation adds itself (its text a literal). It takes
// the position of the token before it (the line it ends), or 0 at the start
// of the array.
void appendInserted(Preparation& p, std::string_view text, Kind kind) {
    const std::int32_t position = p.tokens.at(p.tokens.count() - 1).position;
    appendStoredToken(p.tokens, p.report, Token{position, kind, text, 0});
}

// Lexes one line and closes it with ";" when it gave any token. A line that
// already ends in ";" needs none: the clean-up would remove one of the two,
// and the pair would cost a place in the token array meanwhile.
int lexStatementLine(Preparation& p, std::int32_t position, std::string_view line) {
    const int count = lexLine(p.tokens, p.report, position, line);
    if (count > 0 && p.tokens.at(p.tokens.count() - 1).text != ";") {
        appendInserted(p, ";", Kind::SEMICLN);
    }
    return count;
}

// Whether a line gives tokens: anything but blanks before its comment.
bool holdsTokens(std::string_view line) { return !removeBlanks(cutComment(line)).empty(); }

// True (after reporting error 928) when line `index` (from 0) of an area lies
// past the last line a position code can name and holds something.
bool pastLastLine(Preparation& p, int area, std::size_t index, std::string_view line) {
    if (index < static_cast<std::size_t>(kMaxAreaLines) || !holdsTokens(line)) return false;
    p.report.errorAt(kErrAreaTooLong, makePosition(area, kMaxAreaLines),
                     "行数が" + std::to_string(kMaxAreaLines) + "行を超えました。");
    return true;
}

void lexFunctionFromEditor(Preparation& p, std::int32_t base) {
    const std::vector<std::string> lines = p.host.functionEditorLines();
    for (std::size_t j = 0; j < lines.size(); ++j) {
        if (pastLastLine(p, areaOf(base), j, lines[j])) return;
        lexStatementLine(p, base + static_cast<std::int32_t>(j), lines[j]);
    }
}

void lexFunctionFromStore(Preparation& p, const std::string& name, std::int32_t base,
                          const std::vector<std::string>& store) {
    int first = 0;
    const int count = findFunctionLines(name, store, first);
    if (count < 0) return;
    p.report.trace(name + " start=" + std::to_string(first));
    p.report.trace(name + " lines=" + std::to_string(count));
    for (int j = 0; j < count; ++j) {
        const std::string& line = store[static_cast<std::size_t>(first + j)];
        if (pastLastLine(p, areaOf(base), static_cast<std::size_t>(j), line)) return;
        if (!line.empty()) lexStatementLine(p, base + j, line);
    }
}

// The bodies of the called functions, one area each: the open editor wins
// over the store for the function it shows.
void lexUserFunctions(Preparation& p, const std::vector<std::string>& store) {
    std::int32_t base = makePosition(kFirstFunctionArea, 1);
    for (const std::string& name : p.calledFunctions) {
        Host& host = p.host;
        if (host.functionWindowVisible() &&
            functionNameOfText(host.functionEditorLines()) == name) {
            lexFunctionFromEditor(p, base);
        } else {
            lexFunctionFromStore(p, name, base, store);
        }
        // Area 0x7FFF is the last one a position code can name.
        if (areaOf(base) == 0x7FFF) break;
        base += kAreaStep;
    }
}

// Empty lines leave the editor, so the reported line numbers are those the
// user sees after the run.
void lexParameterArea(Preparation& p) {
    TextArea& area = p.host.parameterArea();
    int i = 0;
    while (i < area.lineCount()) {
        const std::string line = area.line(i);
        if (line.empty()) {
            const int before = area.lineCount();
            area.deleteLine(i);
            if (area.lineCount() < before) continue;
        } else {
            if (pastLastLine(p, kParameterArea, static_cast<std::size_t>(i), line)) return;
            lexStatementLine(p, makePosition(kParameterArea, 1) + i, line);
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
    return line.find("graph(") == std::string_view::npos &&
           line.find('{') == std::string_view::npos && line.find('}') == std::string_view::npos;
}

void lexProgramLine(Preparation& p, std::int32_t position, std::string_view source) {
    const std::string_view line = source.substr(0, source.find("//"));  // the comment cut
    if (std::all_of(line.begin(), line.end(), isBlank)) return;
    if (!isBareExpression(line)) {
        lexStatementLine(p, position, line);
        return;
    }
    // The result variable is named after the expression: $3+4*2.
    const std::string compact = removeBlanks(line);
    const int first = p.tokens.count();
    if (lexLine(p.tokens, p.report, position, "v=" + compact) <= 0) return;
    p.tokens[static_cast<std::size_t>(first)].text = p.tokens.join("$", compact);
    appendInserted(p, ";", Kind::SEMICLN);
}

void lexProgramArea(Preparation& p) {
    const TextArea& area = p.host.programArea();
    const int lines = area.lineCount();
    for (int j = 0; j < lines; ++j) {
        const std::string line = area.line(j);
        if (pastLastLine(p, kProgramArea, static_cast<std::size_t>(j), line)) return;
        lexProgramLine(p, makePosition(kProgramArea, j + 1), line);
    }
}

bool semicolonIsMisplaced(const TokenTable& tokens, int j, int scanStart) {
    if (j == scanStart) return true;
    const std::string_view before = tokens.at(j - 1).text;
    static constexpr std::array<std::string_view, 6> kNoSemicolonAfter{"{",    "}",     "if",
                                                                       "else", "elsif", "while"};
    if (std::find(kNoSemicolonAfter.begin(), kNoSemicolonAfter.end(), before) !=
        kNoSemicolonAfter.end()) {
        return true;
    }
    const std::string_view after = tokens.at(j + 1).text;
    return after == "{" || after == ";";
}

// Moves the later tokens down over token j, the "\" record past the end with them.
void removeToken(TokenTable& tokens, int j) {
    Token* const records = tokens.records();
    std::move(records + j + 1, records + tokens.count() + 1, records + j);
    tokens.setCount(tokens.count() - 1);
}

// No ";" after "{", "}" or a control word, before "{" or another ";", or at
// the very start; the last one always stays.
void removeMisplacedSemicolons(TokenTable& tokens) {
    int scanStart = 0;
    while (true) {
        int j = scanStart;
        while (j < tokens.count() && tokens.at(j).text != ";") ++j;
        const int m = j + 1;
        if (m >= tokens.count()) return;
        if (semicolonIsMisplaced(tokens, j, scanStart)) {
            removeToken(tokens, j);
        } else {
            scanStart = m;
        }
    }
}

}  // namespace

void prepareSource(Host& host, const std::vector<std::string>& calledFunctions,
                   const std::vector<std::string>& userFunctionStore, TokenTable& tokens,
                   Reporter& report) {
    tokens.clear();
    Preparation p{host, calledFunctions, tokens, report};
    lexUserFunctions(p, userFunctionStore);
    lexParameterArea(p);
    appendInserted(p, "proc", Kind::PROC);
    appendInserted(p, "{", Kind::BEGIN);
    lexProgramArea(p);
    appendInserted(p, "}", Kind::END);
    appendInserted(p, ";", Kind::SEMICLN);
    tokens.markEnd();
    removeMisplacedSemicolons(tokens);
}

}  // namespace zentra
