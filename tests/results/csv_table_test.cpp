#include "results/csv_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "host/memory_host.h"
#include "run/run_driver.h"

namespace zentra {
namespace {

struct FieldCase {
    const char* text;
    const char* field;
};

class CsvFieldCases : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldCases, QuotedOnlyWhenNeeded) { EXPECT_EQ(csvField(GetParam().text), GetParam().field); }

INSTANTIATE_TEST_SUITE_P(Cases, CsvFieldCases,
                         ::testing::Values(FieldCase{"y", "y"}, FieldCase{"", ""},
                                           FieldCase{"limit(x,0,1)", "\"limit(x,0,1)\""},
                                           FieldCase{"a\"b", "\"a\"\"b\""}, FieldCase{"a\nb", "\"a\nb\""},
                                           FieldCase{"a\rb", "\"a\rb\""}, FieldCase{"速度", "速度"},
                                           FieldCase{"x y", "x y"}));

struct NumberCase {
    double value;
    const char* text;
};

class CsvNumberCases : public ::testing::TestWithParam<NumberCase> {};

TEST_P(CsvNumberCases, SeventeenDigits) { EXPECT_EQ(csvNumber(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvNumberCases,
    ::testing::Values(NumberCase{0.1, "0.10000000000000001"}, NumberCase{1.5, "1.5"}, NumberCase{-2, "-2"},
                      NumberCase{0.0, "0"}, NumberCase{-0.0, "0"}, NumberCase{1e20, "1e+20"},
                      NumberCase{1.0 / 3, "0.33333333333333331"}, NumberCase{2.5e-300, "2.5e-300"}, NumberCase{3e-300, "3.0000000000000002e-300"},
                      NumberCase{std::numeric_limits<double>::infinity(), "INF"},
                      NumberCase{-std::numeric_limits<double>::infinity(), "-INF"},
                      NumberCase{std::numeric_limits<double>::quiet_NaN(), "NAN"}));

TEST(CsvNumber, ReadsBackAsTheSameDouble) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 10000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        const std::string text = csvNumber(value);
        ASSERT_EQ(text.find(','), std::string::npos);
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), value) << text;
    }
}

TEST(CsvText, HeaderThenOneRecordPerRowEndedByCrLf) {
    const CsvTable table{{"x", "limit(x,0,1)"}, {{-0.5, 0}, {1.5, 1}}};
    EXPECT_EQ(csvText(table), "x,\"limit(x,0,1)\"\r\n-0.5,0\r\n1.5,1\r\n");
    EXPECT_EQ(csvText(CsvTable{}), "");
}

class SweepTableTest : public ::testing::Test {
protected:
    ExecOutcome run(const std::vector<std::string>& parameters, const std::vector<std::string>& program) {
        host.parameters.setLines(parameters);
        host.program.setLines(program);
        return exec(session);
    }

    MemoryHost host;
    Session session{host};
};

TEST_F(SweepTableTest, OneRowPerPassSweptParameterFirst) {
    ASSERT_EQ(run({"x = 0.5, 1.5, 2.5;"}, {"y = x * 3", "limit(x, 1, 2)"}), ExecOutcome::Completed);
    const auto table = sweepTable(session);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->header, (std::vector<std::string>{"x", "y", "limit(x,1,2)"}));
    EXPECT_EQ(table->rows, (std::vector<std::vector<double>>{{0.5, 1.5, 1}, {1.5, 4.5, 1.5}, {2.5, 7.5, 2}}));
}

TEST_F(SweepTableTest, TheSweepValuesKeepAllTheirDigits) {
    // The header line shows 15 digits; the table must hold the value itself,
    // also for the first pass, whose slot the later passes overwrite.
    ASSERT_EQ(run({"x = 0.12345678901234567, 2;"}, {"y = x"}), ExecOutcome::Completed);
    const auto table = sweepTable(session);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rows.size(), 2u);
    EXPECT_EQ(table->rows[0][0], 0.12345678901234567);
    EXPECT_EQ(table->rows[0][1], 0.12345678901234567);
    EXPECT_EQ(table->rows[1][0], 2.0);
}

TEST_F(SweepTableTest, OnlyTheLastRunAndOnlyWhatTheDumpPrints) {
    ASSERT_EQ(run({"x = 1, 2, 3;"}, {"y = x"}), ExecOutcome::Completed);
    ASSERT_EQ(run({"t = 10, 20;"}, {"a = t + 1", "b = t * 2", "out(b)"}), ExecOutcome::Completed);
    const auto table = sweepTable(session);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->header, (std::vector<std::string>{"t", "b"}));
    EXPECT_EQ(table->rows, (std::vector<std::vector<double>>{{10, 20}, {20, 40}}));
}

TEST_F(SweepTableTest, WithoutASweepOneRowOfVariables) {
    ASSERT_EQ(run({"a = 2;"}, {"y = a * a", "z = -a"}), ExecOutcome::Completed);
    const auto table = sweepTable(session);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->header, (std::vector<std::string>{"y", "z"}));
    EXPECT_EQ(table->rows, (std::vector<std::vector<double>>{{4, -2}}));
}

TEST_F(SweepTableTest, AnOutputAreaThatDoesNotEndWithTheRunGivesNothing) {
    ASSERT_EQ(run({"x = 1, 2;"}, {"y = x"}), ExecOutcome::Completed);
    host.output.appendLine("something else");
    EXPECT_FALSE(sweepTable(session));
    host.output.clear();
    EXPECT_FALSE(sweepTable(session));
}

}  // namespace
}  // namespace zentra
