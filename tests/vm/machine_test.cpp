#include "vm/machine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <memory>

#include "vm/operations.h"

namespace zentra {
namespace {

constexpr CodeWord op(int number) { return static_cast<CodeWord>(kOperationBase + number); }
constexpr CodeWord loadConstant(int slot) { return static_cast<CodeWord>(kLoadConstantBase + slot); }
constexpr CodeWord storeVariable(int slot) { return static_cast<CodeWord>(kStoreVariableBase + slot); }
constexpr CodeWord loadVariable(int slot) { return static_cast<CodeWord>(kLoadVariableBase + slot); }
constexpr CodeWord count(int elements) {
    return static_cast<CodeWord>(kElementCountBase + elements);
}

class MachineTest : public ::testing::Test {
protected:
    void load(std::initializer_list<CodeWord> words) {
        code->fill(kEndWord);
        int i = 0;
        for (CodeWord w : words) (*code)[static_cast<std::size_t>(i++)] = w;
    }
    int run() { return execute(*code, *stores, settings, random); }

    // Computes a op b from constants 0 and 1 into variable 1.
    double binary(int number, double a, double b) {
        stores->constants[0] = a;
        stores->constants[1] = b;
        load({loadConstant(0), loadConstant(1), op(number), storeVariable(1)});
        result = run();
        return stores->variables[1];
    }
    double unary(int number, double x) {
        stores->constants[0] = x;
        load({loadConstant(0), op(number), storeVariable(1)});
        result = run();
        return stores->variables[1];
    }

