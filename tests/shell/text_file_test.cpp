#include "shell/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell/temp_folder.h"

namespace zentra {
namespace {

using Lines = std::vector<std::string>;
using testing::readBytes;
using testing::writeBytes;

class TextFile : public ::testing::Test {
protected:
    testing::TempFolder folder;
};

TEST_F(TextFile, JapaneseTextRoundTripsThroughCp932WithCrLf) {
    const auto path = folder / "doc.qbxsrc";
    const Lines lines{"// 円の面積", "r = 2;", "", "s = π*r^2 ｱ①"};
    ASSERT_EQ(writeTextFile(path, lines), "");
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.substr(0, 13), "// \x89\x7E\x82\xCC\x96\xCA\x90\xCF\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const TextFileContent back = readTextFile(path);
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_EQ(back.lines, lines);
    EXPECT_EQ(folder.entryCount(), 1);  // no temporary left
}

TEST_F(TextFile, Utf8FilesAreReadAsUtf8) {
    const auto path = folder / "utf8.txt";
    writeBytes(path, "x = 1; // 円\nあ\r\n");
    EXPECT_EQ(readTextFile(path).lines, (Lines{"x = 1; // 円", "あ"}));
    writeBytes(path, "\xEF\xBB\xBF" "円\n");
    EXPECT_EQ(readTextFile(path).lines, (Lines{"円"}));  // the byte-order mark is not text
}

TEST_F(TextFile, UnreadableFilesReportAMessage) {
    const TextFileContent missing = readTextFile(folder / "none.qbxsrc");
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error.find("を読み込めません"), std::string::npos);
    EXPECT_FALSE(readTextFile(folder.path()).ok());  // a folder
    writeBytes(folder / "bad.txt", "ok\r\n\x82");
    const TextFileContent bad = readTextFile(folder / "bad.txt");
    EXPECT_FALSE(bad.ok());
    EXPECT_TRUE(bad.lines.empty());
}

TEST_F(TextFile, AnUnencodableCharacterFailsTheSaveAndKeepsTheOldFile) {
    const auto path = folder / "doc.qbxsrc";
    writeBytes(path, "old\r\n");
    const std::string error = writeTextFile(path, {"x = 1;", "price = 5€;"});
    EXPECT_EQ(error, "文字 \"€\" はShift-JISで保存できません");
    EXPECT_EQ(readBytes(path), "old\r\n");
    EXPECT_EQ(folder.entryCount(), 1);
}

// "¥" would be written as the code of the backslash and read back as one.
TEST_F(TextFile, ACharacterWithOnlyALookAlikeFailsTheSave) {
    const auto path = folder / "doc.qbxsrc";
    writeBytes(path, "old\r\n");
    EXPECT_EQ(writeTextFile(path, {"price = 500; // ¥"}), "文字 \"¥\" はShift-JISで保存できません");
    EXPECT_EQ(readBytes(path), "old\r\n");
}

TEST_F(TextFile, AFailedRenameLeavesNoTemporary) {
    const auto target = folder / "taken";
    std::filesystem::create_directories(target / "inside");  // a non-empty folder cannot be replaced
    const std::string error = writeTextFile(target, {"x"});
    EXPECT_EQ(error, "ファイル \"" + target.string() + "\" を保存できません");
    EXPECT_EQ(folder.entryCount(), 1);
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
    EXPECT_NE(writeTextFile(folder / "no" / "such" / "folder.txt", {"x"}), "");
}

TEST_F(TextFile, OverwritingKeepsPermissionsAndLinks) {
    const auto real = folder / "real.qbxsrc";
    const auto link = folder / "link.qbxsrc";
    writeBytes(real, "old\r\n");
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, link);
    ASSERT_EQ(writeTextFile(link, {"new"}), "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), "new\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.entryCount(), 2);
}

}  // namespace
}  // namespace zentra

