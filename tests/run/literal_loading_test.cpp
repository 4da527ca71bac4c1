// Numeric literals of the program are loaded into the constant store by the
// run driver after compilation; every text that reads as a number must load,
// whatever its size, as the same text does in the parameter area.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

struct LiteralCase {
    const char* line;
    const char* printed;
};

void PrintTo(const LiteralCase& c, std::ostream* out) { *out << c.line; }

class LiteralLoadingTest : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(LiteralLoadingTest, LoadsAsTheParameterAreaReadsIt) {
    MemoryHost host;
    Session session(host);
    host.program.appendLine(GetParam().line);
    host.parameters.appendLine(std::string("p = ") + (GetParam().line + 4) + ";");
    host.program.appendLine("z = p");
    EXPECT_EQ(exec(session), ExecOutcome::Completed);
    EXPECT_TRUE(host.messageBoxes.empty());
    const std::string value = GetParam().printed;
    EXPECT_EQ(host.output.lines(), (std::vector<std::string>{"y = " + value, "z = " + value}));
}

INSTANTIATE_TEST_SUITE_P(BeyondTheRangeOfADouble, LiteralLoadingTest,
                         ::testing::Values(LiteralCase{"y = 1E400", "INF"},
                                           LiteralCase{"y = -1E400", "-INF"},
                                           LiteralCase{"y = 1E-400", "0"},
                                           LiteralCase{"y = 4.9E-324", "4.94065645841247E-324"},
                                           LiteralCase{"y = 1.7976931348623157E308", "1.79769313486232E308"}));

TEST(LiteralLoading, ATextThatIsNoNumberStopsTheRunWithItsErrorLine) {
    MemoryHost host;
    Session session(host);
    host.program.appendLine("y = 2Ex");
    EXPECT_EQ(exec(session), ExecOutcome::FrontEndError);
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(host.output.lines(),
              (std::vector<std::string>{"error 193-00001", "  数値 \"2Ex\" を読めません"}));
}

}  // namespace
}  // namespace zentra
