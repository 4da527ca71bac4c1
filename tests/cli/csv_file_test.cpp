// zentra-cli --csv FILE: the table goes to the file, the output area to
// standard output as usual.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "shell/temp_folder.h"

namespace zentra::cli {
namespace {

using zentra::testing::readBytes;
using zentra::testing::TempFolder;
using zentra::testing::writeBytes;

// Runs zentra-cli with `args` (shell words); its exit code.
int runCli(const std::string& args, const TempFolder& folder) {
    const std::string command = std::string("'") + ZENTRA_CLI_PATH + "' </dev/null " + args + " >'" +
                                (folder / "out").string() + "' 2>'" + (folder / "err").string() + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(CsvFile, HoldsTheTableWhileStandardOutputHoldsTheOutputArea) {
    TempFolder folder;
    const std::string csv = (folder / "table.csv").string();
    ASSERT_EQ(runCli("-d 'x = 1, 2;' -e 'y = x / 4' -e 'limit(x, 0, 1.5)' --precision 4 --csv '" + csv + "'",
                     folder),
              0);
    EXPECT_EQ(readBytes(csv), "x,y,\"limit(x,0,1.5)\"\r\n1,0.25,1\r\n2,0.5,1.5\r\n");
    EXPECT_EQ(readBytes(folder / "out"),
              "【 x=1 】\ny = 0.25\nlimit(x,0,1.5) = 1\n【 x=2 】\ny = 0.5\nlimit(x,0,1.5) = 1.5\n");
    EXPECT_EQ(readBytes(folder / "err"), "");
}

TEST(CsvFile, ARunThatFailsLeavesTheFileAsItWas) {
    TempFolder folder;
    const std::string csv = (folder / "table.csv").string();
    writeBytes(csv, "earlier\r\n");
    EXPECT_EQ(runCli("-d 'x = 1, 0;' -e 'y = 1 / x' --csv '" + csv + "'", folder), 2);
    EXPECT_EQ(readBytes(csv), "earlier\r\n");
    EXPECT_EQ(runCli("-e 'y = 1 +' --csv '" + csv + "'", folder), 1);
    EXPECT_EQ(readBytes(csv), "earlier\r\n");
}

TEST(CsvFile, AnEmptyProgramWritesAnEmptyTable) {
    TempFolder folder;
    const std::string csv = (folder / "table.csv").string();
    writeBytes(csv, "earlier\r\n");
    EXPECT_EQ(runCli("-e '// nothing' --csv '" + csv + "'", folder), 0);
    EXPECT_EQ(readBytes(csv), "");
}

}  // namespace
}  // namespace zentra::cli
