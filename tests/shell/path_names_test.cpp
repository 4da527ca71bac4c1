#include "shell/path_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentra {
namespace {

TEST(PathNames, EitherSeparatorEndsAFolder) {
    EXPECT_EQ(directoryOf("C:\\a\\a"), "C:\\a\\");
    EXPECT_EQ(fileNameOf("C:\\a\\b.qbxsrc"), "b.qbxsrc");
    EXPECT_EQ(fileNameOf("/home/u/b.qbxsrc"), "b.qbxsrc");
    EXPECT_EQ(directoryOf("b.qbxsrc"), "");
    EXPECT_EQ(fileNameOf("b.qbxsrc"), "b.qbxsrc");
}

}  // namespace
}  // namespace zentra
