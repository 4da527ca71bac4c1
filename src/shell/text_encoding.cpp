#include "shell/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

#include "base/utf8.h"

namespace zentra {

namespace {

// One conversion descriptor for the length of one conversion: iconv keeps
// shift state in it, so it is never shared.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `input`; on failure returns the offset of the byte
    // where conversion stopped.
    std::optional<std::string> run(std::string_view input, std::size_t& stoppedAt) {
        stoppedAt = 0;
        if (!valid()) return std::nullopt;
        std::string output(input.size() * 2 + 16, '\0');
        char* in = const_cast<char*>(input.data());  // iconv reads, never writes, the input
        std::size_t inLeft = input.size();
        std::size_t done = 0;
        for (;;) {
            char* out = output.data() + done;
            std::size_t outLeft = output.size() - done;
            const std::size_t rc = inLeft == 0 ? iconv(cd_, nullptr, nullptr, &out, &outLeft)
                                               : iconv(cd_, &in, &inLeft, &out, &outLeft);
            const int error = errno;
            done = static_cast<std::size_t>(out - output.data());
            if (rc != static_cast<std::size_t>(-1)) {
                if (inLeft == 0) break;
                continue;
            }
            if (error == E2BIG) {
                output.resize(output.size() * 2);
                continue;
            }
            stoppedAt = input.size() - inLeft;  // EILSEQ or a sequence cut off at the end
            return std::nullopt;
        }
        output.resize(done);
        return output;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> cp932ToUtf8(std::string_view bytes) {
    Converter converter("UTF-8", "CP932");
    std::size_t stoppedAt = 0;
    return converter.run(bytes, stoppedAt);
}

namespace {

// The first character of `text` whose CP932 code reads back as another
// character: iconv maps some characters CP932 lacks to look-alikes ("¢" to
// "￠", "¥" to the backslash, "−" to "－") and drops others (the tag
// characters).
std::size_t firstOneWayCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8CharacterLength(text.substr(i));
        const std::string_view character = text.substr(i, length);
        Converter converter("CP932", "UTF-8");
        std::size_t stoppedAt = 0;
        const auto encoded = converter.run(character, stoppedAt);
        if (!encoded || encoded->empty() || cp932ToUtf8(*encoded) != character) return i;
        i += length;
    }
    return text.size();
}

}  // namespace

std::optional<std::string> utf8ToCp932(std::string_view text, Unencodable* failure) {
    if (failure) failure->character.clear();
    if (!isValidUtf8(text)) return std::nullopt;
    Converter converter("CP932", "UTF-8");
    std::size_t stoppedAt = 0;
    auto result = converter.run(text, stoppedAt);
    // Never a substitute: what is written must read back as the text.
    if (result && cp932ToUtf8(*result) != text) {
        stoppedAt = firstOneWayCharacter(text);
        result.reset();
    }
    if (!result && failure && converter.valid() && stoppedAt < text.size()) {
        const std::size_t length = utf8CharacterLength(text.substr(stoppedAt));
        failure->character = std::string(text.substr(stoppedAt, length == 0 ? 1 : length));
    }
    return result;
}

}  // namespace zentra
