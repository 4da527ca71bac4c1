#include "shell/library_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_lines.h"
#include "shell/text_file.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;

const Lines kLibrary{
    "#sq",      "sq(x)", "{", "\treturn x * x;", "}", "#twice", "//説明",
    "twice(x)", "{",     "",  "\treturn x * 2;", "}",
};

TEST(LibraryFile, EveryLineEndsWithCrLfAndSplitsBack) {
    EXPECT_EQ(formatLibrary({"#f", "", "f(x)"}), "#f\r\n\r\nf(x)\r\n");
    EXPECT_EQ(splitLines(formatLibrary(kLibrary), LineEnds::CrLfLfOrCr), kLibrary);
}

TEST(LibraryFile, ImportRegistersEachNewFunctionInFront) {
    FunctionStore store({"#old", "old(x)", "{ return x; }"});
    const ImportResult result = importLibrary(store, kLibrary);
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.names, (Lines{"sq", "twice"}));
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(result.summary, "以下の関数を登録しました\n\nsq\ntwice\n");
    EXPECT_EQ(store.lines(),
              (Lines{"#twice", "//説明", "twice(x)", "{", "\treturn x * 2;", "}", "#sq", "sq(x)",
                     "{", "\treturn x * x;", "}", "#old", "old(x)", "{ return x; }"}));
}

TEST(LibraryFile, ImportingTheSameFileTwiceRegistersNothingNew) {
    FunctionStore store;
    importLibrary(store, kLibrary);
    const Lines after = store.lines();
    const ImportResult second = importLibrary(store, kLibrary);
    EXPECT_TRUE(second.accepted);
    EXPECT_TRUE(second.names.empty());
    EXPECT_EQ(second.summary, "指定ファイルに未登録の関数はありません");
    EXPECT_EQ(store.lines(), after);
}

TEST(LibraryFile, StoredHeaderIsNotImportedEvenWithAnotherText) {
    FunctionStore store({"#sq", "sq(y)", "{ return y; }"});
    const ImportResult result = importLibrary(store, kLibrary);
    EXPECT_EQ(result.names, Lines{"twice"});
    EXPECT_EQ(store.fetch("sq"), (Lines{"sq(y)", "{ return y; }"}));
}

TEST(LibraryFile, HeaderWithoutDeclarationIsReportedAndListed) {
    FunctionStore store;
    const ImportResult result =
        importLibrary(store, {"#broken", "{", "return 1;", "}", "#one", "one()", "{ return 1; }"});
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.notices, Lines{"ソースコードに関数名がありません"});
    EXPECT_EQ(result.names, (Lines{"broken", "one"}));
    EXPECT_EQ(store.lines(), (Lines{"#one", "one()", "{ return 1; }"}));
}

// What a refused header line should have been, after the message naming it.
const std::string kHeaderRule =
    "\"#\" で始まる行には \"#\" と関数名だけを書きます（関数名は英字か _ で始まり、英字・数字・_・. が続きます）";

struct MalformedCase {
    const char* title;
    Lines file;
    std::string message;
};

void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.title; }

class MalformedLibraryTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedLibraryTest, IsRefusedAndTheStoreStaysAsItWas) {
    FunctionStore store({"#f", "f(x)", "{ return x; }"});
    const Lines before = store.lines();
    const ImportResult result = importLibrary(store, GetParam().file);
    EXPECT_FALSE(result.accepted);
    EXPECT_EQ(result.summary, GetParam().message);
    EXPECT_TRUE(result.names.empty());
    EXPECT_EQ(store.lines(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedLibraryTest,
    ::testing::Values(
        MalformedCase{"NoHeader",
                      {"f(x)", "{", "return x;", "}"},
                      "指定ファイルにはユーザ関数がありません（#関数名 の行がありません）"},
        MalformedCase{
            "Empty", {}, "指定ファイルにはユーザ関数がありません（#関数名 の行がありません）"},
        MalformedCase{"HeaderOfAnotherLanguage",
                      {"#sq", "sq(x)", "{ return x*x; }", "#include <math.h>"},
                      "指定ファイルの 4 行目 \"#include <math.h>\" は関数名の行ではありません\n" + kHeaderRule},
        MalformedCase{
            "EmptyName", {"#", "f(x)"}, "指定ファイルの 1 行目 \"#\" は関数名の行ではありません\n" + kHeaderRule},
        MalformedCase{"Binary",
                      {"#sq", std::string("sq(x)\0", 6)},
                      "指定ファイルはテキストファイルではありません\n2 行目に NUL 文字があります"}),
    [](const auto& test) { return std::string(test.param.title); });

class LibraryFileIoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory = std::filesystem::temp_directory_path() /
                    ("zentra-userfunc-" + std::string(info->name()));
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::filesystem::path directory;
};

TEST_F(LibraryFileIoTest, ExportThenImportIntoAnEmptyStoreReversesTheOrder) {
    const FunctionStore source({"#a", "a(x)", "{ return x; }", "#b", "b(x)", "{ return 2; }", "#c",
                                "c()", "{ return 3; }"});
    const std::string path = (directory / "lib.qbxfun").string();
    ASSERT_EQ(writeLibraryFile(path, source), "");

    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str(),
              "// encoding: cp932\r\n#a\r\na(x)\r\n{ return x; }\r\n#b\r\nb(x)\r\n{ return 2; }\r\n"
              "#c\r\nc()\r\n{ return 3; }\r\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    const FileLines file = readLibraryFile(path);
    ASSERT_EQ(file.error, "");
    FunctionStore target;
    const ImportResult result = importLibrary(target, file.lines);
    EXPECT_EQ(result.names, (Lines{"a", "b", "c"}));
    EXPECT_EQ(target.lines(), (Lines{"#c", "c()", "{ return 3; }", "#b", "b(x)", "{ return 2; }",
                                     "#a", "a(x)", "{ return x; }"}));
}

TEST_F(LibraryFileIoTest, UnreadableAndUnwritablePathsGiveAMessage) {
    const std::string missing = (directory / "none.qbxfun").string();
    const FileLines file = readLibraryFile(missing);
    EXPECT_EQ(file.error, "ファイル \"" + missing + "\" を読み込めません");
    EXPECT_TRUE(file.lines.empty());

    const std::string blocked = (directory / "no-such-folder" / "lib.qbxfun").string();
    EXPECT_EQ(writeLibraryFile(blocked, FunctionStore({"#a", "a()"})),
              "ファイル \"" + blocked + "\" を保存できません");
}

TEST_F(LibraryFileIoTest, FailedWriteLeavesTheOldFile) {
    const std::string path = (directory / "lib.qbxfun").string();
    ASSERT_EQ(writeLibraryFile(path, FunctionStore({"#a", "a()"})), "");
    // Shift-JIS cannot hold the euro sign, so the new text cannot be written.
    EXPECT_EQ(writeLibraryFile(path, FunctionStore({"#b", "b() // 1€"})),
              "文字 \"€\" はShift-JISで保存できません");
    EXPECT_EQ(readLibraryFile(path).lines, (Lines{"// encoding: cp932", "#a", "a()"}));
}

}  // namespace
}  // namespace zentra