    std::unique_ptr<CodeBuffer> code = std::make_unique<CodeBuffer>();
    std::unique_ptr<ValueStores> stores = std::make_unique<ValueStores>();
    MachineSettings settings{1000, 57.29577951308232};
    RandomSource random;
    int result = 1;
};

TEST_F(MachineTest, EndWordFirstDoesNothing) {
    load({});
    EXPECT_EQ(run(), kPassOk);
}

TEST_F(MachineTest, OperandBitsBeyondTheSlotAreIgnored) {
    stores->variables[5] = 1.5;
    stores->locals[5] = 2.5;
    stores->constants[3] = 3.5;
    load({0x1005, storeVariable(10), 0x2405, storeVariable(11), 0x5003, storeVariable(12),
          0x7001 /* store-variable slot 1, bit 12 set */});
    stores->constants[4] = 0;
    EXPECT_EQ(run(), kPassOk);
    EXPECT_EQ(stores->variables[10], 1.5);
    EXPECT_EQ(stores->variables[11], 2.5);
    EXPECT_EQ(stores->variables[12], 3.5);
}

TEST_F(MachineTest, JumpDistancesAreTwelveBitTwosComplement) {
    // index 0: jump +1 -> index 2, which stores 7 into variable 1.
    stores->constants[0] = 7;
    load({0xC001, loadConstant(0), loadConstant(0), storeVariable(1)});
    EXPECT_EQ(run(), kPassOk);
    EXPECT_EQ(stores->variables[1], 7);
    // 0xC000 continues at the next word.
    load({0xC000, loadConstant(0), storeVariable(2)});
    EXPECT_EQ(run(), kPassOk);
    EXPECT_EQ(stores->variables[2], 7);
}

TEST_F(MachineTest, JumpFarForwardLandsAt2048) {
    code->fill(kEndWord);
    (*code)[0] = 0xC7FF;
    (*code)[1] = op(kOpDiv);  // 0 / 0 would fail: the jump must skip it
    stores->constants[0] = 9;
    (*code)[2048] = loadConstant(0);
    (*code)[2049] = storeVariable(1);
    EXPECT_EQ(run(), kPassOk);
    EXPECT_EQ(stores->variables[1], 9);
}

TEST_F(MachineTest, BackwardJumpContinuesOneBeforeItself) {
    // 0: c0  1: s1 (store)  2: jump(-2) -> index 1 ... loops until the limit.
    settings.loopLimit = 5;
    stores->constants[0] = 1;
    load({loadConstant(0), storeVariable(1), loadConstant(0), 0xCFFD});
    EXPECT_EQ(run(), kLoopLimitReached);
}

TEST_F(MachineTest, BranchTakenOnlyForNotPositive) {
    // 4-word program: c0 @003 c1 s1 c1 s2 ; with c0 = -1 the branch skips to index 5.
    auto runWith = [&](double x) {
        stores->variables.fill(0);
        stores->constants[0] = x;
        stores->constants[1] = 1;
        load({loadConstant(0), 0xA002, loadConstant(1), storeVariable(1), loadConstant(1),
              storeVariable(2)});
        EXPECT_EQ(run(), kPassOk);
        return stores->variables[1];
    };
    EXPECT_EQ(runWith(-1.0), 0.0);
    EXPECT_EQ(runWith(0.0), 0.0);
    EXPECT_EQ(runWith(NAN), 0.0);
    EXPECT_EQ(runWith(0.5), 1.0);
}

TEST_F(MachineTest, LoopLimitCountsExecutedJumpsOnly) {
    // while-shaped: i = 0; S: i < n ? body : exit.  Body runs n times with n jumps.
    auto loopRuns = [&](int limit, double n) {
        settings.loopLimit = limit;
        stores->constants[0] = 0;  // 0
        stores->constants[1] = n;  // n
        stores->constants[2] = 1;  // 1
        load({
            loadConstant(0), storeVariable(1),                      // 0-1: i = 0
            loadVariable(1), loadConstant(1), op(kOpLt), 0xA005,    // 2-5: while i < n
            loadVariable(1), loadConstant(2), op(kOpAdd), storeVariable(1),  // 6-9
            0xCFF7,                                                  // 10: back to 2
        });
        return run();
    };
    EXPECT_EQ(loopRuns(10, 10), kLoopLimitReached);
    EXPECT_EQ(loopRuns(11, 10), kPassOk);
    EXPECT_EQ(stores->variables[1], 10);
    EXPECT_EQ(loopRuns(1, 1), kLoopLimitReached);
    EXPECT_EQ(loopRuns(1, 0), kPassOk);
}

TEST_F(MachineTest, JumpOntoTheEndWordStillCounts) {
    settings.loopLimit = 1;
    load({0xC000});
    EXPECT_EQ(run(), kLoopLimitReached);
}

TEST_F(MachineTest, ArithmeticAndComparisons) {
    EXPECT_EQ(binary(kOpAdd, 2, 3), 5);
    EXPECT_EQ(binary(kOpSub, 2, 3), -1);
    EXPECT_EQ(binary(kOpMul, 2, 3), 6);
    EXPECT_EQ(binary(kOpDiv, 3, 2), 1.5);
    EXPECT_EQ(binary(kOpGt, 3, 2), 1);
    EXPECT_EQ(binary(kOpGe, 2, 2), 1);
    EXPECT_EQ(binary(kOpLt, 3, 2), 0);
    EXPECT_EQ(binary(kOpLe, 2, 2), 1);
    EXPECT_EQ(binary(kOpEq, 2, 2), 1);
    EXPECT_EQ(binary(kOpNe, 2, 2), 0);
    EXPECT_EQ(result, kPassOk);
}

TEST_F(MachineTest, NanComparisonsFollowTheTable) {
    EXPECT_EQ(binary(kOpGt, NAN, 1), 0);
    EXPECT_EQ(binary(kOpGe, NAN, 1), 0);
    EXPECT_EQ(binary(kOpLt, NAN, 1), 1);
    EXPECT_EQ(binary(kOpLe, 1, NAN), 1);
    EXPECT_EQ(binary(kOpEq, NAN, NAN), 1);
    EXPECT_EQ(binary(kOpNe, NAN, 1), 0);
}

TEST_F(MachineTest, ModuloTruncatesAndKeepsTheSignOfTheDividend) {
    EXPECT_EQ(binary(kOpMod, 7, -2), 1);
    EXPECT_EQ(binary(kOpMod, -7, 2), -1);
    EXPECT_EQ(binary(kOpMod, 7.9, 2.5), 1);
    EXPECT_EQ(binary(kOpMod, -2147483648.0, -1), 0);
    EXPECT_EQ(result, kPassOk);
}

TEST_F(MachineTest, DivisionFailures) {
    binary(kOpDiv, 5, 0);
    EXPECT_EQ(result, kDivisionByZero);
    binary(kOpMod, 5, 0);
    EXPECT_EQ(result, kModuloByZero);
    // A divisor whose integer part is 0 would divide integers by zero.
    binary(kOpMod, 5, 0.5);
    EXPECT_EQ(result, kModuloByZero);
}

TEST_F(MachineTest, TruthOfLogicalOperations) {
    EXPECT_EQ(unary(kOpNot, -3), 1);
    EXPECT_EQ(unary(kOpNot, 0.5), 0);
    EXPECT_EQ(binary(kOpLogicalAnd, -3, 2), 1);
    EXPECT_EQ(binary(kOpLogicalAnd, 0, 2), 0);
    EXPECT_EQ(binary(kOpLogicalOr, 0, -2), 1);
    EXPECT_EQ(binary(kOpLogicalOr, 0, 0), 0);
}

TEST_F(MachineTest, BitwiseOperationsOnTruncatedIntegers) {
    EXPECT_EQ(binary(kOpBitAnd, 12.9, 10), 8);
    EXPECT_EQ(binary(kOpBitOr, 12, 3), 15);
    EXPECT_EQ(binary(kOpXor, 12, 10), 6);
    EXPECT_EQ(binary(kOpBitAnd, -1, 255), 255);
}

TEST_F(MachineTest, IntegerConversion) {
    EXPECT_EQ(unary(kOpInt, -2.7), -2);
    // The whole value, truncated toward zero: no wrap at 32 bits.
    EXPECT_EQ(unary(kOpInt, 3000000000.0), 3000000000.0);
    EXPECT_EQ(unary(kOpInt, -3e9 - 0.5), -3e9);
    EXPECT_EQ(unary(kOpInt, 4503599627370495.5), 4503599627370495.0);  // just below 2^52
    EXPECT_EQ(unary(kOpInt, 1e300), 1e300);
    EXPECT_EQ(unary(kOpInt, -INFINITY), -INFINITY);
    EXPECT_TRUE(std::isnan(unary(kOpInt, NAN)));
    // A negative fraction gives 0, not -0.
    EXPECT_FALSE(std::signbit(unary(kOpInt, -0.5)));
    // The other integer operations keep their 32-bit rule.
    EXPECT_EQ(binary(kOpMod, 3000000000.0, 7), -1294967296 % 7);
    EXPECT_EQ(binary(kOpBitOr, 4294967297.0, 0), 1);
}

TEST_F(MachineTest, PowerByRepeatedMultiplicationOrLogarithms) {
    EXPECT_EQ(binary(kOpPow, 2, 10), 1024);
    EXPECT_EQ(binary(kOpPow, 2, -2), 0.25);
    EXPECT_EQ(binary(kOpPow, -8, 3), -512);
    EXPECT_EQ(binary(kOpPow, 0, 0), 1);
    EXPECT_DOUBLE_EQ(binary(kOpPow, 2, 0.5), std::sqrt(2.0));
    EXPECT_EQ(result, kPassOk);
    binary(kOpPow, -8, 1.0 / 3);
    EXPECT_EQ(result, kPowerOfNonPositive);
    binary(kOpPow, 0, 0.5);
    EXPECT_EQ(result, kPowerOfNonPositive);
    // Exactly the repeated product, bit for bit.
    double r = 1.0;
    for (int k = 0; k < 37; ++k) r = 1.1 * r;
    EXPECT_EQ(binary(kOpPow, 1.1, 37), r);
    // A huge integral exponent finishes quickly and stays finite where it should.
    EXPECT_EQ(binary(kOpPow, 1.0, 2000000000.0), 1.0);
    EXPECT_EQ(binary(kOpPow, -1.0, 2000000001.0), -1.0);
    EXPECT_TRUE(std::isinf(binary(kOpPow, 2, 2000000000.0)));
    EXPECT_EQ(binary(kOpPow, 0, -1), INFINITY);
}

// Exponents beyond the literal method's range keep (nearly) every digit:
// compared with the power worked out in long double.
TEST_F(MachineTest, LargeIntegralPowersAreAccurate) {
    struct PowerCase {
        double base;
        double exponent;
    };
    for (const PowerCase p : {PowerCase{1.0000001, 100000}, PowerCase{1.0000001, -100000},
                              PowerCase{0.99999999, 3000000}, PowerCase{1.000000001, 1234567891},
                              PowerCase{-1.00000001, 65537}}) {
        const long double exact =
            std::exp(static_cast<long double>(p.exponent) *
                     std::log1p(std::fabs(static_cast<long double>(p.base)) - 1.0L));
        const double expected = static_cast<double>(p.base < 0 ? -exact : exact);
        const double r = binary(kOpPow, p.base, p.exponent);
        EXPECT_NEAR(r, expected, 4 * std::fabs(expected) * 0x1p-52)
            << p.base << " ^ " << p.exponent;
    }
    // The literal product stays below the limit, bit for bit.
    double r = 1.0;
    for (int k = 0; k < 65536; ++k) r = 1.0000001 * r;
    EXPECT_EQ(binary(kOpPow, 1.0000001, 65536), r);
}

// Whole multiples of 90 degrees give the exact values; tan of an odd one fails.
TEST_F(MachineTest, RightAnglesInDegreesAreExact) {
    struct RightAngle {
        double degrees;
        double sine;
        double cosine;
        bool tangentDefined;
    };
    for (const RightAngle a :
         {RightAngle{90, 1, 0, false}, RightAngle{180, 0, -1, true}, RightAngle{270, -1, 0, false},
          RightAngle{360, 0, 1, true}, RightAngle{-90, -1, 0, false}, RightAngle{-180, 0, -1, true},
          RightAngle{-360, 0, 1, true}, RightAngle{450, 1, 0, false}, RightAngle{-630, 1, 0, false},
          RightAngle{9e20, 0, 1, true}}) {
        const double sine = unary(kOpSin, a.degrees);
        EXPECT_EQ(sine, a.sine) << a.degrees;
        EXPECT_EQ(std::signbit(sine), a.sine < 0) << a.degrees;  // 0, never -0
        EXPECT_EQ(unary(kOpCos, a.degrees), a.cosine) << a.degrees;
        const double t = unary(kOpTan, a.degrees);
        EXPECT_EQ(result, a.tangentDefined ? kPassOk : kTangentOfRightAngle) << a.degrees;
        if (a.tangentDefined) {
            EXPECT_EQ(t, 0.0) << a.degrees;
        }
    }
    // Radians have no such angles.
    settings.unitFactor = 1.0;
    EXPECT_EQ(unary(kOpSin, 180), std::sin(180.0));
    EXPECT_EQ(unary(kOpTan, 90), std::tan(90.0));
    EXPECT_EQ(result, kPassOk);
}

// Every other angle keeps the plain formula bit for bit.
TEST_F(MachineTest, OtherAnglesInDegreesKeepTheFormula) {
    const double u = 57.29577951308232;
    for (const double x : {0.0,
                           -0.0,
                           30.0,
                           45.0,
                           60.0,
                           89.0,
                           89.99999999999999,
                           90.00000000000001,
                           91.0,
                           135.0,
                           179.5,
                           -45.0,
                           1e-300,
                           4.9e-324,
                           1e15 + 1,
                           1e20,
                           -720.5,
                           12345.678,
                           static_cast<double>(INFINITY),
                           static_cast<double>(NAN)}) {
        const auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
        EXPECT_TRUE(same(unary(kOpSin, x), std::sin(x / u))) << x;
        EXPECT_TRUE(same(unary(kOpCos, x), std::cos(x / u))) << x;
        EXPECT_TRUE(same(unary(kOpTan, x), std::tan(x / u))) << x;
        EXPECT_EQ(result, kPassOk) << x;
    }
}

TEST_F(MachineTest, AnglesUseTheUnitFactor) {
    EXPECT_NEAR(unary(kOpSin, 30), 0.5, 1e-15);
    EXPECT_NEAR(unary(kOpCos, 60), 0.5, 1e-15);
    EXPECT_NEAR(unary(kOpAtan, 1), 45, 1e-13);
    EXPECT_NEAR(binary(kOpAtan2, 0, 1), 90, 1e-13);
    EXPECT_NEAR(binary(kOpAtan2, -1, 0), 180, 1e-13);
    EXPECT_NEAR(unary(kOpAsin, 1), 90, 1e-13);
    settings.unitFactor = 1.0;
    EXPECT_NEAR(unary(kOpSin, M_PI / 6), 0.5, 1e-15);
    EXPECT_NEAR(unary(kOpSinh, 1), std::sinh(1.0), 1e-15);
}

struct FailureCase {
    int operation;
    double argument;
    int code;
};

class MachineFailureTest : public MachineTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(MachineFailureTest, FailingArgumentsGiveTheirCode) {
    unary(GetParam().operation, GetParam().argument);
    EXPECT_EQ(result, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Operations, MachineFailureTest,
                         ::testing::Values(FailureCase{kOpAsin, 1.0000001, kAsinOutOfRange},
                                           FailureCase{kOpAcos, -1.5, kAcosOutOfRange},
                                           FailureCase{kOpSqrt, -1e-300, kSqrtOfNegative},
                                           FailureCase{kOpLog, 0, kLogOfNonPositive},
                                           FailureCase{kOpLog, NAN, kLogOfNonPositive},
                                           FailureCase{kOpLog10, -1, kLog10OfNonPositive}));

TEST_F(MachineTest, NegativeZeroPassesTheSquareRootTest) {
    EXPECT_EQ(unary(kOpSqrt, -0.0), 0.0);
    EXPECT_EQ(result, kPassOk);
}

TEST_F(MachineTest, OperationsWithoutMeaningEndThePass) {
    for (int number : {int{kOpFft}, int{kOpOut}, int{kOpGraph}, 40, 255}) {
        stores->variables[1] = 0;
        stores->constants[0] = 4;
        load({loadConstant(0), op(number), loadConstant(0), storeVariable(1)});
        EXPECT_EQ(run(), kPassOk) << number;
        EXPECT_EQ(stores->variables[1], 0) << number;
    }
    // Bits 8-12 are ignored: 0xE100 adds.
    EXPECT_EQ(binary(0x100, 2, 3), 5);
}

TEST_F(MachineTest, LimitClampsIntoItsRange) {
    auto clamp = [&](double x, double lo, double hi) {
        stores->constants[0] = x;
        stores->constants[1] = lo;
        stores->constants[2] = hi;
        load({loadConstant(0), loadConstant(1), loadConstant(2), op(kOpLimit), storeVariable(1)});
        EXPECT_EQ(run(), kPassOk);
        return stores->variables[1];
    };
    EXPECT_EQ(clamp(5, 0, 3), 3);
    EXPECT_EQ(clamp(-5, 0, 3), 0);
    EXPECT_EQ(clamp(2, 0, 3), 2);
}

TEST_F(MachineTest, RandomIgnoresItsArgumentAndStaysInRange) {
    RandomSource reference;
    for (int k = 0; k < 100; ++k) {
        const double r = unary(kOpRandom, 100);
        EXPECT_EQ(r, reference.draw() * (1.0 / 32767.0));
        EXPECT_GE(r, 0.0);
        EXPECT_LE(r, 1.0);
    }
}

TEST_F(MachineTest, GaussSumsTwelveDraws) {
    RandomSource reference;
    int sum = 0;
    for (int k = 0; k < 12; ++k) sum += reference.draw();
    EXPECT_EQ(unary(kOpGauss, 2), (sum - 196608) * 3.051758e-05 * 2);
}

TEST(RandomSource, StartsFromStateOne) {
    RandomSource random;
    // state 1 -> 1 * 22695477 + 1 = 22695478; bits 16..30 = 346.
    EXPECT_EQ(random.draw(), 346);
    EXPECT_EQ(random.state(), 22695478u);
}

TEST_F(MachineTest, EmptyStackPopsReadZero) {
    // A store with nothing pushed stores 0.0; an operation on an empty stack works on zeros.
    stores->variables[1] = 5;
    load({storeVariable(1), op(kOpAdd), storeVariable(2), storeVariable(3)});
    EXPECT_EQ(run(), kPassOk);
    EXPECT_EQ(stores->variables[1], 0.0);
    EXPECT_EQ(stores->variables[2], 0.0);
    EXPECT_EQ(stores->variables[3], 0.0);
}

TEST_F(MachineTest, StackOverflowFailsThePass) {
    code->fill(kEndWord);
    for (int i = 0; i < 63; ++i) (*code)[static_cast<std::size_t>(i)] = loadConstant(0);
    EXPECT_EQ(run(), kPassOk);
    (*code)[63] = loadConstant(0);
    EXPECT_EQ(run(), kStackOverflow);
}

TEST_F(MachineTest, ElementIndicesStayInsideTheirArray) {
    // Elements 0..2 at slots 4..6; the variables beside them must not move.
    stores->variables[3] = 30;
    stores->variables[7] = 70;
    struct IndexCase {
        double index;
        int expected;
    };
    for (const IndexCase e :
         {IndexCase{0, kPassOk}, IndexCase{2.9, kPassOk}, IndexCase{3, kElementOutsideArray},
          IndexCase{-1, kElementOutsideArray}, IndexCase{-0.5, kPassOk},
          IndexCase{4294967298.0, kPassOk} /* 32-bit rule: 2 */,
          IndexCase{4294967299.0, kElementOutsideArray}}) {
        stores->constants[0] = e.index;
        stores->constants[1] = 99;
        load({loadConstant(0), loadConstant(1), 0x9004, count(3)});
        EXPECT_EQ(run(), e.expected) << "store " << e.index;
        load({loadConstant(0), 0x3004, count(3), storeVariable(1)});
        EXPECT_EQ(run(), e.expected) << "load " << e.index;
        if (e.expected == kPassOk) {
            EXPECT_EQ(stores->variables[1], 99);
        }
    }
    EXPECT_EQ(stores->variables[3], 30);
    EXPECT_EQ(stores->variables[7], 70);
}

TEST_F(MachineTest, ElementIndicesStayInsideTheVariableStore) {
    // Only a hand-made count reaches past the store.
    stores->variables[4095] = 8;
    stores->constants[0] = 4094;
    load({loadConstant(0), 0x3001, count(0xFFF), storeVariable(1)});  // variable[1 + 4094]
    EXPECT_EQ(run(), kPassOk);
    EXPECT_EQ(stores->variables[1], 8);
    load({loadConstant(0), 0x3002, count(0xFFF), storeVariable(1)});
    EXPECT_EQ(run(), kElementOutOfRange);
    // An element word in the last slot has no count word.
    code->fill(storeVariable(2));
    (*code)[0] = loadConstant(0);
    (*code)[kCodeBufferSize - 1] = 0x3001;
    stores->constants[0] = 0;
    EXPECT_EQ(run(), kNoEndWord);
}

TEST_F(MachineTest, LeavingTheCodeBufferFailsThePass) {
    for (auto& w : *code) w = storeVariable(1);  // no end word anywhere
    EXPECT_EQ(run(), kNoEndWord);
    load({0xC800});  // jump back 2048 from index 0
    EXPECT_EQ(run(), kNoEndWord);
    stores->constants[0] = 0;
    load({loadConstant(0), 0xAFFF});  // a taken branch past the buffer's end
    EXPECT_EQ(run(), kNoEndWord);
    load({0xC7FF});  // within the buffer: lands on the end word at 2048
    EXPECT_EQ(run(), kPassOk);
}

TEST(RuntimeErrorMessage, TextsOfTheResultCodes) {
    EXPECT_EQ(runtimeErrorMessage(-3, 1000), "ゼロ割りが発生しました");
    EXPECT_EQ(runtimeErrorMessage(-4, 1000), "ゼロ割りが発生しました");
    EXPECT_EQ(runtimeErrorMessage(-30, 1000), "正でない数の対数は計算できません");
    EXPECT_EQ(runtimeErrorMessage(-31, 1000), "正でない数の対数は計算できません");
    EXPECT_EQ(runtimeErrorMessage(-28, 1000), "正でない数のべき乗は計算できません");
    EXPECT_EQ(runtimeErrorMessage(-19, 1000), "逆三角関数の入力が範囲を超えています");
    EXPECT_EQ(runtimeErrorMessage(-20, 1000), "逆三角関数の入力が範囲を超えています");
    EXPECT_EQ(runtimeErrorMessage(-26, 1000), "負数の平方根は計算できません");
    EXPECT_EQ(runtimeErrorMessage(-41, 1000),
              "計算の繰り返し回数が上限(1000回)を超えました\n"
              "上限値は定数定義エリアに loops=回数 と書けば変更できます");
    EXPECT_EQ(runtimeErrorMessage(-18, 1000), "90度の奇数倍の正接は計算できません");
    EXPECT_EQ(runtimeErrorMessage(-45, 1000),
              "配列の要素番号が配列の範囲(0～要素数-1)を超えました");
    EXPECT_EQ(runtimeErrorMessage(-46, 1000), "計算を中止しました");
    EXPECT_EQ(runtimeErrorMessage(-7, 1000), "エラーが発生しました（-7)");
}

}  // namespace
}  // namespace zentra
