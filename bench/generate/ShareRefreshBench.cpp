// The share column after a big run: 2,000 root words over 20,000 titles, with
// the one-pass count of plain words against the matcher run once per word.
#include "generate/ShareRefresh.h"

#include "generate/RandomGenerator.h"
#include "util/Number.h"
#include "words/RegexMatcher.h"

#include <benchmark/benchmark.h>

namespace {

std::string RandomWord(RandomGenerator& random) {
    std::string word;
    for (std::int64_t c = random.UniformInt(2, 4); c > 0; --c) {
        word += static_cast<char>(0xB0 + random.UniformInt(0, 0x26));
        word += static_cast<char>(0xA1 + random.UniformInt(0, 0x5D));
    }
    return word;
}

struct Workload {
    std::vector<RootWord> rows;
    std::string joined;
};

const Workload& BigRun() {
    static const Workload workload = [] {
        Workload made;
        RandomGenerator random(31);
        for (int i = 0; i < 2000; ++i)
            made.rows.push_back({RandomWord(random), std::to_string(i % 100 + 1)});
        // 20,000 titles of about 60 bytes made of the root words.
        for (int title = 0; title < 20000; ++title) {
            std::size_t length = 0;
            while (length < 56) {
                const std::string& word =
                    made.rows[static_cast<std::size_t>(random.UniformInt(0, 1999))].word;
                made.joined += word;
                length += word.size();
            }
        }
        return made;
    }();
    return workload;
}

void BM_ShareRefresh(benchmark::State& state) {
    const Workload& work = BigRun();
    for (auto _ : state)
        benchmark::DoNotOptimize(ShareRefresh(work.rows, work.joined, 200000));
    state.SetLabel(std::to_string(work.joined.size()) + " bytes of titles");
}
BENCHMARK(BM_ShareRefresh)->Unit(benchmark::kMillisecond);

void BM_MatcherPerWord(benchmark::State& state) {
    const Workload& work = BigRun();
    for (auto _ : state) {
        std::vector<std::string> shares;
        RegexMatcher matcher;
        for (const RootWord& row : work.rows) {
            int matches = matcher.Match(row.word, work.joined) ? matcher.MatchCount() : 0;
            shares.push_back(NumberToText(RoundNumber(matches / 200000.0 * 100, 2)));
        }
        benchmark::DoNotOptimize(shares);
    }
}
BENCHMARK(BM_MatcherPerWord)->Unit(benchmark::kMillisecond);

} // namespace
