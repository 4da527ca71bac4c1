// Token records, token kinds and position codes.
#pragma once

#include <cstdint>
#include <string_view>

namespace zentra {

// Token and symbol kinds. The enumerators are the kind names the debug monitor shows.
#define ZENTRA_KINDS(X)                                                                  \
    X(IDENT) X(DIGIT) X(HEX) X(STRING) X(MULTI) X(LAND) X(LOR) X(GE) X(LE) X(EQ) X(NE)    \
    X(GT) X(LT) X(PLUS) X(MINUS) X(MUL) X(DIV) X(MOD) X(POW) X(XOR) X(NOT) X(AND) X(OR)   \
    X(ASSIGN) X(SEMICLN) X(COMMA) X(OPEN) X(CLOSE) X(BEGIN) X(END) X(AOPEN) X(ACLOS)      \
    X(PROC) X(ARRAY) X(ALIAS) X(IF) X(ELSIF) X(ELSE) X(WHILE) X(INCLUDE) X(DVAR) X(FUNC)   \
    X(USER) X(VAR) X(CONST)

enum class Kind : std::uint8_t {
    None,  // the empty kind: not yet known
#define ZENTRA_KIND_ENUM(name) name,
    ZENTRA_KINDS(ZENTRA_KIND_ENUM)
#undef ZENTRA_KIND_ENUM
};

// "IDENT", "SEMICLN", ...; the empty text for Kind::None.
std::string_view kindName(Kind kind);

inline constexpr int kMaxTokens = 4096;

// (area << 16) + line. Area 0 = program area, 1 = parameter area,
// 2 + k = entry k of the user-function list; lines count from 1.
constexpr std::int32_t makePosition(int area, int line) { return (area << 16) + line; }
constexpr int areaOf(std::int32_t position) { return (position >> 16) & 0x7FFF; }
constexpr int lineOf(std::int32_t position) { return position & 0x7FFF; }
// What the once-per-line rule compares.
constexpr int errorLineOf(std::int32_t position) { return position & 0xFFFF; }

inline constexpr int kProgramArea = 0;
inline constexpr int kParameterArea = 1;
inline constexpr int kFirstFunctionArea = 2;

// A token's text is a view: of its table's storage (see TokenTable) or of
// static storage.
struct Token {
    std::int32_t position = 0;
    Kind kind = Kind::None;
    std::string_view text;
    std::int32_t scope = 0;  // 0, or the expansion number inside a copied function body
};

}  // namespace zentra
