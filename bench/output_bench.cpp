// Appending a long run's output: the output model against a plain line list,
// which is what the output area was before it kept dump values.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "base/number_format.h"
#include "host/output_model.h"
#include "host/memory_host.h"

namespace zentra {
namespace {

constexpr int kLines = 200000;

// A running application's heap is warm. Without this, whichever list is
// measured second finds the pages the first one freed, and the order decides.
const int kWarmHeap = [] {
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    return 0;
}();

// As a sweep prints: a red header, then dump lines.
void BM_AppendOutputModel(benchmark::State& state) {
    for (auto _ : state) {
        OutputModel out;
        for (int i = 0; i < kLines; ++i) {
            const double value = i * 1.5;
            if (i % 25 == 0) {
                out.appendSweepHeader("【 x=" + formatGeneral(value, 15) + " 】");
            } else {
                out.appendDump("v" + std::to_string(i % 25), formatGeneral(value, 15), value);
            }
        }
        benchmark::DoNotOptimize(out.lineCount());
    }
}

void BM_AppendLineList(benchmark::State& state) {
    for (auto _ : state) {
        MemoryTextArea out;
        for (int i = 0; i < kLines; ++i) {
            const double value = i * 1.5;
            if (i % 25 == 0) {
                out.appendLine("【 x=" + formatGeneral(value, 15) + " 】", LineColour::Red);
            } else {
                out.appendLine("v" + std::to_string(i % 25) + " = " + formatGeneral(value, 15));
            }
        }
        benchmark::DoNotOptimize(out.lineCount());
    }
}

BENCHMARK(BM_AppendOutputModel)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_AppendLineList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace zentra
