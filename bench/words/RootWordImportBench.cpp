// Loading a weighted root-word file: 200,000 lines (the goal is under 300 ms)
// and twice that (the time should at most double, give or take 10%).
#include "words/RootWordImport.h"

#include "WordsBenchData.h"
#include "words/MemoryRowTable.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ImportRootWords(benchmark::State& state) {
    const std::string file = WeightedGbkLines(0, static_cast<std::size_t>(state.range(0)));
    const BannedWordList banned = BannedWordList::FromText("\xC1\xAC\xD2\xC2\xC8\xB9\r\n");
    for (auto _ : state) {
        MemoryRowTable list;
        ImportRootWords(file, banned, list);
        benchmark::DoNotOptimize(list.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_ImportRootWords)->Arg(200'000)->Arg(400'000)->Unit(benchmark::kMillisecond);

} // namespace
