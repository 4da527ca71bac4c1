#include "front/lexer.h"

#include <string>

#include "results/text_helpers.h"

namespace zentra {

namespace {

constexpr std::string_view kReturnWord = "return";

// Length of the well-formed UTF-8 character at `at`, or 0 when the byte
// there does not start one (stray continuation byte, overlong form,
// surrogate, truncated sequence).
std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        const unsigned char lo = k == 1 ? low : 0x80;
        const unsigned char hi = k == 1 ? high : 0xBF;
        if (byte < lo || byte > hi) return 0;
    }
    return length;
}

// How a rejected character appears in its message: as written, except that
// control characters and broken UTF-8 bytes are spelled \xHH so the output
// area stays readable text.
std::string displayedCharacter(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1 && (first < 0x20 || first >= 0x7F)) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        return std::string("\\x") + kDigits[first >> 4] + kDigits[first & 0xF];
    }
    return std::string(character);
}

// Steps 1-3: the comment cut and the "=" after the first "return".
std::string preparedLine(std::string_view line) {
    std::string text = cutComment(line);
    const auto at = text.find(kReturnWord);
    if (at != std::string::npos) text.insert(at + kReturnWord.size(), "=");
    return text;
}

// Scans one prepared line (ending in a blank) and appends its tokens.
class LineLexer {
  public:
    LineLexer(Compiler& compiler, std::int32_t position, std::string text)
        : compiler_(compiler), position_(position), text_(std::move(text)) {}

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
            return emit(Kind::None, std::string_view(text_).substr(at_ - 2, 2));
        }
        if (isSingleOperator(c)) {
            ++at_;
            return emit(Kind::None, std::string_view(text_).substr(at_ - 1, 1));
        }
        rejectCharacter();
    }

    std::string_view takeWhile(bool (*belongs)(char)) {
        const std::size_t start = at_;
        while (at_ < text_.size() && belongs(text_[at_])) ++at_;
        return std::string_view(text_).substr(start, at_ - start);
    }

    void scanIdentifier() { emit(Kind::IDENT, takeWhile(isNamePart)); }

    void scanString() {
        const std::size_t start = at_ + 1;
        const auto close = text_.find('"', start);
        if (close != std::string::npos) {
            at_ = close + 1;
            return emit(Kind::STRING, std::string_view(text_).substr(start, close - start));
        }
        // The rest of the line, without the blank the lexer appended.
        at_ = text_.size();
        compiler_.errorAt(104, position_, "文字列の解読ができません");
        compiler_.lastErrorLine = errorLineOf(position_);
        emit(Kind::STRING, std::string_view(text_).substr(start, text_.size() - 1 - start));
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
                compiler_.errorAt(105, position_, "文字 " + quoted(".") + " の解読ができません");
            }
        }
        emit(Kind::DIGIT, digits);
    }

    void rejectCharacter() {
        const std::size_t length = utf8Length(text_, at_);
        const std::size_t taken = length == 0 ? 1 : length;
        const std::string character = text_.substr(at_, taken);
        at_ += taken;
        compiler_.errorAt(106, position_,
                          "文字 " + quoted(displayedCharacter(character)) + " は使えません");
        emit(Kind::None, {});
    }

    void emit(Kind kind, std::string_view text) {
        if (compiler_.appendToken(position_, kind, text)) {
            ++count_;
        } else {
            full_ = true;  // the array is full; error 921 has been reported
        }
    }

    Compiler& compiler_;
    const std::int32_t position_;
    const std::string text_;
    std::size_t at_ = 0;
    int count_ = 0;
    bool full_ = false;
};

}  // namespace

int lexLine(Compiler& compiler, std::int32_t position, std::string_view line) {
    std::string text = preparedLine(line);
    if (text.empty()) return 0;
    compiler.trace(text);
    text += ' ';
    return LineLexer(compiler, position, std::move(text)).run();
}

}  // namespace zentra
