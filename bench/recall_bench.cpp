// Input recall on long histories: the search after each key release, and
// deleting every entry of the sorted list at once.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "shell/input_recall.h"

namespace {

std::vector<std::string> history(int size) {
    std::vector<std::string> lines;
    for (int i = 0; i < size; ++i) lines.push_back("x" + std::to_string(i) + "=1+2");
    return lines;
}

void BM_RecallSearch(benchmark::State& state) {
    const std::vector<std::string> lines = history(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(zentra::matchingEntries(lines, "x1"));
}
BENCHMARK(BM_RecallSearch)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_RecallDeleteAll(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> lines = history(static_cast<int>(state.range(0)));
        std::vector<std::string> shown = zentra::sortedEntries(lines);
        std::vector<int> rows(shown.size());
        for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
        state.ResumeTiming();
        zentra::deleteEntries(lines, shown, rows);
    }
}
BENCHMARK(BM_RecallDeleteAll)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
