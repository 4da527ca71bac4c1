// A monitor dump line assembled in a fixed buffer and written into a string
// that a dump reuses from run to run: a dump has a line for every token.
#pragma once

#include <charconv>
#include <cstring>
#include <string>
#include <string_view>

namespace zentra {

class DumpLine {
public:
    void add(char c) { add(std::string_view(&c, 1)); }
    void add(std::string_view s) {
        if (s.empty()) return;  // the empty kind name has no characters (and no data pointer)
        if (spilled_ || s.size() > static_cast<std::size_t>(text_ + sizeof text_ - end_)) {
            spill().append(s);
            return;
        }
        std::memcpy(end_, s.data(), s.size());
        end_ += s.size();
    }
    void addNumber(int n) {
        char digits[16];
        add(std::string_view(digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits)));
    }
    // Blanks up to the column `width`.
    void padTo(std::size_t width) {
        while (length() < width) add(' ');
    }
    std::size_t length() const { return spilled_ ? spill_.size() : static_cast<std::size_t>(end_ - text_); }
    // Writes the line followed by `tail` (a name or token text of any
    // length) into `out`, reusing its storage.
    void writeTo(std::string& out, std::string_view tail) const {
        if (spilled_) {
            out.assign(spill_);
        } else {
            out.assign(text_, static_cast<std::size_t>(end_ - text_));
        }
        out.append(tail);
    }

private:
    std::string& spill() {
        if (!spilled_) {
            spill_.assign(text_, static_cast<std::size_t>(end_ - text_));
            spilled_ = true;
        }
        return spill_;
    }

    char text_[64];
    char* end_ = text_;
    bool spilled_ = false;
    std::string spill_;  // a line whose head does not fit (a long string constant)
};

}  // namespace zentra