namespace zentra {
namespace {

const std::string kMark(kShiftJisMark);

// The Windows program imports only "#" lines, so the mark, a comment line
// before the first function, changes nothing it registers.
TEST(LibraryEncodingMark, ComesFirstAndImportPassesOverIt) {
    const Lines file = libraryFileLines(kLibrary);
    ASSERT_EQ(file.size(), kLibrary.size() + 1);
    EXPECT_EQ(file.front(), kMark);
    EXPECT_FALSE(libraryProblem(file).has_value());
    FunctionStore withMark;
    FunctionStore without;
    EXPECT_EQ(importLibrary(withMark, file).names, importLibrary(without, kLibrary).names);
    EXPECT_EQ(withMark.lines(), without.lines());
}

// "ﾎｱ" in Shift-JIS is the same two bytes as "α" in UTF-8, and 930 of the
// 3969 pairs of half-width katakana are such bytes.
TEST(LibraryEncodingMark, EveryPairOfHalfWidthKatakanaReadsBackAsWritten) {
    for (char32_t first = 0xFF61; first <= 0xFF9F; ++first) {
        for (char32_t second = 0xFF61; second <= 0xFF9F; ++second) {
            std::string pair;
            for (const char32_t code : {first, second}) {
                pair += static_cast<char>(0xE0 | (code >> 12));
                pair += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                pair += static_cast<char>(0x80 | (code & 0x3F));
            }
            const Lines store{"#f", "//" + pair, "f(x)", "{ return x; }"};
            std::string bytes;
            ASSERT_EQ(encodeTextLines(libraryFileLines(store), bytes), "");
            const FileLines back = decodeLibrary(bytes);
            ASSERT_EQ(back.error, "");
            ASSERT_EQ(back.lines, libraryFileLines(store)) << pair;
            FunctionStore imported;
            importLibrary(imported, back.lines);
            ASSERT_EQ(imported.lines(), store) << pair;
        }
    }
}

TEST(LibraryEncodingMark, AnUnmarkedUtf8LibraryWithGreekCommentsIsReadAsUtf8) {
    // "// α β" is valid Shift-JIS too ("// ﾎｱ ﾎｲ").
    EXPECT_EQ(decodeLibrary("// α β\r\n#f\r\n// ω\r\nf(x)\r\n{ return x; }\r\n").lines,
              (Lines{"// α β", "#f", "// ω", "f(x)", "{ return x; }"}));
}

TEST(LibraryEncodingMark, CountsOnlyBeforeTheFirstFunction) {
    EXPECT_EQ(decodeLibrary("// notes\r\n" + kMark + "\r\n#f\r\n// \xCE\xB1\r\n").lines,
              (Lines{"// notes", kMark, "#f", "// ﾎｱ"}));
    EXPECT_EQ(decodeLibrary("#f\r\n" + kMark + "\r\n// \xCE\xB1\r\n").lines, (Lines{"#f", kMark, "// α"}));
}

TEST_F(LibraryFileIoTest, KatakanaThatLooksLikeUtf8SurvivesExportAndImport) {
    const FunctionStore source({"#hoa", "// ﾎｱ ﾃｩ", "hoa(x)", "{ return x; }"});
    const std::string path = (directory / "kana.qbxfun").string();
    ASSERT_EQ(writeLibraryFile(path, source), "");
    const FileLines file = readLibraryFile(path);
    ASSERT_EQ(file.error, "");
    FunctionStore target;
    importLibrary(target, file.lines);
    EXPECT_EQ(target.lines(), source.lines());
}

TEST_F(LibraryFileIoTest, AnUndecodableLibrarySaysWhichLine) {
    const std::string path = (directory / "bad.qbxfun").string();
    std::ofstream(path, std::ios::binary) << kMark << "\r\n#f\r\n// \x82\r\n";
    EXPECT_EQ(readLibraryFile(path).error,
              "ファイル \"" + path + "\" の文字コードを読み取れません\n"
              "文字コードの印は Shift-JIS ですが、3 行目を Shift-JIS として読めません");
}

}  // namespace
}  // namespace zentra
