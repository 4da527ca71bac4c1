// Every reader of the operation table against the table, one case per
// operation: the builtin-name test, the listing, both machines' stack effects
// and failures, and the compiler's argument check.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "front/token_defs.h"
#include "support/token_fixture.h"
#include "vm/code_listing.h"
#include "compile/expression_compiler.h"
#include "compile/listing_render.h"
#include "vm/machine.h"
#include "vm/operations.h"
#include "vm/threaded_code.h"

namespace zentra {
namespace {

using test_support::TokenFixture;

const OperationInfo& info(int op) { return kOperations[static_cast<std::size_t>(op)]; }

class OperationTableTest : public ::testing::TestWithParam<int> {
  protected:
    int op() const { return GetParam(); }
    std::string name() const { return std::string(info(op()).name); }
};

// --- the builtin-name test -----------------------------------------------

// What programs call by name, written down apart from the table.
constexpr std::array<std::string_view, 21> kCallableNames{
    "sin", "cos", "tan",   "asin", "acos",  "atan", "atan2", "sinh",  "cosh",   "tanh", "sqrt",
    "exp", "log", "log10", "abs",  "limit", "int",  "out",   "graph", "random", "gauss"};

TEST_P(OperationTableTest, BuiltinNameTestAcceptsExactlyTheCallableOperations) {
    const bool callable = std::find(kCallableNames.begin(), kCallableNames.end(),
                                    info(op()).name) != kCallableNames.end();
    EXPECT_EQ(isCalledByName(op()), callable) << name();
    EXPECT_EQ(isBuiltinName(info(op()).name), callable) << name();
    EXPECT_EQ(operationNamed(info(op()).name), op()) << name();
}

TEST(OperationTable, BuiltinNamesBeyondTheTableAndNearMisses) {
    EXPECT_TRUE(isBuiltinName("aux"));  // no operation of its own
    for (const char* other :
         {"", "fft", "Sin", "sin2", "log1", "au", "auxx", "x", "1", "+", "&&", "proc"}) {
        EXPECT_FALSE(isBuiltinName(other)) << other;
    }
    EXPECT_EQ(std::count_if(kOperations.begin(), kOperations.end(),
                            [](const OperationInfo& o) { return isBuiltinName(o.name); }),
              static_cast<long>(kCallableNames.size()));
}

// --- the listing -----------------------------------------------------------

TEST_P(OperationTableTest, ListingShowsTheOperationNumberAndName) {
    auto code = std::make_unique<CodeBuffer>();
    code->fill(kEndWord);
    (*code)[0] = static_cast<CodeWord>(kOperationBase + op());
    char number[4];
    std::snprintf(number, sizeof number, "%03X", op());
    EXPECT_EQ(codeListing(*code), "0000   #" + std::string(number) + "\\");

    TokenFixture f;
    resetSymbols(f.compiler.symbols);
    MemoryTextArea pane;
    renderListing(*code, f.compiler.symbols, pane);
    EXPECT_EQ(pane.line(1), "0000   #" + name() + "  ");
}

// --- the machines ----------------------------------------------------------

constexpr int kFirstResultSlot = 10;
constexpr int kResultSlots = 6;
constexpr double kUntouched = -7.0;
constexpr std::array<double, 3> kBelow{101.0, 102.0, 103.0};  // under the operands

struct Outcome {
    int result = 0;
    std::array<double, kResultSlots> slots{};
};

// Pushes kBelow and then the operands, runs the operation word, and pops six
// values into variables 10..15 (a pop from the empty stack reads 0).
Outcome runOperation(int op, const std::vector<double>& operands, bool threaded) {
    auto stores = std::make_unique<ValueStores>();
    auto code = std::make_unique<CodeBuffer>();
    code->fill(kEndWord);
    std::vector<double> pushed(kBelow.begin(), kBelow.end());
    pushed.insert(pushed.end(), operands.begin(), operands.end());
    std::size_t at = 0;
    for (std::size_t k = 0; k < pushed.size(); ++k) {
        stores->constants[k] = pushed[k];
        (*code)[at++] = static_cast<CodeWord>(kLoadConstantBase + static_cast<int>(k));
    }
    (*code)[at++] = static_cast<CodeWord>(kOperationBase + op);
    for (int k = 0; k < kResultSlots; ++k) {
        stores->variables[static_cast<std::size_t>(kFirstResultSlot + k)] = kUntouched;
        (*code)[at++] = static_cast<CodeWord>(kStoreVariableBase + kFirstResultSlot + k);
    }
    RandomSource random;
    const MachineSettings settings;
    Outcome outcome;
    if (threaded) {
        int reachableEnd = 0;
        const std::unique_ptr<ThreadedProgram> program =
            translateCode(*code, *stores, reachableEnd);
        if (program == nullptr) {
            ADD_FAILURE() << "no threaded form for operation " << op;
            return outcome;
        }
        outcome.result = runThreaded(*program, settings, random);
    } else {
        outcome.result = execute(*code, *stores, settings, random);
    }
    for (int k = 0; k < kResultSlots; ++k) {
        outcome.slots[static_cast<std::size_t>(k)] =
            stores->variables[static_cast<std::size_t>(kFirstResultSlot + k)];
    }
    return outcome;
}

// Operands every operation computes with, by how many it takes.
std::vector<double> validOperands(int pops) {
    switch (pops) {
        case 0:
            return {};
        case 1:
            return {0.5};
        case 2:
            return {3.0, 2.0};
        default:
            return {0.5, 0.25, 0.75};
    }
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST_P(OperationTableTest, BothMachinesPopAndPushTheTablesStackEffect) {
    const StackEffect effect = kStackEffects[static_cast<std::size_t>(op())];
    ASSERT_EQ(effect.pops, info(op()).pops);
    ASSERT_EQ(effect.pushes, info(op()).pushes);
    const std::vector<double> operands = validOperands(effect.pops);
    const Outcome reference = runOperation(op(), operands, false);
    const Outcome threaded = runOperation(op(), operands, true);
    for (const Outcome& outcome : {reference, threaded}) {
        EXPECT_EQ(outcome.result, kPassOk) << name();
        std::vector<double> expected(kResultSlots, kUntouched);  // the pass ends at the operation
        if (effect.pushes > 0) {
            expected.assign(kResultSlots, 0.0);
            // The results on top, then what lay under the operands, untouched.
            for (int k = 0; k < effect.pushes; ++k) {
                expected[static_cast<std::size_t>(k)] = outcome.slots[static_cast<std::size_t>(k)];
            }
            for (std::size_t k = 0; k < kBelow.size(); ++k) {
                expected[effect.pushes + k] = kBelow[kBelow.size() - 1 - k];
            }
        }
        EXPECT_EQ(std::vector<double>(outcome.slots.begin(), outcome.slots.end()), expected)
            << name();
    }
    for (int k = 0; k < kResultSlots; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        EXPECT_TRUE(sameBits(reference.slots[slot], threaded.slots[slot]))
            << name() << " slot " << k;
    }
}

struct FailingCall {
    int op;
    std::vector<double> operands;
    std::string_view message;
};

// One failing call of every operation that can fail (angles in degrees).
const std::vector<FailingCall> kFailingCalls{
    {kOpDiv, {1.0, 0.0}, "ゼロ割りが発生しました"},
    {kOpMod, {5.0, 0.5}, "ゼロ割りが発生しました"},
    {kOpTan, {270.0}, "90度の奇数倍の正接は計算できません"},
    {kOpAsin, {1.5}, "逆三角関数の入力が範囲を超えています"},
    {kOpAcos, {-2.0}, "逆三角関数の入力が範囲を超えています"},
    {kOpSqrt, {-1.0}, "負数の平方根は計算できません"},
    {kOpPow, {-8.0, 1.0 / 3.0}, "正でない数のべき乗は計算できません"},
    {kOpLog, {0.0}, "正でない数の対数は計算できません"},
    {kOpLog10, {-1.0}, "正でない数の対数は計算できません"},
};

TEST_P(OperationTableTest, FailuresReportMinusTheNumberWithTheTablesMessage) {
    const auto call = std::find_if(kFailingCalls.begin(), kFailingCalls.end(),
                                   [&](const FailingCall& c) { return c.op == op(); });
    if (info(op()).failure.empty()) {
        EXPECT_EQ(call, kFailingCalls.end())
            << name() << " fails, but the table says it never does";
        EXPECT_EQ(operationFailing(failureCodeOf(op())), -1) << name();
        return;
    }
    ASSERT_NE(call, kFailingCalls.end())
        << name() << " has a failure in the table but no failing call here";
    EXPECT_EQ(info(op()).failure, call->message) << name();
    EXPECT_EQ(operationFailing(failureCodeOf(op())), op()) << name();
    for (const bool threaded : {false, true}) {
        const Outcome outcome = runOperation(op(), call->operands, threaded);
        EXPECT_EQ(outcome.result, -op()) << name() << (threaded ? " threaded" : " reference");
        EXPECT_EQ(runtimeErrorMessage(outcome.result, 1000), call->message) << name();
    }
}

// --- the compiler's argument check ------------------------------------------

TEST_P(OperationTableTest, ArgumentCheckFailsExactlyForOtherCounts) {
    const OperationForm form = info(op()).form;
    if (form != OperationForm::Function && form != OperationForm::Selection) return;
    for (int count = 0; count <= 4; ++count) {
        std::string call = name() + " (";
        for (int k = 0; k < count; ++k) call += k == 0 ? " x" : " , x";
        call += " )";
        TokenFixture f;
        f.setTokens(call);
        resetSymbols(f.compiler.symbols);
        f.declareVariable("x");
        compileExpression(f.compiler);
        const std::vector<std::string> out = f.output();
        const auto reported = std::find(out.begin(), out.end(), "error 288-00001");
        // out() and graph() take any list of names.
        const bool wrong = form == OperationForm::Function && count != info(op()).argumentCount;
        EXPECT_EQ(reported != out.end(), wrong) << call;
        if (wrong && reported != out.end() && reported + 1 != out.end()) {
            EXPECT_EQ(reported[1], " 関数 " + name() + " の引数は" +
                                       std::to_string(info(op()).argumentCount) + "個です。");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, OperationTableTest, ::testing::Range(0, kBuiltinCount),
                         [](const ::testing::TestParamInfo<int>& p) {
                             return "Op" + std::to_string(p.param);
                         });

}  // namespace
}  // namespace zentra
