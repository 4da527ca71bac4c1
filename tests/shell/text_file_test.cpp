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

struct SplitCase {
    const char* text;
    Lines lines;
};

class TextLineEnds : public ::testing::TestWithParam<SplitCase> {};

TEST_P(TextLineEnds, CrLfLfAndCrEachEndALine) {
    EXPECT_EQ(splitTextLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextLineEnds, ::testing::Values(
    SplitCase{"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
    SplitCase{"a\r\n", {"a"}},
    SplitCase{"a\r\n\r\n", {"a", ""}},
    SplitCase{"a\n\r", {"a", ""}},  // LF then CR: two ends
    SplitCase{"\r\r\n", {"", ""}},
    SplitCase{"a", {"a"}},
    SplitCase{"", {}}));

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
