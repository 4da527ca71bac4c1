#include "cli/library_loading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "shell/temp_folder.h"

namespace zentra::cli {
namespace {

using Lines = std::vector<std::string>;

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(LibraryLoading, AddsTheNewFunctionsInFrontOfTheStore) {
    zentra::testing::TempFolder folder;
    writeBytes(folder / "lib.qbxfun", "#sq\r\nsq(x)\r\n{\r\n\treturn x * x;\r\n}\r\n");
    FunctionStore store({"#old", "old(x)", "{ return x; }"});
    std::string error;
    ASSERT_TRUE(addLibrary((folder / "lib.qbxfun").string(), store, error)) << error;
    EXPECT_EQ(store.lines(), (Lines{"#sq", "sq(x)", "{", "\treturn x * x;", "}", "#old", "old(x)", "{ return x; }"}));
}

TEST(LibraryLoading, AnUnreadableFileLeavesTheStoreAndSaysWhy) {
    zentra::testing::TempFolder folder;
    const std::string path = (folder / "missing.qbxfun").string();
    FunctionStore store({"#old", "old(x)", "{ return x; }"});
    const Lines before = store.lines();
    std::string error;
    EXPECT_FALSE(addLibrary(path, store, error));
    EXPECT_EQ(error, "ファイル \"" + path + "\" を読み込めません");
    EXPECT_EQ(store.lines(), before);
}

TEST(LibraryLoading, AFileWithoutFunctionsIsRefusedWithItsName) {
    zentra::testing::TempFolder folder;
    const std::string path = (folder / "notes.qbxfun").string();
    writeBytes(path, "just some text\r\n");
    FunctionStore store;
    std::string error;
    EXPECT_FALSE(addLibrary(path, store, error));
    EXPECT_EQ(error, path + ": 指定ファイルにはユーザ関数がありません（#関数名 の行がありません）");
    EXPECT_TRUE(store.lines().empty());
}

// "ﾎｱ" in Shift-JIS is the same two bytes as "α" in UTF-8; the mark decides.
TEST(LibraryLoading, AMarkedLibraryIsReadAsShiftJis) {
    zentra::testing::TempFolder folder;
    const std::string path = (folder / "kana.qbxfun").string();
    writeBytes(path, "// encoding: cp932\r\n#hoa\r\n// \xCE\xB1\r\nhoa(x)\r\n{ return x; }\r\n");
    FunctionStore store;
    std::string error;
    ASSERT_TRUE(addLibrary(path, store, error)) << error;
    EXPECT_EQ(store.lines(), (Lines{"#hoa", "// ﾎｱ", "hoa(x)", "{ return x; }"}));
}

TEST(LibraryLoading, ARefusedLibrarySaysWhichLineAndWhatItShouldHold) {
    zentra::testing::TempFolder folder;
    const std::string path = (folder / "c.qbxfun").string();
    writeBytes(path, "#sq\r\nsq(x)\r\n{ return x*x; }\r\n#include <math.h>\r\n");
    FunctionStore store;
    std::string error;
    EXPECT_FALSE(addLibrary(path, store, error));
    EXPECT_EQ(error, path + ": 指定ファイルの 4 行目 \"#include <math.h>\" は関数名の行ではありません\n"
                            "\"#\" で始まる行には \"#\" と関数名だけを書きます"
                            "（関数名は英字か _ で始まり、英字・数字・_・. が続きます）");
    EXPECT_TRUE(store.lines().empty());
}

}  // namespace
}  // namespace zentra::cli
