#include "shell/monitor_dump.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "shell/temp_folder.h"

namespace zentra {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

TEST(MonitorDump, CrlfTextEndsEveryLine) {
    struct Case {
        std::vector<std::string> lines;
        std::string text;
    };
    const Case cases[] = {
        {{}, ""},
        {{""}, "\r\n"},
        {{"a", "", "b c"}, "a\r\n\r\nb c\r\n"},
        {{"記号\t1"}, "記号\t1\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(crlfText(c.lines), c.text);
}

TEST(MonitorDump, WritesEveryFileAndLeavesNothingElse) {
    TempFolder folder;
    writeBytes(folder / "symbol.txt", "old symbols\r\n");
    ASSERT_EQ(writeFilesTogether(folder.path(), {{"symbol.txt", "s\r\n"}, {"message.txt", ""}}), "");
    EXPECT_EQ(readBytes(folder / "symbol.txt"), "s\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder / "message.txt"));
    EXPECT_EQ(readBytes(folder / "message.txt"), "");
    EXPECT_EQ(folder.entryCount(), 2);
}

// The second target is a folder: the first file must keep its old content.
TEST(MonitorDump, SecondFileFailingPutsTheFirstBack) {
    TempFolder folder;
    writeBytes(folder / "symbol.txt", "old symbols\r\n");
    std::filesystem::create_directory(folder / "message.txt");
    const std::string error = writeFilesTogether(folder.path(), {{"symbol.txt", "new\r\n"}, {"message.txt", "m\r\n"}});
    EXPECT_EQ(error, "ファイル \"" + (folder / "message.txt").string() + "\" を保存できません");
    EXPECT_EQ(readBytes(folder / "symbol.txt"), "old symbols\r\n");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "message.txt"));
    EXPECT_EQ(folder.entryCount(), 2);
}

TEST(MonitorDump, FirstFileNewIsRemovedWhenTheSecondFails) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "message.txt");
    EXPECT_NE(writeFilesTogether(folder.path(), {{"symbol.txt", "new\r\n"}, {"message.txt", ""}}), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "symbol.txt"));
    EXPECT_EQ(folder.entryCount(), 1);
}

TEST(MonitorDump, UnwritableFolderChangesNothing) {
    TempFolder folder;
    writeBytes(folder / "symbol.txt", "old\r\n");
    // Root writes into any folder it may read; /proc takes no new files from anybody.
    const bool root = ::geteuid() == 0;
    const std::filesystem::path target = root ? std::filesystem::path("/proc") : folder.path();
    if (!root) {
        ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    }
    const std::string error = writeFilesTogether(target, {{"symbol.txt", "s\r\n"}, {"message.txt", "m\r\n"}});
    if (!root) ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(error, "ファイル \"" + (target / "symbol.txt").string() + "\" を保存できません");
    EXPECT_FALSE(std::filesystem::exists(target / "message.txt"));
    EXPECT_EQ(readBytes(folder / "symbol.txt"), "old\r\n");
    EXPECT_EQ(folder.entryCount(), 1);
}

TEST(MonitorDump, MissingFolderIsNamed) {
    TempFolder folder;
    const auto missing = folder / "nowhere";
    EXPECT_EQ(writeFilesTogether(missing, {{"symbol.txt", ""}}), "フォルダ \"" + missing.string() + "\" がありません");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
}  // namespace zentra
