// The title engine on a seller's usual list: 300 root words with weights
// 1..100 and "连衣裙--1999" with the default settings; the same list with its
// weights scaled so that the pool holds 1,000 to 10,000,000 entries; and the
// literal pool-shuffling algorithm on the usual list, for the ratio.
#include "generate/TitleEngine.h"

#include "generate/FakeRun.h"
#include "generate/ReferenceTitleEngine.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

class SilentReport : public TitleEngineReport {
public:
    void RunStarted(std::int32_t) override {}
    void TitleAccepted() override {}
    void SetStartCaption(const std::string&) override {}
    void ShowMessage(const RunMessage&) override {}
    bool StopRequested() override { return false; }
};

// 300 words of two to four Chinese characters, weights 1..100 scaled so that
// the pool holds about poolSize entries (0 keeps them as they are).
FakeInput UsualList(double poolSize = 0) {
    FakeInput input;
    input.mainWordBox = Gbk("连衣裙--1999");
    RandomGenerator random(17);
    double sum = 0;
    std::vector<double> weights;
    for (int i = 0; i < 300; ++i) {
        weights.push_back(static_cast<double>(i % 100 + 1));
        sum += weights.back();
    }
    for (int i = 0; i < 300; ++i) {
        std::string word;
        const int characters = 2 + static_cast<int>(random.UniformInt(0, 2));
        for (int c = 0; c < characters; ++c) {
            word += static_cast<char>(0xB0 + random.UniformInt(0, 0x26));
            word += static_cast<char>(0xA1 + random.UniformInt(0, 0x5D));
        }
        const double weight =
            poolSize > 0 ? std::max(1.0, std::round(weights[i] * poolSize / sum)) : weights[i];
        input.rows.push_back({word, std::to_string(static_cast<long long>(weight))});
    }
    return input;
}

void BM_EngineWholeLine(benchmark::State& state) {
    FakeInput input = UsualList();
    SilentReport report;
    RandomGenerator random(1);
    const MainWordSpec line = SplitMainWordLine(input.mainWordBox);
    for (auto _ : state) {
        TitleRunState run;
        TitleEngine(input, report, run, random).ComposeLine(line);
        benchmark::DoNotOptimize(run.resultText.data());
    }
}
BENCHMARK(BM_EngineWholeLine)->Unit(benchmark::kMillisecond);

void BM_ReferenceWholeLine(benchmark::State& state) {
    FakeInput input = UsualList();
    SilentReport report;
    RandomGenerator random(1);
    const MainWordSpec line = SplitMainWordLine(input.mainWordBox);
    for (auto _ : state) {
        TitleRunState run;
        ReferenceComposeLine(line, input, report, run, random);
        benchmark::DoNotOptimize(run.resultText.data());
    }
}
BENCHMARK(BM_ReferenceWholeLine)->Unit(benchmark::kMillisecond);

// Time per attempt for pools of 1,000, 100,000 and 10,000,000 entries.
void BM_EnginePerAttempt(benchmark::State& state) {
    FakeInput input = UsualList(static_cast<double>(state.range(0)));
    long long pool = 0;
    for (const RootWord& row : input.rows)
        pool += std::stoll(row.weight);
    SilentReport report;
    RandomGenerator random(1);
    const MainWordSpec line = SplitMainWordLine(input.mainWordBox);
    for (auto _ : state) {
        TitleRunState run;
        TitleEngine(input, report, run, random).ComposeLine(line);
    }
    // The position range is read once per attempt.
    state.counters["attempt"] = benchmark::Counter(static_cast<double>(input.positionReads),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["pool"] = static_cast<double>(pool);
}
BENCHMARK(BM_EnginePerAttempt)->Arg(1000)->Arg(100000)->Arg(10000000)->Unit(benchmark::kMillisecond);

} // namespace
