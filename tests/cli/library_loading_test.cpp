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
    Lines store{"#old", "old(x)", "{ return x; }"};
    std::string error;
    ASSERT_TRUE(addLibrary((folder / "lib.qbxfun").string(), store, error)) << error;
    EXPECT_EQ(store, (Lines{"#sq", "sq(x)", "{", "\treturn x * x;", "}", "#old", "old(x)", "{ return x; }"}));
}

TEST(LibraryLoading, AnUnreadableFileLeavesTheStoreAndSaysWhy) {
    zentra::testing::TempFolder folder;
    const std::string path = (folder / "missing.qbxfun").string();
    Lines store{"#old", "old(x)", "{ return x; }"};
    const Lines before = store;
    std::string error;
    EXPECT_FALSE(addLibrary(path, store, error));
    EXPECT_EQ(error, "ファイル \"" + path + "\" を読み込めません");
    EXPECT_EQ(store, before);
}

TEST(LibraryLoading, AFileWithoutFunctionsIsRefusedWithItsName) {
    zentra::testing::TempFolder folder;
    const std::string path = (folder / "notes.qbxfun").string();
    writeBytes(path, "just some text\r\n");
    Lines store;
    std::string error;
    EXPECT_FALSE(addLibrary(path, store, error));
    EXPECT_EQ(error, path + ": 指定ファイルにはユーザ関数がありません（#関数名 の行がありません）");
    EXPECT_TRUE(store.empty());
}

}  // namespace
}  // namespace zentra::cli
