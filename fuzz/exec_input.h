// The exec fuzzer's input: the settings, both areas and a function library
// in one byte string, so that libFuzzer can mutate all of them at once.
//
//   byte 0       switches: bit 0 radian, bit 1 hexadecimal display after the
//                run, bit 2 error location of every output line, bit 3 a
//                second run, bit 4 hexadecimal display before the second
//                run (with the precision setting loaded again), bit 5 the
//                function window is open, bits 6-7 the monitor's stop switch
//   byte 1       precision setting (signed; -128 and 127 stand for INT_MIN
//                and INT_MAX)
//   bytes 2, 3   loop-limit setting (little-endian, signed)
//   the rest     parameter area, 0x1F, program area, 0x1F, library file
//                (or, when it is none, function texts for the editor
//                separated by 0x1F)
//
// Short inputs are padded with zero bytes; a missing area is empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zentra::fuzz {

inline constexpr char kAreaSeparator = '\x1F';
inline constexpr std::size_t kHeaderSize = 4;

struct ExecInput {
    std::uint8_t switches = 0;
    int precision = 15;
    int loops = 1000;
    std::string_view parameters;
    std::string_view program;
    std::string_view library;

    bool radian() const { return (switches & 0x01) != 0; }
    bool hexAfterRun() const { return (switches & 0x02) != 0; }
    bool showLocations() const { return (switches & 0x04) != 0; }
    bool secondRun() const { return (switches & 0x08) != 0; }
    bool hexBeforeSecondRun() const { return (switches & 0x10) != 0; }
    bool functionWindowOpen() const { return (switches & 0x20) != 0; }
    int stopSwitch() const { return switches >> 6; }
};

ExecInput splitExecInput(std::string_view bytes);

// The input that holds these settings and texts (for the seed corpus).
std::string joinExecInput(std::uint8_t switches, int precision, int loops, std::string_view parameters,
                          std::string_view program, std::string_view library);

}  // namespace zentra::fuzz
