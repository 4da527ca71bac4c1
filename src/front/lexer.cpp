#include "front/lexer.h"

#include <string>

#include "base/hex_digits.h"
#include "base/utf8.h"
#include "base/source_text.h"
#include "front/token_append.h"
#include "front/token_defs.h"

namespace zentra {

namespace {

constexpr std::string_view kReturnWord = "return";

// How a rejected character appears in its message: as written, except that
// control characters and broken UTF-8 bytes are spelled \xHH so the output
// area stays readable text.
std::string displayedCharacter(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1 && (first < 0x20 || first >= 0x7F)) {
        return escapedByte(first);
    }
    return std::string(character);
}

// Steps 1-3: the comment cut and the "=" after the first "return". The
// line is a view of `line` unless it has a "return"; then it is `storage`.
std::string_view preparedLine(std::string_view line, std::string& storage) {
    const std::string_view text = line.substr(0, line.find("//"));
    const auto at = text.find(kReturnWord);
    if (at == std::string_view::npos) return text;
    const std::size_t end = at + kReturnWord.size();
    storage.assign(text.substr(0, end));
    storage += '=';
    storage += text.substr(end);
    return storage;
}

// Scans one prepared line and appends its tokens with their final kinds,
// except for numbers the token definition may still join or fold.
class LineLexer {
  public:
    LineLexer(TokenTable& tokens, Reporter& report, std::int32_t position, std::string_view text)
        : tokens_(tokens), report_(report), position_(position), text_(text) {}

    int run() {
        const std::size_t n = text_.size();
        while (!full_) {
            while (at_ < n && isBlank(text_[at_])) ++at_;
            if (at_ >= n) break;
            scanToken();
        }
        return count_;
    }

  private:
    char peek(std::size_t offset) const {
        const std::size_t i = at_ + offset;
        return i < text_.size() ? text_[i] : '\0';
    }

    void scanToken() {
        const char c = peek(0);
        if (isNameStart(c)) return scanIdentifier();
        if (c == '"') return scanString();
        if (c == '0' && peek(1) == 'x') return scanHex();
        if (c == '.') return scanPoints();
        if (isDigitOrPoint(c)) return scanNumber();
        if (isDoubledOperator(c) && peek(1) == c) {
            at_ += 2;
            // A doubled caret is taken for "||", as the Windows program did.
            return emit(c == '&' ? Kind::LAND : Kind::LOR, c == '&' ? "&&" : "||");
        }
        if (isCompareStart(c) && peek(1) == '=') {
            at_ += 2;
            const std::string_view text = text_.substr(at_ - 2, 2);
            return emit(textKind(text), text);
        }
        // The single-character operators are the characters with a kind of
        // their own ("." has been taken as points above).
        if (const Kind kind = punctuationKind(c); kind != Kind::None) {
            ++at_;
            return emit(kind, text_.substr(at_ - 1, 1));
        }
        rejectCharacter();
    }

    std::string_view takeWhile(bool (*belongs)(char)) {
        const std::size_t start = at_;
        while (at_ < text_.size() && belongs(text_[at_])) ++at_;
        return text_.substr(start, at_ - start);
    }

    void scanIdentifier() {
        const std::string_view name = takeWhile(isNamePart);
        emit(nameKind(name), name);
    }

    void scanString() {
        const std::size_t start = at_ + 1;
        const auto close = text_.find('"', start);
        if (close != std::string_view::npos) {
            at_ = close + 1;
            const std::string_view text = text_.substr(start, close - start);
            return emit(finalKindOf(text, Kind::STRING), text);
        }
        // The rest of the line.
        at_ = text_.size();
        report_.errorAt(104, position_, "文字列の解読ができません");
        report_.markLine(position_);
        emit(finalKindOf(text_.substr(start), Kind::STRING), text_.substr(start));
    }

    void scanHex() {
        at_ += 2;
        emit(Kind::HEX, takeWhile(isHexDigit));
    }

    void scanPoints() {
        emit(Kind::MULTI, takeWhile([](char c) { return c == '.'; }));
    }

    void scanNumber() {
        const std::string_view digits = takeWhile(isDigitOrPoint);
        int points = 0;
        for (const char c : digits) {
            if (c == '.' && ++points > 1) {
                report_.errorAt(105, position_, "文字 " + quoted(".") + " の解読ができません");
            }
        }
        emit(Kind::DIGIT, digits);
    }

    void rejectCharacter() {
        const std::size_t length = utf8CharacterLength(text_.substr(at_));
        const std::size_t taken = length == 0 ? 1 : length;
        const std::string_view character = text_.substr(at_, taken);
        at_ += taken;
        report_.errorAt(106, position_,
                          "文字 " + quoted(displayedCharacter(character)) + " は使えません");
        emit(Kind::None, {});
    }

    void emit(Kind kind, std::string_view text) {
        if (appendStoredToken(tokens_, report_, Token{position_, kind, text, 0})) {
            ++count_;
        } else {
            full_ = true;  // the array is full; error 921 has been reported
        }
    }

    TokenTable& tokens_;
    Reporter& report_;
    const std::int32_t position_;
    const std::string_view text_;
    std::size_t at_ = 0;
    int count_ = 0;
    bool full_ = false;
};

}  // namespace

int lexLine(TokenTable& tokens, Reporter& report, std::int32_t position, std::string_view line) {
    std::string withReturn;
    const std::string_view text = preparedLine(line, withReturn);
    if (text.empty()) return 0;
    report.trace(text);
    // The line is stored once; its tokens are views of it.
    return LineLexer(tokens, report, position, tokens.store(text)).run();
}

}  // namespace zentra