namespace zentra {
namespace {

// "ﾎｱ" in Shift-JIS is the same two bytes as "α" in UTF-8.
constexpr char kBothEncodings[] = "// \xCE\xB1";

TEST(TextDecoding, TheShiftJisMarkDecidesBytesThatAreBothEncodings) {
    EXPECT_EQ(decodeTextFile(kBothEncodings).lines, Lines{"// α"});
    EXPECT_EQ(decodeTextFile(kBothEncodings, TextEncoding::ShiftJis).lines, Lines{"// ﾎｱ"});
}

// An editor may have converted a marked file to UTF-8, mark and all: bytes
// that are no Shift-JIS but valid UTF-8 are still read.
TEST(TextDecoding, AMarkedFileThatIsNoShiftJisButUtf8IsReadAsUtf8) {
    const TextFileContent content = decodeTextFile("// encoding: cp932\r\n// あ\r\n", TextEncoding::ShiftJis);
    ASSERT_TRUE(content.ok()) << content.error;
    EXPECT_EQ(content.lines, (Lines{"// encoding: cp932", "// あ"}));
}

struct Undecodable {
    const char* bytes;
    TextEncoding encoding;
    const char* reason;
};

class UndecodableBytes : public ::testing::TestWithParam<Undecodable> {};

TEST_P(UndecodableBytes, NameTheLinesThatCannotBeRead) {
    const TextFileContent content = decodeTextFile(GetParam().bytes, GetParam().encoding);
    EXPECT_FALSE(content.ok());
    EXPECT_TRUE(content.lines.empty());
    EXPECT_EQ(content.error, GetParam().reason);
}

// Line 2 is "あ" in UTF-8 (no Shift-JIS: its last byte leads a pair that
// never comes), line 3 "あ" in Shift-JIS (no UTF-8).
INSTANTIATE_TEST_SUITE_P(Cases, UndecodableBytes, ::testing::Values(
    Undecodable{"ok\r\n\xE3\x81\x82\r\n\x82\xA0\r\n", TextEncoding::Detect,
                "UTF-8 としては 3 行目が、Shift-JIS としては 2 行目が読めません"},
    Undecodable{"\xFF", TextEncoding::Detect, "UTF-8 としては 1 行目が、Shift-JIS としては 1 行目が読めません"},
    Undecodable{"a\nb\n\x82\xA0\xE3\x81\x82", TextEncoding::ShiftJis,
                "文字コードの印は Shift-JIS ですが、3 行目を Shift-JIS として読めません"}));

TEST_F(TextFile, AnUndecodableFileSaysWhichLine) {
    const auto path = folder / "bad.txt";
    writeBytes(path, "ok\r\n\x82");
    EXPECT_EQ(readTextFile(path).error, "ファイル \"" + path.string() +
                                            "\" の文字コードを読み取れません\n"
                                            "UTF-8 としては 2 行目が、Shift-JIS としては 2 行目が読めません");
}

TEST_F(TextFile, BytesAreReadWholeOrNotAtAll) {
    std::string bytes = "left over";
    std::string error;
    writeBytes(folder / "f.bin", std::string("a\0b\r\n", 5));
    ASSERT_TRUE(readFileBytes(folder / "f.bin", bytes, error));
    EXPECT_EQ(bytes, std::string("a\0b\r\n", 5));
    EXPECT_FALSE(readFileBytes(folder / "none", bytes, error));
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(error, "ファイル \"" + (folder / "none").string() + "\" を読み込めません");
}

TEST(TextEncodingOfLines, EncodesEveryLineWithCrLfOrNamesTheCharacter) {
    std::string bytes;
    EXPECT_EQ(encodeTextLines({"ｱ", "", "円"}, bytes), "");
    EXPECT_EQ(bytes, "\xB1\r\n\r\n\x89\x7E\r\n");
    EXPECT_EQ(encodeTextLines({"ok", "5€"}, bytes), "文字 \"€\" はShift-JISで保存できません");
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
}  // namespace zentra
