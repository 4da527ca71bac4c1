#include "exec_input.h"

#include <climits>

namespace zentra::fuzz {

namespace {

// The text up to the next separator; the cursor moves past it.
std::string_view nextArea(std::string_view& rest) {
    const std::size_t end = rest.find(kAreaSeparator);
    const std::string_view area = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return area;
}

}  // namespace

ExecInput splitExecInput(std::string_view bytes) {
    std::uint8_t header[kHeaderSize] = {};
    for (std::size_t i = 0; i < kHeaderSize && i < bytes.size(); ++i) header[i] = static_cast<std::uint8_t>(bytes[i]);
    ExecInput input;
    input.switches = header[0];
    // A document may hold any integer: the byte's two extremes stand for
    // the int's.
    const int precision = static_cast<std::int8_t>(header[1]);
    input.precision = precision == INT8_MIN ? INT_MIN : precision == INT8_MAX ? INT_MAX : precision;
    input.loops = static_cast<std::int16_t>(static_cast<std::uint16_t>(header[2] | (header[3] << 8)));
    std::string_view rest = bytes.size() > kHeaderSize ? bytes.substr(kHeaderSize) : std::string_view{};
    input.parameters = nextArea(rest);
    input.program = nextArea(rest);
    // The library is last, so it may hold the separator itself.
    input.library = rest;
    return input;
}

std::string joinExecInput(std::uint8_t switches, int precision, int loops, std::string_view parameters,
                          std::string_view program, std::string_view library) {
    const auto loopBits = static_cast<std::uint16_t>(static_cast<std::int16_t>(loops));
    std::string bytes;
    bytes += static_cast<char>(switches);
    bytes += static_cast<char>(static_cast<std::int8_t>(precision));
    bytes += static_cast<char>(loopBits & 0xFF);
    bytes += static_cast<char>(loopBits >> 8);
    bytes += parameters;
    bytes += kAreaSeparator;
    bytes += program;
    if (!library.empty()) {
        bytes += kAreaSeparator;
        bytes += library;
    }
    return bytes;
}

}  // namespace zentra::fuzz
