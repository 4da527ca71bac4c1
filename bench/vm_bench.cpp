// Speed of the stack machine on hand-encoded loops, in nanoseconds per
// executed code word: the threaded machine that passes use, and the
// reference machine it is checked against.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "vm/machine.h"
#include "vm/pass_machine.h"

namespace zentra {
namespace {

// Constants: c000 = n, c001 = 1, c002 = 0.999999, c003 = 1000.
// Variables: v001 = i, v002 = x.
//   S: i < n  @exit  x = x * 0.999999 + i / 1000;  i = i + 1;  %S
//   (code text v001c000#06@00D v002c002#02v001c003#03#00s002 v001c001#00s001 %FEF)
constexpr std::array<CodeWord, 17> kArithmeticLoop{
    0x0001, 0x4000, 0xE006, 0xA00D,
    0x0002, 0x4002, 0xE002, 0x0001, 0x4003, 0xE003, 0xE000, 0x6002,
    0x0001, 0x4001, 0xE000, 0x6001,
    0xCFEF};
constexpr int kArithmeticWordsPerIteration = 4 + 8 + 4 + 1;

//   S: i < n  @exit  x = sin(x) + sqrt(i) + exp(-x);  i = i + 1;  %S
// c004 = 0 for the unary minus.
//   (code text v001c000#06@010 v002#10v001#1A#00c004v002#01#1B#00s002 v001c001#00s001 %FEC)
constexpr std::array<CodeWord, 20> kTranscendentalLoop{
    0x0001, 0x4000, 0xE006, 0xA010,
    0x0002, 0xE010, 0x0001, 0xE01A, 0xE000, 0x4004, 0x0002, 0xE001, 0xE01B, 0xE000, 0x6002,
    0x0001, 0x4001, 0xE000, 0x6001,
    0xCFEC};
constexpr int kTranscendentalWordsPerIteration = 4 + 11 + 4 + 1;

// The reference machine (execute) or the threaded one (PassMachine).
template <bool kThreaded, std::size_t kWords>
void runLoop(benchmark::State& state, const std::array<CodeWord, kWords>& loop, int wordsPerIteration) {
    const int n = static_cast<int>(state.range(0));
    auto code = std::make_unique<CodeBuffer>();
    auto stores = std::make_unique<ValueStores>();
    std::copy(loop.begin(), loop.end(), code->begin());
    (*code)[kWords] = kEndWord;
    stores->constants[0] = n;
    stores->constants[1] = 1;
    stores->constants[2] = 0.999999;
    stores->constants[3] = 1000;
    stores->constants[4] = 0;
    const MachineSettings settings{n + 2, 1.0};
    RandomSource random;
    PassMachine machine;
    for (auto _ : state) {
        stores->variables.fill(0.0);
        const int result = kThreaded ? machine.execute(*code, *stores, settings, random)
                                     : execute(*code, *stores, settings, random);
        if (result != kPassOk) state.SkipWithError("pass failed");
        benchmark::DoNotOptimize(stores->variables[2]);
    }
    const double words = static_cast<double>(wordsPerIteration) * n + 4;
    // Shown in seconds with an SI prefix: "1.2n" is 1.2 ns per executed word.
    state.counters["per_word"] = benchmark::Counter(
        words, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ArithmeticLoop(benchmark::State& state) {
    runLoop<true>(state, kArithmeticLoop, kArithmeticWordsPerIteration);
}
void BM_TranscendentalLoop(benchmark::State& state) {
    runLoop<true>(state, kTranscendentalLoop, kTranscendentalWordsPerIteration);
}
void BM_ArithmeticLoopReference(benchmark::State& state) {
    runLoop<false>(state, kArithmeticLoop, kArithmeticWordsPerIteration);
}
void BM_TranscendentalLoopReference(benchmark::State& state) {
    runLoop<false>(state, kTranscendentalLoop, kTranscendentalWordsPerIteration);
}

BENCHMARK(BM_ArithmeticLoop)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranscendentalLoop)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArithmeticLoopReference)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TranscendentalLoopReference)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentra

BENCHMARK_MAIN();
